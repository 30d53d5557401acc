// The FOUN section: foundation type, plan geometry, mass, soil medium and pile
// layout, constants, elements, pile tip, battered piles and interaction.
#include <cmath>
#include <string>

#include "common/constants.h"
#include "input/input.h"
#include "input/sections.h"

namespace zav {
namespace {

using section::Admissible;
using section::Bound;
using section::echo;
using section::keyword;
using section::out;

// What the values of the section can be, table by table in the order of the
// deck.
// clang-format off
constexpr Admissible<Foundation> circle_values[] = {
  {&Foundation::radius,         "RADIUS OF THE FOUNDATION", Bound::positive},
};
constexpr Admissible<Foundation> rectangle_values[] = {
  {&Foundation::side_a,         "LENGTH OF THE FOUNDATION", Bound::positive},
  {&Foundation::side_b,         "WIDTH OF THE FOUNDATION",  Bound::positive},
};
// The cross products of inertia have either sign; masses and mass moments do not.
constexpr Admissible<MassConstants> mass_values[] = {
  {&MassConstants::m,           "TOTAL MASS OF FOOTING",    Bound::not_negative},
  {&MassConstants::Ix,          "MASS MOMENT ABOUT X-AXIS", Bound::not_negative},
  {&MassConstants::Iy,          "MASS MOMENT ABOUT Y-AXIS", Bound::not_negative},
  {&MassConstants::Iz,          "MASS MOMENT ABOUT Z-AXIS", Bound::not_negative},
  {&MassConstants::Ixy,         "CROSS PRODUCT X-Y",        Bound::any},
  {&MassConstants::Ixz,         "CROSS PRODUCT X-Z",        Bound::any},
  {&MassConstants::Iyz,         "CROSS PRODUCT Y-Z",        Bound::any},
};
// The pile number is a label of the row.
constexpr Admissible<Pile> pile_values[] = {
  {&Pile::number,               "NUMBER",                   Bound::any},
  {&Pile::x,                    "X-LOCATOR",                Bound::any},
  {&Pile::y,                    "Y-LOCATOR",                Bound::any},
};
constexpr Admissible<Foundation> centre_of_gravity_values[] = {
  {&Foundation::xc,             "X-LOCATION CENTRE OF GRAV.", Bound::any},
  {&Foundation::yc,             "Y-LOCATION CENTRE OF GRAV.", Bound::any},
  {&Foundation::hc,             "HEIGHT OF CENTRE OF GRAV.",  Bound::any},
};
constexpr Admissible<Foundation> stratum_values[] = {
  {&Foundation::E,              "DEPTH OF EMBEDMENT",       Bound::not_negative},
  {&Foundation::H,              "DEPTH OF LAYER",           Bound::positive},
};
// Of the piles or of the multilayer column. A static load may pull; a
// coefficient of rigidity of 0 leaves out the shear deformation.
constexpr Admissible<Foundation> column_values[] = {
  {&Foundation::total_length,   "TOTAL LENGTH",             Bound::positive},
  {&Foundation::unit_weight,    "UNIT WEIGHT",              Bound::positive},
  {&Foundation::static_load,    "STATIC LOAD ON BODY",      Bound::any},
  {&Foundation::poisson,        "POISSONS RATIO",           Bound::poisson_ratio},
  {&Foundation::damping,        "MATERIAL DAMPING",         Bound::damping_ratio},
  {&Foundation::rigidity,       "COEFFICIENT OF RIGIDITY",  Bound::not_negative},
  {&Foundation::youngs_modulus, "YOUNGS MODULUS",           Bound::positive},
};
// The single element of a parabolic medium has no length of its own: it is
// as long as the piles.
constexpr Admissible<Element> element_values[] = {
  {&Element::depth,             "LENGTH",                   Bound::positive},
  {&Element::radius_x,          "PILE RADIUS (X)",          Bound::positive},
  {&Element::radius_y,          "PILE RADIUS (Y)",          Bound::positive},
  {&Element::area,              "CROSS SECTIONAL AREA",     Bound::positive},
  {&Element::inertia_x,         "MOMENT OF INERTIA (X)",    Bound::positive},
  {&Element::inertia_y,         "MOMENT OF INERTIA (Y)",    Bound::positive},
  {&Element::torsion,           "TORSIONAL STIFFNESS",      Bound::positive},
};
// clang-format on
const std::span<const Admissible<Element>> parabolic_element_values = std::span(element_values).subspan(1);

// A battered pile's row: its number (a label) and its angle with the vertical.
struct BatterRow {
  real number = 0.0f, theta = 0.0f;
};
// clang-format off
constexpr Admissible<BatterRow> batter_values[] = {
  {&BatterRow::number,          "NUMBER",                   Bound::any},
  {&BatterRow::theta,           "ANGLE FROM THE VERTICAL",  Bound::short_of_horizontal},
};
// clang-format on

// A required word of the section was missing or wrong.
void invalid_keyword(EngineState& s, const std::string& word, Keyword k, std::string_view what) {
  write(s, out(s), "(/,/,' INVALID KEYWORD - ',A4,A)", word, what);
  section::reject_word(s, k);
}

// The foundation type a word names, or none.
FoundationType foundation_type_of(Keyword k) {
  switch (k) {
    case Keyword::PILE: return FoundationType::PILE;
    case Keyword::HALF: return FoundationType::HALF;
    case Keyword::STRA: return FoundationType::STRA;
    case Keyword::MULT: return FoundationType::MULT;
    default: return FoundationType::none;
  }
}

// A count of rows that the section's tables hold; when it cannot be taken, its
// read-error or limit message and the fatal flag.
bool table_count(EngineState& s, int limit, int& n, std::string_view read_error, std::string_view over) {
  switch (section::count(s, 1, limit, n)) {
    case section::Count::ok: return true;
    case section::Count::no_number:
    case section::Count::bad: write(s, out(s), read_error); break;
    case section::Count::over: write(s, out(s), over); break;
  }
  section::fatal(s);
  return false;
}

// LAYE: the number of layers or elements; false when it could not be taken.
bool read_layers(EngineState& s) {
  int n = 0;
  if (!table_count(s, MAX_LAYERS, n, "(/,/,' ERROR ENCOUNTERED WHILE READING NUMBER OF LAYERS')",
                   "(/,/,1X,'ERROR - NUMBER OF LAYERS EXCEEDS 30')")) {
    return false;
  }
  s.foundation.ELEMENT_COUNT = n;
  s.switches.SOIL_MEDIUM = SoilMedium::LAYERED;
  if (echo(s)) write(s, out(s), "(/,/,1X,'NUMBER OF LAYERS OR ELEMENTS - ',I3)", n);
  return true;
}

// The pile count and the pile rows; false when they could not be read.
bool read_piles(EngineState& s) {
  auto& f = s.foundation;
  int n = 0;
  if (!table_count(s, MAX_PILES, n, "(/,/,' ERROR ENCOUNTERED WHILE READING NUMBER OF PILES')",
                   "(/,/,1X,'ERROR - NUMBER OF PILES EXCEEDS 500')")) {
    return false;
  }
  f.PILE_COUNT = n;
  for (int k = 1; k <= n; ++k) {
    Pile& p = f.PILES(k);
    const char* failed = !section::number(s, p.number) ? "(/,/,' ERROR ENCOUNTERED WHILE READING PILE NUMBER')"
                         : !section::number(s, p.x)    ? "(/,/,' ERROR ENCOUNTERED WHILE READING PILE X-LOCATOR')"
                         : !section::number(s, p.y)    ? "(/,/,' ERROR ENCOUNTERED WHILE READING PILE Y-LOCATOR')"
                                                       : nullptr;
    if (failed) {
      write(s, out(s), failed);
      section::fatal(s);
      return false;
    }
  }
  section::ValueCheck check(s);
  for (int k = 1; k <= n; ++k) check.row(f.PILES(k), pile_values, " OF PILE", k);
  if (!check.ok()) {
    section::will_not_execute(s);
    return false;
  }
  if (echo(s)) {
    write(s, out(s),
          "(/,/,1X,'LOCATION OF PILES',/,/,1X,'PILE       X           Y',/,1X,' NO.     LOCATION    LOCATION',/,"
          "12X,A2,10X,A2)",
          s.report.LABELS.length, s.report.LABELS.length);
    for (int k = 1; k <= n; ++k) {
      const Pile& p = f.PILES(k);
      write(s, out(s), "(1X,I3,6X,F7.3,5X,F7.3)", NEAREST_INT(p.number), p.x, p.y);
    }
  }
  return true;
}

// Refuses the first two piles (by their numbers) that stand at the same place
// in the same direction.
void distinct_piles(EngineState& s) {
  const Foundation& f = s.foundation;
  const bool battered = s.switches.BATTER == 1;
  for (int p = 1; p <= f.PILE_COUNT; ++p) {
    for (int q = p + 1; q <= f.PILE_COUNT; ++q) {
      const Pile &a = f.PILES(p), &b = f.PILES(q);
      if (a.x != b.x || a.y != b.y) continue;
      if (battered && f.BATTER_ANGLES.of(p) != f.BATTER_ANGLES.of(q)) continue;
      write(s, out(s), "(/,/,1X,'ERROR - PILES ',I3,' AND ',I3,' STAND AT THE SAME PLACE IN THE SAME DIRECTION')",
            NEAREST_INT(a.number), NEAREST_INT(b.number));
      section::will_not_execute(s);
      return;
    }
  }
}

}  // namespace

void READ_FOUNDATION(EngineState& s) {
  auto& sw = s.switches;
  std::string word;

  Keyword k = keyword(s, word);
  const FoundationType type = foundation_type_of(k);
  if (type == FoundationType::none) return invalid_keyword(s, word, k, " FOR FOUNDATION TYPE");
  s.input.set_foundation_type(type);
  if (echo(s)) {
    const char* name[] = {"PILE", "HALF-SPACE", "STRATUM", "MULTILAYER"};
    write(s, out(s), "(/,/,1X,'FOUNDATION TYPE - ',A,/,1X,15('*'))", name[static_cast<int>(type) - 1]);
  }

  k = keyword(s, word);
  if (k != Keyword::CIRC && k != Keyword::RECT) return invalid_keyword(s, word, k, " FOR GEOMETRY TYPE");
  s.input.set_geometry(k == Keyword::CIRC ? Geometry::circle : Geometry::rectangle);
  READ_GEOMETRY(s);

  const bool footing = type == FoundationType::HALF || type == FoundationType::STRA;
  if (footing) sw.SOIL_MEDIUM = SoilMedium::LAYERED;

  k = keyword(s, word);
  if (k != Keyword::MASS) return invalid_keyword(s, word, k, " FOR MASS INFORMATION");
  READ_MASS(s);

  if (!footing) {
    k = keyword(s, word);
    if (k == Keyword::LAYE) {
      if (!read_layers(s)) return;
    } else if (k == Keyword::PARA) {
      if (type == FoundationType::MULT) {
        write(s, out(s), "(/,/,' MULTILAYER FOUNDATION IS NOT ALLOWED A PARABOLIC',' SOIL MEDIA')");
        section::fatal(s);
      } else {
        sw.SOIL_MEDIUM = SoilMedium::PARABOLIC;
        s.foundation.ELEMENT_COUNT = 1;
        if (echo(s)) write(s, out(s), "(/,/,1X,'SOIL MEDIA IS PARABOLIC')");
      }
    } else {
      return invalid_keyword(s, word, k, " FOR SOIL MEDIA TYPE");
    }
    if (type == FoundationType::PILE) {
      k = keyword(s, word);
      if (k != Keyword::FIXE && k != Keyword::PINN) {
        return invalid_keyword(s, word, k, " FOR FIXED OR PINNED INFOR   MATION");
      }
      const bool fixed = k == Keyword::FIXE;
      s.foundation.HEAD = fixed ? 1 : 0;
      s.foundation.HEAD_VALUE = fixed ? 1.0f : 0.0f;
      if (!fixed && echo(s)) write(s, out(s), "(/,/,1X,'PILES ARE PINNED AT BUTT',/,1X,24('*'))");
      if (!read_piles(s)) return;
    }
  }

  k = keyword(s, word);
  if (k != Keyword::CONS) return invalid_keyword(s, word, k, " FOR CONSTANT INFORMATION");
  READ_FOUNDATION_CONSTANTS(s);
  if (footing) return;

  k = keyword(s, word);
  if (k != Keyword::ELEM) return invalid_keyword(s, word, k, " FOR ELEMENT INFORMATION");
  READ_ELEMENTS(s);

  // The pile tip, optional; a word of another kind is left to what follows.
  k = section::next_keyword(s, word);
  if (k == Keyword::END) {
    sw.PILE_TIP = 1;
    if (echo(s)) write(s, out(s), "(/,/,1X,'PILE TIP CONDITION : END-BEARING',/,1X,32('*'))");
  } else if (k != Keyword::FLOA) {
    section::step_back(s);
  }
  if (type == FoundationType::MULT) return;

  // Battered piles and interaction, in either order.
  while (!(sw.BATTER == 1 && sw.INTERACTION == 1)) {
    k = section::next_keyword(s, word);
    if (k == Keyword::BATT) {
      sw.BATTER = 1;
      READ_BATTER(s);
    } else if (k == Keyword::INTE) {
      sw.INTERACTION = 1;
      // A tip word after INTE is taken and has no effect.
      k = section::next_keyword(s, word);
      if (k != Keyword::FLOA && k != Keyword::END) section::step_back(s);
    } else {
      section::step_back(s);
      break;
    }
  }
  // Without interaction the group adds up its piles, so two piles at one place
  // in one direction would be one pile counted twice; with interaction the
  // piles' spacings are checked against their diameter before the analysis.
  if (sw.INTERACTION == 0) distinct_piles(s);
}

void READ_GEOMETRY(EngineState& s) {
  auto& f = s.foundation;
  if (s.input.foundation_type() == FoundationType::none) {
    write(s, out(s),
          "(/,/,' *** FOUNDATION TYPE MUST BE SPECIFIED BEFORE DATA   CAN BE PROCESSED ***',/,"
          "'     - WILL CONTINUE TO PROCESS DATA ',/,'     - CANNOT EXECUTE THIS PROBLEM SET')");
    section::fatal(s);
    return;
  }
  const bool circle = s.input.circular();
  auto bad_data = [&s] {
    write(s, out(s),
          "(/,/,' *** BAD DATA IN GEOMETRY DESCRIPTION ***',/,'        - WILL CONTINUE TO PROCESS DATA',/,"
          "'     - CANNOT EXECUTE  THIS PROBLEM SET')");
    section::fatal(s);
  };
  bool ok = circle ? section::number(s, f.radius) : section::numbers(s, f.side_a, f.side_b);
  if (!ok) return bad_data();
  section::ValueCheck check(s);
  check.row(f, circle ? std::span<const Admissible<Foundation>>(circle_values)
                      : std::span<const Admissible<Foundation>>(rectangle_values));
  if (!check.ok()) return bad_data();
  if (circle) {
    f.R0 = f.R1 = f.R2 = f.R3 = f.radius;
    for (real& r : f.STRATUM_RADII) r = f.radius;
    f.R = f.radius;
  } else {
    const real a = f.side_a, b = f.side_b;
    f.R0 = std::sqrt(a * b / pi_six_figures);
    f.R1 = std::pow(a * b * b * b / (3.0f * pi_six_figures), 0.25f);
    f.R2 = std::pow(a * a * a * b / (3.0f * pi_six_figures), 0.25f);
    f.R3 = std::pow(a * b * (a * a + b * b) / (6.0f * pi_six_figures), 0.25f);
    f.STRATUM_RADII(1) = f.R0;
    f.STRATUM_RADII(2) = f.R0;
    f.STRATUM_RADII(3) = f.R1;
    f.STRATUM_RADII(4) = f.R2;
    f.STRATUM_RADII(5) = f.R3;
    f.R = (f.R0 + f.R0 + f.R1 + f.R2 + f.R3) / 5.0f;
  }
  if (!echo(s)) return;
  const std::string& L = s.report.LABELS.length;
  if (circle) {
    write(s, out(s), "(/,/,1X,'CIRCULAR FOUNDATION  -  RADIUS = ',F8.3,1X,A2,/,1X,19('*'))", f.radius, L);
  } else {
    write(s, out(s), "(/,/,1X,'RECTANGULAR FOUNDATION  -  ',F8.3,1X,A2,2X,'BY ',F8.3,1X,A2,/,1X,22('*'))", f.side_a, L,
          f.side_b, L);
  }
}

void READ_MASS(EngineState& s) {
  auto& m = s.mass;
  if (!section::numbers(s, m.m, m.Ix, m.Iy, m.Iz, m.Ixy, m.Ixz, m.Iyz)) {
    write(s, out(s), "(/,/,' ERROR ENCOUNTERED IN FOUNDATION MASS DESCRIPTION')");
    section::will_not_execute(s);
    return;
  }
  if (!section::ValueCheck(s).row(m, mass_values).ok()) return section::will_not_execute(s);
  if (!echo(s)) return;
  const auto& lab = s.report.LABELS;
  write(s, out(s),
        "(/,/,1X,'MASS CONSTANTS',/,1X,14('*'),/,/,"
        "1X,'TOTAL MASS OF FOOTING  .........',1PE12.5,1X,A4,/,"
        "1X,'MASS MOMENT ABOUT X-AXIS  ......',1PE12.5,1X,A10,/,"
        "1X,'MASS MOMENT ABOUT Y-AXIS  ......',1PE12.5,1X,A10,/,"
        "1X,'MASS MOMENT ABOUT Z-AXIS  ......',1PE12.5,1X,A10,/,"
        "1X,'CROSS PRODUCT X-Y  .............',1PE12.5,1X,A10,/,"
        "1X,'CROSS PRODUCT X-Z  .............',1PE12.5,1X,A10,/,"
        "1X,'CROSS PRODUCT Y-Z  .............',1PE12.5,1X,A10)",
        m.m, lab.mass, m.Ix, lab.mass_moment, m.Iy, lab.mass_moment, m.Iz, lab.mass_moment, m.Ixy, lab.mass_moment,
        m.Ixz, lab.mass_moment, m.Iyz, lab.mass_moment);

  // The mass components of the project, from the mass data file: echoed only.
  constexpr int mass_unit = RunFiles::MASS_UNIT;
  rewind(s, mass_unit);
  int count = 0;
  if (read(s, mass_unit, "*", count) != io::Io::ok || count < 1) return;
  const std::string& L = lab.length;
  write(s, out(s),
        "(/,/,1X,'MASS COMPONENTS  NUMBER OF DEFINED MASSES -',I3,/,1X,15('*'),/,/,"
        "'  NO.     MASS     x-local   y-local   z-local','  LENGTH-X  LENGTH-Y  LENGTH-Z ',/,"
        "10X,A4,10X,A2,5(8X,A2))",
        count, lab.mass, L, L, L, L, L, L);
  for (int k = 1; k <= count; ++k) {
    std::array<real, 7> row{};
    if (read(s, mass_unit, "*", row) != io::Io::ok) return;
    write(s, out(s), "(1X,I3,1X,F11.3,6(2X,F8.3))", k, row);
  }
}

void READ_FOUNDATION_CONSTANTS(EngineState& s) {
  auto& f = s.foundation;
  const FoundationType type = s.input.foundation_type();
  const bool column = type == FoundationType::PILE || type == FoundationType::MULT;
  if (!section::numbers(s, f.xc, f.yc, f.hc)) {
    write(s, out(s), "(/,/,' ERROR ENCOUNTERED WHILE READING CENTRE OF',' GRAVITY VARIABLES')");
    section::will_not_execute(s);
    return;
  }
  bool ok = true;
  if (type == FoundationType::STRA) {
    ok = section::numbers(s, f.E, f.H);
  } else if (column) {
    ok = section::numbers(s, f.total_length, f.unit_weight, f.static_load, f.poisson, f.damping, f.rigidity,
                          f.youngs_modulus);
  }
  if (!ok) {
    write(s, out(s), "(/,/,' ERROR ENCOUNTERED WHILE READING FOUNDATION',' CONSTANTS')");
    section::will_not_execute(s);
    return;
  }
  section::ValueCheck check(s);
  check.row(f, centre_of_gravity_values);
  if (type == FoundationType::STRA) check.row(f, stratum_values);
  if (column) check.row(f, column_values, type == FoundationType::PILE ? " OF THE PILES" : " OF THE FOUNDATION");
  if (!check.ok()) return section::will_not_execute(s);
  // A stratum formula holds for shallow embedment in a layer of some depth: the
  // embedment at most 1.5 radii and 0.75 of the layer.
  if (type == FoundationType::STRA && !(f.R > 0.0f && f.E / f.R <= 1.5f && f.E / f.H <= 0.75f)) {
    write(s, out(s), "(/,/,1X,'THE STRATUM OPTION IS NOT GOOD FOR THIS CASE',/,1X,'CHECK YOUR E/R,E/H,R/H VALUES')");
    section::fatal(s);
  }
  const auto& lab = s.report.LABELS;
  const std::string& L = lab.length;
  if (echo(s)) {
    if (column) {
      write(s, out(s),
            "(/,/,1X,A,/,/,"
            "1X,'X-LOCATION CENTRE OF GRAV.  ....',F12.5,1X,A2,/,"
            "1X,'Y-LOCATION CENTRE OF GRAV.  ....',F12.5,1X,A2,/,"
            "1X,'HEIGHT OF CENTRE OF GRAV.  .....',F12.5,1X,A2,/,"
            "1X,'TOTAL LENGTH  ..................',F12.5,1X,A2,/,"
            "1X,'UNIT WEIGHT  ...................',F12.5,1X,A8,/,"
            "1X,'STATIC LOAD ON BODY  ...........',1PE12.5,1X,A3,/,"
            "1X,'POISSONS RATIO  ............... ',0PF12.5,/,"
            "1X,'MATERIAL DAMPING  ..............',F12.5,/,"
            "1X,'COEFF. OF RIGIDITY  ............',F12.5,/,"
            "1X,'YOUNGS MODULUS  ............... ',1PE12.5,1X,A3)",
            type == FoundationType::PILE ? "PILE PROPERTIES" : "FOUNDATION PROPERTIES", f.xc, L, f.yc, L, f.hc, L,
            f.total_length, L, f.unit_weight, lab.unit_weight, f.static_load, lab.force, f.poisson, f.damping,
            f.rigidity, f.youngs_modulus, lab.stress);
    } else {
      write(s, out(s),
            "(/,/,1X,A,/,/,"
            "1X,'X-LOCATION CENTRE OF GRAV  .....',F12.5,1X,A2,/,"
            "1X,'Y-LOCATION CENTRE OF GRAV  .....',F12.5,1X,A2,/,"
            "1X,'HEIGHT OF CENTRE OF GRAV  ......',F12.5,1X,A2)",
            type == FoundationType::HALF ? "HALF-SPACE FOUNDATION" : "STRATUM PROPERTIES", f.xc, L, f.yc, L, f.hc, L);
      if (type == FoundationType::STRA) {
        write(s, out(s),
              "(1X,'DEPTH OF EMBEDMENT  ............',F12.5,1X,A2,/,"
              "1X,'DEPTH OF LAYER  ................',F12.5,1X,A2)",
              f.E, L, f.H, L);
      }
    }
  }
}

void READ_ELEMENTS(EngineState& s) {
  auto& f = s.foundation;
  const bool parabolic = s.switches.SOIL_MEDIUM == SoilMedium::PARABOLIC;
  const int n = parabolic ? 1 : f.ELEMENT_COUNT;
  for (int k = 1; k <= n; ++k) {
    Element& e = f.ELEMENTS(k);
    real number = 0.0f;
    bool ok = parabolic ? section::numbers(s, e.radius_x, e.radius_y, e.area, e.inertia_x, e.inertia_y, e.torsion)
                        : section::numbers(s, number, e.depth, e.radius_x, e.radius_y, e.area, e.inertia_x, e.inertia_y,
                                           e.torsion);
    if (!ok) {
      write(s, out(s), "(/,/,' ERROR ENCOUNTERED WHILE READING ELEMENT DATA',' PR   OGRAM WILL NOT EXECUTE')");
      section::fatal(s);
      return;
    }
  }
  section::ValueCheck check(s);
  for (int k = 1; k <= n; ++k) {
    check.row(f.ELEMENTS(k), parabolic ? parabolic_element_values : element_values, " OF ELEMENT", k);
  }
  if (!check.ok()) return section::will_not_execute(s);
  if (!echo(s)) return;
  if (parabolic) {
    const Element& e = f.ELEMENTS(1);
    write(s, out(s),
          "(/,/,1X,'ELEMENT',/,1X,7('*'),/,/,"
          "1X,'RADIUS OF PILE (X)  ............',F12.5,/,"
          "1X,'RADIUS OF PILE (Y)  ............',F12.5,/,"
          "1X,'CROSS SECTIONAL AREA  ..........',F12.5,/,"
          "1X,'MOMENT OF INERTIA (X)  .........',F12.5,/,"
          "1X,'MOMENT OF INERTIA (Y)  .........',F12.5,/,"
          "1X,'TORSIONAL STIFFNESS  ...........',F12.5)",
          e.radius_x, e.radius_y, e.area, e.inertia_x, e.inertia_y, e.torsion);
    return;
  }
  const auto& lab = s.report.LABELS;
  const std::string& L = lab.length;
  write(s, out(s),
        "(/,/,1X,'ELEMENT',/,1X,7('*'),/,/,"
        "1X,'LAYER  LAYER   PILE    PILE     CROSS    MOMENT OF  MOMENT OF','  TORSIONAL',/,"
        "1X,' NO.   DEPTH  RADIUS  RADIUS  SECTIONAL   INERTIA    INERTIA ','  STIFFNESS',/,"
        "1X,'                (X)     (Y)      AREA       ',/,"
        "9X,A2,6X,A2,6X,A2,6X,A5,6X,A5,6X,A5,6X,A5)",
        L, L, L, lab.area, lab.inertia, lab.inertia, lab.inertia);
  for (int k = 1; k <= n; ++k) {
    const Element& e = f.ELEMENTS(k);
    write(s, out(s), "(1X,I3,2X,0PF7.3,1X,F6.3,1X,F7.3,3X,1PE9.3,2X,1PE9.3,2X,1PE9.3,2X,1PE9.2)", k, e.depth,
          e.radius_x, e.radius_y, e.area, e.inertia_x, e.inertia_y, e.torsion);
  }
}

void READ_BATTER(EngineState& s) {
  auto& f = s.foundation;
  auto& sw = s.switches;
  if (s.input.foundation_type() != FoundationType::PILE) {
    write(s, out(s),
          "(/,/,1X,'BATTERED PILE OPTION ONLY VALID FOR PILE',' FOUNDATIONS',/,1X,'BATTERED OPTION WILL BE IGNORED.')");
    sw.BATTER = 0;
    return;
  }
  for (int k = 1; k <= f.PILE_COUNT; ++k) {
    BatterRow row;
    real& theta = row.theta;
    std::string plane;
    int status = 0;
    bool ok = section::number(s, row.number);
    if (ok) {
      READ_WORD(s, plane, status);
      ok = status == 1 && section::number(s, theta);
    }
    if (!ok) {
      write(s, out(s), "(/,/,' ERROR ENCOUNTERED WHILE READING BATTERED PILE DATA')");
      sw.BATTER = 0;
      section::will_not_execute(s);
      return;
    }
    if (!section::ValueCheck(s).row(row, batter_values, " OF PILE", k).ok()) {
      sw.BATTER = 0;
      section::will_not_execute(s);
      return;
    }
    if (f.PILE_COUNT == 1 && theta == 0.0f) {
      write(s, out(s),
            "(/,/,1X,'ANGLE BETWEEN PILE AND VERTICAL IS ZERO,',' THEREFORE THE PILE IS NOT BATTERED.',/,"
            "1X,'BATTERED OPTION WILL BE IGNORED.')");
      sw.BATTER = 0;
      return;
    }
    if (plane == "XZ  ") {
      f.BATTER_ANGLES.set(k, {theta, 90.0f, theta + 90.0f, 90.0f, 0.0f, 90.0f, 90.0f - theta, 90.0f, theta});
    } else if (plane == "YZ  ") {
      f.BATTER_ANGLES.set(k, {0.0f, 90.0f, 90.0f, 90.0f, theta, theta + 90.0f, 90.0f, 90.0f - theta, theta});
    } else {
      write(s, out(s),
            "(/,/,1X,'UNRECOGNIZED PLANE ',A4,' FOR BATTERED PILES',/,1X,'BATTERED OPTION WILL BE IGNORED.')", plane);
      sw.BATTER = 0;
      return;
    }
    if (echo(s)) {
      if (k == 1) write(s, out(s), "(/,/,1X,'BATTERED PILES',/,1X,14('*'))");
      write(s, out(s),
            "(/,1X,'PILE NO.',I3,' BATTERED IN ',A2,' PLANE',/,1X,'ANGLE BETWEEN PILE AND VERTICAL = ',F7.2,1X,'deg.')",
            NEAREST_INT(row.number), plane, theta);
    }
  }
}

}  // namespace zav
