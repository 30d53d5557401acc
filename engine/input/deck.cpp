// The deck's keyword loop, the defaults of a run and the check of what the deck
// delivered.
#include <cmath>
#include <limits>

#include "input/input.h"
#include "input/sections.h"

namespace zav {

int NEAREST_INT(real x) {
  if (std::isnan(x)) return 0;
  const double v = x > 0 ? std::trunc(static_cast<double>(x) + 0.5) : std::trunc(static_cast<double>(x) - 0.5);
  if (v >= static_cast<double>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
  if (v <= static_cast<double>(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
  return static_cast<int>(v);
}

void INIT_DEFAULTS(EngineState& s, int& status) {
  for (int k = 1; k <= s.run.UNIT_TABLE.size(); ++k) s.run.UNIT_TABLE(k) = k;
  s.run.UNIT_TABLE(4) = 7;
  s.input.INPUT_STATUS = {};
  s.switches = Switches{};
  s.report = ReportHeading{};
  SET_UNIT_LABELS(s);
  s.foundation = Foundation{};
  s.mass = MassConstants{};
  s.soil = Soil{};
  s.load = Load{};
  status = 1;
}

void READ_DECK(EngineState& s, int& /*status*/, int& stop) {
  const int out = s.run.OUTPUT_UNIT;
  for (;;) {
    std::string word;
    int st = 0, index = 0;
    READ_WORD(s, word, st);
    if (st == 0) {
      write(s, out, "(/,/,' END OF FILE ENCOUNTERED - PROGRAM STOP EXECUTED')");
      stop = 1;
      return;
    }
    FIND_KEYWORD(s, word, index, st);
    switch (index) {
      case 1: case 41: case 42: case 47: case 48: case 49: case 50:
        break;
      case 2:
        s.switches.PRINT_WIDTH = 2;
        write(s, out, "(/,/,1X,'WIDE PRINTOUT FOR HARMONIC RESPONSE CURVE',/,1X,41('*'))");
        break;
      case 3: s.switches.PRINT_WIDTH = 1; break;
      case 4: s.switches.ECHO_FLAG = 1; break;
      case 5: s.switches.ECHO_FLAG = 0; break;
      case 10: READ_LOAD(s); break;
      case 17: READ_SOIL(s); break;
      case 20:
        s.input.INPUT_STATUS(4) = 1;
        READ_GRAVITY(s);
        break;
      case 21:
        s.switches.DIMENSIONLESS_FLAG = 1;
        if (section::echo(s)) write(s, out, "(/,/,1X,'DIMENSIONLESS RESPONSE',/,1X,22('*'))");
        break;
      case 24: READ_FOUNDATION(s); break;
      case 28: return;
      case 29:
        stop = 1;
        return;
      case 30: READ_TITLE(s); break;
      case 31:
        s.switches.MATRIX_PRINT_FLAG = 1;
        if (section::echo(s)) write(s, out, "(/,/,1X,'STIFFNESS AND DAMPING CONSTANTS TO BE PRINTED',/,1X,45('*'))");
        break;
      case 6: case 7: case 8: case 9: case 14: case 15: case 16: case 18: case 19: case 23: case 26: case 27:
      case 32: case 33: case 34: case 35: case 36:
        write(s, out, "(/,/,1X,A4,' SUBKEYWORD MUST BE PRECEEDED BY FOUNDATION',1X,'KEYWORD')", word);
        break;
      case 11: case 12: case 13: case 40: case 43: case 44: case 45: case 46: case 51: case 52:
        write(s, out, "(/,/,1X,A4,' SUBKEYWORD MUST BE PRECEEDED BY LOAD KEYWORD')", word);
        break;
      case 22: case 25: case 38: case 39:
        write(s, out, "(/,/,1X,A4,' SUBKEYWORD MUST BE PRECEEDED BY SOIL KEYWORD')", word);
        break;
      case 37:
        write(s, out, "(/,/,1X,A4,' SUBKEYWORD MUST BE PRECEEDED BY ONE OF','FOU   NDATION, SOIL OR LOAD KEYWORDS')",
              word);
        break;
      default:
        break;  // no keyword: already reported
    }
  }
}

void CHECK_INPUT_COMPLETE(EngineState& s) {
  const auto& is = s.input.INPUT_STATUS;
  if (is(1) == 0 || is(2) == 0 || is(3) == 0) {
    s.input.FATAL_INPUT_FLAG = 1;
    write(s, s.run.OUTPUT_UNIT, "(/,/,' INSUFFICIENT INPUT DATA TO COMPLETE RUN',/,' PROGRA  M WILL TERMINATE')");
  } else if (is(4) == 0) {
    s.input.FATAL_INPUT_FLAG = 1;
    write(s, s.run.OUTPUT_UNIT, "(/,/,' GRAVITATIONAL CONSTANT NOT SET',/,' PROGRAM WILL T  ERMINATE')");
  } else if (is(1) == 1 || is(1) == 4) {
    // Piles and multilayer columns stand in soil layers, one beside each
    // element: a deck without them (or with a table of another length, when a
    // later foundation section changed the elements) has no soil to run.
    const int elements = s.switches.SOIL_MEDIUM == 2 ? 1 : s.foundation.ELEMENT_COUNT;
    const int layers = s.soil.LAYER_COUNT;
    if (layers == 0) {
      s.input.FATAL_INPUT_FLAG = 1;
      write(s, s.run.OUTPUT_UNIT, "(/,/,' SOIL CONSTANTS OF THE LAYERS NOT SET',/,' PROGRAM WILL TERMINATE')");
    } else if (layers != elements) {
      s.input.FATAL_INPUT_FLAG = 1;
      write(s, s.run.OUTPUT_UNIT,
            "(/,/,' SOIL CONSTANTS GIVEN FOR ',I3,' LAYERS, THE FOUNDATION HAS ',I3,' ELEMENTS',/,"
            "' PROGRAM WILL TERMINATE')",
            layers, elements);
    }
  }
}

}  // namespace zav
