#include <algorithm>
#include <array>
#include <cctype>
#include <span>
#include <string>

#include "input/input.h"

namespace zav {
namespace {

constexpr std::size_t line_width = 80;
constexpr std::size_t buffer_size = 500;
// How much of a deck line is read: its 80 columns, and on a title keyword
// line the title's 80 characters after the "=" within them. The rest of a
// longer line is passed over unread, however long it is.
constexpr std::size_t used_width = 2 * line_width + 1;

using Line = std::array<char, line_width>;

bool is_digit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// The number written for a code letter that stands alone, or 1 for no code.
int letter_code(char c) {
  switch (c) {
    case 'T': return 999;
    case 'H': return -999;
    case 'F': return 0;
    case 'Q': return -997;
    case 'P': return 998;
    case 'S': return -998;
    case 'V': return -996;
    default: return 1;
  }
}

// Copies the first n columns of a deck line into the buffer, expanding repeat
// groups d(...). False when the buffer would exceed its size; it then holds what
// fitted.
bool expand_repeats(const Line& line, std::size_t n, std::string& buf) {
  buf.clear();
  auto add = [&](char c) {
    if (buf.size() >= buffer_size) return false;
    buf += c;
    return true;
  };
  for (std::size_t i = 0; i < n; ++i) {
    char c = line[i];
    if (c != '(' || i == 0 || !is_digit(line[i - 1])) {
      if (!add(c)) return false;
      continue;
    }
    int copies = line[i - 1] - '0';
    buf.pop_back();  // the count digit
    if (!buf.empty() && buf.back() == ' ') buf.back() = ',';
    std::size_t close = i + 1;
    while (close < n && line[close] != ')') ++close;  // an unclosed group runs to the end of the line
    for (int k = 0; k < copies; ++k) {
      for (std::size_t j = i + 1; j < close; ++j)
        if (!add(line[j])) return false;
      if (k + 1 < copies && !add(',')) return false;
    }
    i = close;
  }
  return true;
}

// Pass 1: a piece of a deck line as one or more records of TAPE8.
void write_piece(EngineState& s, std::string_view piece) {
  if (!piece.empty()) write(s, s.run.UNIT_TABLE(8), "(80A1)", std::span<const char>(piece.data(), piece.size()));
}

void split_into_records(EngineState& s, const std::string& buf) {
  const int tape8 = s.run.UNIT_TABLE(8);
  std::size_t start = 0;
  for (std::size_t i = 0; i < buf.size(); ++i) {
    char c = buf[i];
    if (c == ',' || c == '=' || c == '*') {
      write_piece(s, std::string_view(buf).substr(start, i - start));
      if (c == '*') write(s, tape8, "('-999')");
      start = i + 1;
      continue;
    }
    int code = letter_code(c);
    if (code == 1) continue;
    bool alone_before = i == start || buf[i - 1] == ' ';
    bool alone_after = i + 1 == buf.size() || buf[i + 1] == ' ' || buf[i + 1] == '=' || buf[i + 1] == ',';
    if (alone_before && alone_after) {
      write_piece(s, std::string_view(buf).substr(start, i - start));
      write(s, tape8, "(I4)", code);
      start = i + 1;
    }
  }
  write_piece(s, std::string_view(buf).substr(start));
}

// A title line: the keyword TITL in the first columns. Its text reaches the
// report whole, whatever characters it holds.
bool is_title_keyword(std::string_view record) { return record.substr(0, 4) == "TITL"; }

// The title as one record of 80 columns, its characters as they stand.
void write_title(EngineState& s, std::string_view text) {
  Line title;
  title.fill(' ');
  text = text.substr(0, line_width);
  std::copy(text.begin(), text.end(), title.begin());
  write(s, s.run.UNIT_TABLE(8), "(80A1)", title);
}

void deck_to_tape8(EngineState& s) {
  const int in = s.run.UNIT_TABLE(4);
  std::string whole;
  Line line;
  std::string buf;
  buf.reserve(buffer_size);
  bool title_follows = false;  // the line after a bare title line is the title
  while (read_record(s, in, whole, used_width) == io::Io::ok) {
    if (title_follows) {
      if (whole.find_first_not_of(' ') == std::string::npos) continue;
      write_title(s, whole);
      title_follows = false;
      continue;
    }
    // "TITLE=" and the text on the same line: the text after "=".
    const std::size_t equals = whole.find('=');
    if (is_title_keyword(whole) && equals != std::string::npos && equals + 1 < whole.size()) {
      write_piece(s, std::string_view(whole).substr(0, equals));
      write_title(s, std::string_view(whole).substr(equals + 1));
      continue;
    }
    title_follows = is_title_keyword(whole);
    line.fill(' ');
    std::copy_n(whole.begin(), std::min(whole.size(), line_width), line.begin());
    std::size_t n = 0;
    while (n < line_width && line[n] != '$') ++n;
    while (n > 0 && line[n - 1] == ' ') --n;
    if (n == 0) continue;
    if (!expand_repeats(line, n, buf)) {
      write(s, s.run.OUTPUT_UNIT,
            "(/,/,/,'***   INPUT DATA RECORD TOO LONG DUE TO REPEAT ','   FEATURE   ***',/,/,1X,"
            "'***   DATA TRUNCATED ON THE FOLLOWING LINE    ***',/,/,1X,132A1,/,1X,132A1,/,/,/)",
            line);
    }
    split_into_records(s, buf);
  }
}

bool may_start_number(char c) { return is_digit(c) || c == '.' || c == '+' || c == '-'; }

// Pass 2: numbers one per record (E forms right-aligned in 20 columns, others
// with a decimal point), text records whole.
void tape8_to_tape7(EngineState& s) {
  const int tape8 = s.run.UNIT_TABLE(8);
  const int tape7 = s.run.UNIT_TABLE(7);
  Line rec;
  bool title = false;  // the record after the title keyword is the title, as it stands
  while (read(s, tape8, "(80A1)", rec) == io::Io::ok) {
    if (title) {
      write(s, tape7, "(80A1)", rec);
      title = false;
      continue;
    }
    std::size_t i = 0;
    while (i < line_width && rec[i] == ' ') ++i;
    if (i == line_width) continue;
    if (!may_start_number(rec[i])) {
      write(s, tape7, "(80A1)", rec);
      title = is_title_keyword(std::string_view(rec.data(), rec.size()));
      continue;
    }
    while (i < line_width) {
      while (i < line_width && rec[i] == ' ') ++i;
      if (i == line_width) break;
      const std::size_t start = i;
      bool exponent = false, point = false, number = true;
      for (; i < line_width && rec[i] != ' '; ++i) {
        char c = rec[i];
        bool ok = is_digit(c) || c == '.' || c == 'E' || c == '+' || (c == '-' && (i == start || rec[i - 1] == 'E'));
        if (!ok) {
          number = false;
          break;
        }
        exponent = exponent || c == 'E';
        point = point || c == '.';
      }
      if (!number) {
        const auto text = std::span<const char>(rec).subspan(start);
        write(s, tape7, "(80A1)", text);
        title = is_title_keyword(std::string_view(text.data(), text.size()));
        break;
      }
      std::string token(rec.data() + start, i - start);
      if (exponent) {
        if (token.size() < 20) token.insert(0, 20 - token.size(), ' ');
      } else if (!point) {
        token += '.';
      }
      write(s, tape7, "(A)", token);
    }
  }
}

}  // namespace

void PREPROCESS_DECK(EngineState& s) {
  const int tape7 = s.run.UNIT_TABLE(7);
  const int tape8 = s.run.UNIT_TABLE(8);
  rewind(s, tape8);
  deck_to_tape8(s);
  rewind(s, tape8);
  rewind(s, tape7);
  tape8_to_tape7(s);
  rewind(s, tape7);
  rewind(s, tape8);
  write(s, tape8, "(A1)", " ");
  rewind(s, tape8);
  s.run.UNIT_TABLE(4) = tape7;
}

}  // namespace zav
