#include <algorithm>
#include <array>
#include <cassert>
#include <span>
#include <string>

#include "input/input.h"

namespace zav {
namespace {

constexpr std::array<std::string_view, KEYWORD_COUNT> keywords = {
    "    ", "WIDE", "NARR", "ECHO", "NOEC", "PILE", "HALF", "STRA", "MULT", "LOAD", "HARM", "TRAN", "RAND",
    "PLOT", "CIRC", "RECT", "SOIL", "PARA", "LAYE", "GRAV", "DIME", "BELO", "ELEM", "FOUN", "WEAK", "BATT",
    "INTE", "RUN ", "STOP", "TITL", "MATR", "FIXE", "PINN", "FLOA", "END-", "CONS", "MASS", "EMBE", "SIDE",
    "HAMM", "LONG", "SHOR", "VELO", "PULS", "PAD ", "SPRI", "STAT", "DYNA", "    ", "    ", "QUAD", "NONQ",
};

constexpr int no_keyword = KEYWORD_COUNT + 1;
const std::string blank_word = "    ";

// A word as compared with the table: its first four characters, blank-padded.
std::string four(const std::string& word) {
  std::string w = word.substr(0, 4);
  w.resize(4, ' ');
  return w;
}

}  // namespace

std::string_view KEYWORD_TABLE(int index) {
  assert(index >= 1 && index <= KEYWORD_COUNT);
  return keywords[static_cast<std::size_t>(index - 1)];
}

void READIT(EngineState& s, int mode, real& value, std::string& word, int& status) {
  const int in = s.run.UNIT_TABLE(4);
  const int out = s.run.OUTPUT_UNIT;
  status = 1;
  if (mode == 1) {
    value = 0.0f;
    std::string record;
    if (read(s, in, "(A)", record) == io::Io::end) {
      write(s, out,
            "(/,/,' *** INPUT ERROR ***    END OF FILE ENCOUNTERED','W   HILE READING',/,24X,'NUMBER ',I3,"
            "' OF ',I3,' NUMBERS TO BE',' REA D')",
            1, 1);
      // No number was read: the section must not take the 0.0 for data.
      status = 0;
      return;
    }
    // The preprocessor leaves one token per record, so the number field is the
    // whole record: a number written with all its digits is still that number.
    // A record within the 20 columns of a number field reads as that field.
    const std::string field = "(F" + std::to_string(std::max<std::size_t>(record.size(), 20)) + ".0)";
    if (io::read_internal(record, field, value) == io::Io::ok) return;
    value = 0.0f;
    status = -1;
    backspace(s, in);
    auto& text = s.reader.text_buffer;
    read(s, in, "(20A4)", text);
    write(s, out, "(/,/,' *** INPUT ERROR ***    ALPHANUMERIC ENCOUNTERED - ','\"',5A4,'\"',',')",
          std::span(text).first(5));
    const int count = std::min(s.input.INPUT_STATUS(10), KEYWORD_COUNT);
    s.reader.keyword_index = no_keyword;
    for (int k = 1; k <= count; ++k) {
      if (text[0] == KEYWORD_TABLE(k)) {
        s.reader.keyword_index = k;
        backspace(s, in);
        break;
      }
    }
    return;
  }
  if (mode == -1) {
    word = blank_word;
    if (read(s, in, "(20A4)", word) == io::Io::end) {
      write(s, out,
            "(/,/,' *** INPUT ERROR ***    END OF FILE ENCOUNTERED WHILE',/,24X,'READING ',I3,"
            "' ALPHANUMERIC WORDS')",
            1);
      word = blank_word;
      status = 0;
    }
    return;
  }
  if (mode == 0) {
    backspace(s, in);
    return;
  }
  if (mode > 1) {
    write(s, out, "(/,/,' *** INVALID CALL TO READIT, BACKSPACE ASSUMED ***',/)");
    backspace(s, in);
    return;
  }
  word = blank_word;
  if (read(s, in, "(80A1)", word) == io::Io::ok) word = four(word);
  else word = blank_word;
  status = -1;
}

void FIND_KEYWORD(EngineState& s, const std::string& word, int& index, int& status) {
  status = 1;
  s.input.INPUT_STATUS(10) = KEYWORD_COUNT;
  const std::string w = four(word);
  for (int k = 1; k <= KEYWORD_COUNT; ++k) {
    if (w == KEYWORD_TABLE(k)) {
      index = k;
      return;
    }
  }
  index = 999;
  write(s, s.run.OUTPUT_UNIT, "(/,/,' UNRECOGNIZED KEYWORD - ',A4)", w);
}

void READ_WORD(EngineState& s, std::string& word, int& status) {
  status = 1;
  real unused = 0.0f;
  READIT(s, -1, unused, word, status);
}

}  // namespace zav
