// What the section readers share: numbers, counts and words of the deck, read
// through READIT, and the fatal flag.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "input/input.h"

namespace zav::section {

// The next number of a section. False on a read error, at the end of the deck,
// or when the value is no finite number.
bool number(EngineState& s, real& value);

// Numbers in order into the given places; false at the first that fails (the
// later ones keep their values).
template <class... R>
bool numbers(EngineState& s, R&... values) {
  return (number(s, values) && ...);
}

enum class Count { ok, no_number, bad, over };

// A count of rows: a whole number from `low` to `limit`. no_number: text or
// the end of the deck where the count stands; bad: no finite number, not
// whole or below `low`; over: above `limit`. n is set only when ok; `read`,
// where given, takes the number that was read.
Count count(EngineState& s, int low, int limit, int& n, real* read = nullptr);

// A whole number (a code or a row label); false when the value is not whole.
bool whole(real value);

// The next word of the deck and its keyword; a word that is no keyword is
// reported by FIND_KEYWORD and gives Keyword::none.
Keyword keyword(EngineState& s, std::string& word);
// The next word of the deck and its keyword, without a message for none.
Keyword next_keyword(EngineState& s, std::string& word);

// Steps back over the word just read, so that the keyword loop reads it next.
void step_back(EngineState& s);

// Keywords that the keyword loop acts on itself (a section, RUN, STOP, a switch).
bool top_level(Keyword k);

// After the message of a required word that was missing or wrong: a word that
// starts a section of its own goes back to the keyword loop (any other word is
// dropped), then " PROGRAM WILL NOT EXECUTE" and the fatal flag.
void reject_word(EngineState& s, Keyword k);

// What a value of the deck can be: a length, a weight or a modulus above 0; a
// mass, a damping, a thickness or a frequency not below 0; a Poisson's ratio
// from 0 to 0.5 (0.5 the undrained soil); a material damping ratio from 0 to
// below 1, critical damping, which no soil, pile or column has; the angle of
// a pile against the vertical short of the horizontal either way; a
// gravitational constant of the SI or of the English units (one of 0 or
// less is the analysis's to refuse); any number (a
// coordinate, a load, a cross product, a row label); none: the table has no
// such value.
enum class Bound { positive, not_negative, poisson_ratio, damping_ratio, short_of_horizontal, gravity, any, none };

// One value of the rows of a table: where a row holds it, its name in the
// report and what it can be. A section keeps the values of each of its
// tables in one list of these, in the order of the deck.
template <class Row>
struct Admissible {
  real Row::*value;
  std::string_view name;
  Bound bound;
};

// The values of one block of a section against their bounds. Every value out
// of its bound is reported on a line of its own, naming it and, for a row of
// a table, the row; the caller ends the section with its own closing message
// when one was.
class ValueCheck {
 public:
  explicit ValueCheck(EngineState& s) : s_(s) {}
  // "ERROR - <what>[ <row>] (<value>) <what the bound asks>" when out of bound.
  ValueCheck& operator()(real value, Bound bound, std::string_view what, int row = 0);
  // Every value of a row of a table: each name followed by `of` (" OF
  // ELEMENT", " OF THE PILES") and, above 0, the row's number.
  template <class Row>
  ValueCheck& row(const Row& r, std::span<const Admissible<Row>> table, std::string_view of = {}, int number = 0) {
    for (const Admissible<Row>& a : table) {
      if (a.bound != Bound::none) (*this)(r.*a.value, a.bound, std::string(a.name) + std::string(of), number);
    }
    return *this;
  }
  template <class Row, std::size_t N>
  ValueCheck& row(const Row& r, const Admissible<Row> (&table)[N], std::string_view of = {}, int number = 0) {
    return row(r, std::span<const Admissible<Row>>(table), of, number);
  }
  bool ok() const { return ok_; }

 private:
  EngineState& s_;
  bool ok_ = true;
};

inline bool echo(const EngineState& s) { return s.switches.ECHO_FLAG == 1; }
inline void fatal(EngineState& s) { s.input.FATAL_INPUT_FLAG = 1; }
inline int out(const EngineState& s) { return s.run.OUTPUT_UNIT; }

// " PROGRAM WILL NOT EXECUTE" after a section's message, and the fatal flag.
void will_not_execute(EngineState& s);

}  // namespace zav::section
