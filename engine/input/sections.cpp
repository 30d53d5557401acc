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

Count count(EngineState& s, int low, int limit, int& n) {
  assert(limit < (1 << 24));  // every whole number up to the limit is a real
  real v = 0.0f;
  if (!number(s, v) || !whole(v) || v < static_cast<real>(low)) return Count::bad;
  if (v > static_cast<real>(limit)) return Count::over;
  n = static_cast<int>(v);
  return Count::ok;
}

int keyword(EngineState& s, std::string& word) {
  int status = 0, index = 0;
  READ_WORD(s, word, status);
  FIND_KEYWORD(s, word, index, status);
  return index;
}

int keyword_index(const std::string& word) {
  std::string w = word.substr(0, 4);
  w.resize(4, ' ');
  for (int k = 1; k <= KEYWORD_COUNT; ++k) {
    if (w == KEYWORD_TABLE(k)) return k;
  }
  return 999;
}

void step_back(EngineState& s) {
  real unused_value = 0.0f;
  std::string unused_word;
  int status = 0;
  READIT(s, 0, unused_value, unused_word, status);
}

bool top_level(int index) {
  switch (index) {
    case 2: case 3: case 4: case 5: case 10: case 17: case 20: case 21: case 24: case 28: case 29: case 30:
    case 31:
      return true;
    default:
      return false;
  }
}

void reject_word(EngineState& s, int index) {
  if (top_level(index)) step_back(s);
  will_not_execute(s);
}

void will_not_execute(EngineState& s) {
  write(s, out(s), "(' PROGRAM WILL NOT EXECUTE')");
  fatal(s);
}

}  // namespace zav::section
