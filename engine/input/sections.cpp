#include "input/sections.h"

#include <cassert>
#include <cmath>

namespace zav::section {

bool number(EngineState& s, real& value) {
  std::string unused;
  int status = 0;
  READIT(s, 1, value, unused, status);
  return status == 1 && std::isfinite(value);
}

bool whole(real value) { return std::isfinite(value) && std::floor(value) == value; }

Count count(EngineState& s, int low, int limit, int& n, real* read) {
  assert(limit < (1 << 24));  // every whole number up to the limit is a real
  real v = 0.0f;
  std::string unused;
  int status = 0;
  READIT(s, 1, v, unused, status);
  if (status != 1) return Count::no_number;
  if (read) *read = v;
  if (!std::isfinite(v) || !whole(v) || v < static_cast<real>(low)) return Count::bad;
  if (v > static_cast<real>(limit)) return Count::over;
  n = static_cast<int>(v);
  return Count::ok;
}

Keyword keyword(EngineState& s, std::string& word) {
  int status = 0;
  Keyword k = Keyword::none;
  READ_WORD(s, word, status);
  FIND_KEYWORD(s, word, k);
  return k;
}

Keyword next_keyword(EngineState& s, std::string& word) {
  int status = 0;
  READ_WORD(s, word, status);
  return keyword_of(word);
}

void step_back(EngineState& s) {
  real unused_value = 0.0f;
  std::string unused_word;
  int status = 0;
  READIT(s, 0, unused_value, unused_word, status);
}

bool top_level(Keyword k) {
  switch (k) {
    case Keyword::WIDE:
    case Keyword::NARR:
    case Keyword::ECHO:
    case Keyword::NOEC:
    case Keyword::LOAD:
    case Keyword::SOIL:
    case Keyword::GRAV:
    case Keyword::DIME:
    case Keyword::FOUN:
    case Keyword::RUN:
    case Keyword::STOP:
    case Keyword::TITL:
    case Keyword::MATR: return true;
    default: return false;
  }
}

void reject_word(EngineState& s, Keyword k) {
  if (top_level(k)) step_back(s);
  will_not_execute(s);
}

namespace {

// The gravitational constants a deck can give: standard gravity, 9.80665 m/s**2
// or 32.174 ft/s**2, rounded as engineers round it, and what it is on the
// earth's surface. The unit system follows from the value (above 10 English),
// so the two ranges must not meet.
constexpr real si_gravity_low = 9.5f, si_gravity_high = 10.0f;
constexpr real english_gravity_low = 31.0f, english_gravity_high = 33.0f;

// A material damping ratio of 1 is critical damping: a material that dissipates
// as much loses its stiffness in one cycle.
constexpr real critical_damping = 1.0f;

// An angle from the vertical: a pile at 90 degrees lies flat.
constexpr real horizontal_degrees = 90.0f;

}  // namespace

ValueCheck& ValueCheck::operator()(real value, Bound bound, std::string_view what, int row) {
  bool within = true;
  std::string_view rule;
  switch (bound) {
    case Bound::positive:
      within = value > 0.0f;
      rule = "MUST BE GREATER THAN 0";
      break;
    case Bound::not_negative:
      within = value >= 0.0f;
      rule = "CANNOT BE NEGATIVE";
      break;
    case Bound::poisson_ratio:
      within = value >= 0.0f && value <= 0.5f;
      rule = "MUST LIE FROM 0 TO 0.5";
      break;
    case Bound::damping_ratio:
      within = value >= 0.0f && value < critical_damping;
      rule = "MUST LIE FROM 0 TO BELOW 1 (CRITICAL DAMPING)";
      break;
    case Bound::short_of_horizontal:
      within = value > -horizontal_degrees && value < horizontal_degrees;
      rule = "MUST LIE BETWEEN -90 AND 90 DEGREES";
      break;
    case Bound::gravity:
      // A constant of 0 or less is no gravity at all: the analysis refuses it
      // as it starts, with the report's own text.
      within = value <= 0.0f || (value >= si_gravity_low && value <= si_gravity_high) ||
               (value >= english_gravity_low && value <= english_gravity_high);
      rule = "MUST LIE FROM 9.5 TO 10 (m/s**2) OR FROM 31 TO 33 (ft/s**2)";
      break;
    case Bound::any: break;
    case Bound::none: assert(false && "a value the table does not hold"); break;
  }
  if (within) return *this;
  ok_ = false;
  const std::string name = row > 0 ? std::string(what) + " " + std::to_string(row) : std::string(what);
  write(s_, out(s_), "(/,/,1X,'ERROR - ',A,' (',1PE10.3,') ',A)", name, value, rule);
  return *this;
}

void will_not_execute(EngineState& s) {
  write(s, out(s), "(' PROGRAM WILL NOT EXECUTE')");
  fatal(s);
}

}  // namespace zav::section
