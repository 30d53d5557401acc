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

void INIT_DEFAULTS(EngineState& s) {
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
}

void READ_DECK(EngineState& s, int& stop) {
  const int out = s.run.OUTPUT_UNIT;
  for (;;) {
    std::string word;
    int st = 0;
    Keyword k = Keyword::none;
    READ_WORD(s, word, st);
    if (st == 0) {
      write(s, out, "(/,/,' END OF FILE ENCOUNTERED - PROGRAM STOP EXECUTED')");
      stop = 1;
      return;
    }
    FIND_KEYWORD(s, word, k);
    using enum Keyword;
    switch (k) {
      // Words of no effect here.
      case BLANK:
      case LONG:
      case SHOR:
      case STAT:
      case DYNA:
      case SPARE1:
      case SPARE2: break;
      case WIDE:
        s.switches.PRINT_WIDTH = PrintWidth::wide;
        write(s, out, "(/,/,1X,'WIDE PRINTOUT FOR HARMONIC RESPONSE CURVE',/,1X,41('*'))");
        break;
      case NARR: s.switches.PRINT_WIDTH = PrintWidth::narrow; break;
      case ECHO: s.switches.ECHO_FLAG = 1; break;
      case NOEC: s.switches.ECHO_FLAG = 0; break;
      case LOAD: READ_LOAD(s); break;
      case SOIL: READ_SOIL(s); break;
      case GRAV:
        s.input.set_gravity_given(true);
        READ_GRAVITY(s);
        break;
      case DIME:
        s.switches.DIMENSIONLESS_FLAG = 1;
        if (section::echo(s)) write(s, out, "(/,/,1X,'DIMENSIONLESS RESPONSE',/,1X,22('*'))");
        break;
      case FOUN: READ_FOUNDATION(s); break;
      case RUN: return;
      case STOP: stop = 1; return;
      case TITL: READ_TITLE(s); break;
      case MATR:
        s.switches.MATRIX_PRINT_FLAG = 1;
        if (section::echo(s)) write(s, out, "(/,/,1X,'STIFFNESS AND DAMPING CONSTANTS TO BE PRINTED',/,1X,45('*'))");
        break;
      case PILE:
      case HALF:
      case STRA:
      case MULT:
      case PLOT:
      case CIRC:
      case RECT:
      case PARA:
      case LAYE:
      case ELEM:
      case BATT:
      case INTE:
      case FIXE:
      case PINN:
      case FLOA:
      case END:
      case CONS: write(s, out, "(/,/,1X,A4,' SUBKEYWORD MUST BE PRECEEDED BY FOUNDATION',1X,'KEYWORD')", word); break;
      case HARM:
      case TRAN:
      case RAND:
      case HAMM:
      case VELO:
      case PULS:
      case PAD:
      case SPRI:
      case QUAD:
      case NONQ: write(s, out, "(/,/,1X,A4,' SUBKEYWORD MUST BE PRECEEDED BY LOAD KEYWORD')", word); break;
      case BELO:
      case WEAK:
      case EMBE:
      case SIDE: write(s, out, "(/,/,1X,A4,' SUBKEYWORD MUST BE PRECEEDED BY SOIL KEYWORD')", word); break;
      case MASS:
        write(s, out, "(/,/,1X,A4,' SUBKEYWORD MUST BE PRECEEDED BY ONE OF','FOU   NDATION, SOIL OR LOAD KEYWORDS')",
              word);
        break;
      case none: break;  // already reported
    }
  }
}

void CHECK_INPUT_COMPLETE(EngineState& s) {
  const InputControl& in = s.input;
  if (in.foundation_type() == FoundationType::none || in.load_kind() == LoadKind::none ||
      in.geometry() == Geometry::none) {
    s.input.FATAL_INPUT_FLAG = 1;
    write(s, s.run.OUTPUT_UNIT, "(/,/,' INSUFFICIENT INPUT DATA TO COMPLETE RUN',/,' PROGRA  M WILL TERMINATE')");
  } else if (!in.gravity_given()) {
    s.input.FATAL_INPUT_FLAG = 1;
    write(s, s.run.OUTPUT_UNIT, "(/,/,' GRAVITATIONAL CONSTANT NOT SET',/,' PROGRAM WILL T  ERMINATE')");
  } else if (in.foundation_type() == FoundationType::PILE || in.foundation_type() == FoundationType::MULT) {
    // Piles and multilayer columns stand in soil layers, one beside each
    // element: a deck without them (or with a table of another length, when a
    // later foundation section changed the elements) has no soil to run.
    const int elements = s.switches.SOIL_MEDIUM == SoilMedium::PARABOLIC ? 1 : s.foundation.ELEMENT_COUNT;
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
