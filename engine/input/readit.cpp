#include <algorithm>
#include <array>
#include <cassert>
#include <span>
#include <string>

#include "input/input.h"

namespace zav {
namespace {

const std::string blank_word = "    ";

// A word as compared with the table: its first four characters, blank-padded.
std::string four(const std::string& word) {
  std::string w = word.substr(0, 4);
  w.resize(4, ' ');
  return w;
}

}  // namespace

std::string_view KEYWORD_TABLE(Keyword k) {
  const int place = static_cast<int>(k);
  assert(place >= 0 && place < KEYWORD_COUNT);
  return keyword_texts[static_cast<std::size_t>(place)];
}

Keyword keyword_of(const std::string& word) {
  const std::string w = four(word);
  for (int k = 0; k < KEYWORD_COUNT; ++k) {
    if (w == KEYWORD_TABLE(keyword_at(k))) return keyword_at(k);
  }
  return Keyword::none;
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
    // The text is a keyword when it is one of the first keyword_count() of
    // the table; the keyword loop then reads it again.
    const int count = std::min(s.input.keyword_count(), KEYWORD_COUNT);
    s.reader.keyword = Keyword::none;
    for (int k = 0; k < count; ++k) {
      if (text[0] == KEYWORD_TABLE(keyword_at(k))) {
        s.reader.keyword = keyword_at(k);
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

void FIND_KEYWORD(EngineState& s, const std::string& word, Keyword& index) {
  s.input.set_keyword_count(KEYWORD_COUNT);
  index = keyword_of(word);
  if (index == Keyword::none) write(s, s.run.OUTPUT_UNIT, "(/,/,' UNRECOGNIZED KEYWORD - ',A4)", four(word));
}

void READ_WORD(EngineState& s, std::string& word, int& status) {
  status = 1;
  real unused = 0.0f;
  READIT(s, -1, unused, word, status);
}

}  // namespace zav
