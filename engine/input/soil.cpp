// The SOIL section: weakened zone, soil constants by foundation type, the soil
// below, and the side layers of a pile cap.
#include <array>
#include <string>
#include <string_view>

#include "input/input.h"
#include "input/sections.h"

namespace zav {
namespace {

using section::Admissible;
using section::Bound;
using section::echo;
using section::out;

// A zone as stiff as the soil around it is no weakened zone.
bool stiff_as_the_soil(const SoilLayer& l) { return l.weak_ratio > 0.999f; }

// The weakened zone at the end of a soil row, or none (ratio 1, the layer's own
// Poisson's ratio and damping, no thickness).
bool read_weak_zone(EngineState& s, SoilLayer& l, bool weak) {
  if (!weak) {
    l.weak_ratio = 1.0f;
    l.weak_nu = l.nu;
    l.weak_damping = l.damping;
    l.weak_thickness = 0.0f;
    return true;
  }
  if (!section::numbers(s, l.weak_ratio, l.weak_nu, l.weak_damping, l.weak_thickness)) return false;
  if (stiff_as_the_soil(l)) l.weak_thickness = 0.0f;
  return true;
}

// The soil tables of the section, by what their rows describe: the side
// layers of an embedded footing or pile cap; the layers beside the elements
// of a pile or of a multilayer column (and the single set of soil constants
// of a parabolic medium); the column's own soil below its adjacent layers;
// the soil below the pile tips or the column; the half-space below a
// footing; the stratum.
enum class SoilTable : std::size_t { side, beside_elements, column, below, half_space, stratum };

// One value of the soil rows and what it can be in each of the tables.
struct SoilValue {
  real SoilLayer::*value;
  std::string_view name;
  std::array<Bound, 6> bound;  // by SoilTable
};

// What the values of the section can be. A layer beside an element may hold
// no soil, a shear-wave velocity of 0: the pile or column stands free there
// (in water, in air, where the soil was scoured away). Every other soil has
// stiffness; a half-space without it the analysis refuses as it starts, with
// the report's own text. Only the column's soil below its adjacent layers has
// the ratios (in/out) of the column to the soil.
constexpr Bound any = Bound::any, none = Bound::none, positive = Bound::positive, not_negative = Bound::not_negative,
                poisson_ratio = Bound::poisson_ratio, damping_ratio = Bound::damping_ratio;
// clang-format off
constexpr SoilValue soil_values[] = {
  //                                                           side           beside elements column         below          half-space     stratum
  {&SoilLayer::number,      "NUMBER",                         {any,           any,            any,           none,          none,          none}},
  {&SoilLayer::thickness,   "THICKNESS",                      {not_negative,  none,           none,          none,          none,          none}},
  {&SoilLayer::Vs,          "SHEAR WAVE VELOCITY",            {positive,      not_negative,   positive,      positive,      any,           positive}},
  {&SoilLayer::unit_weight, "UNIT WEIGHT",                    {positive,      positive,       positive,      positive,      positive,      positive}},
  {&SoilLayer::nu,          "POISSONS RATIO",                 {poisson_ratio, poisson_ratio,  poisson_ratio, poisson_ratio, poisson_ratio, poisson_ratio}},
  {&SoilLayer::damping,     "MATERIAL DAMPING",               {damping_ratio, damping_ratio,  damping_ratio, damping_ratio, damping_ratio, damping_ratio}},
  {&SoilLayer::G_ratio,     "SHEAR MODULUS RATIO (IN/OUT)",   {none,          none,           positive,      none,          none,          none}},
  {&SoilLayer::D_ratio,     "DAMPING RATIO (IN/OUT)",         {none,          none,           not_negative,  none,          none,          none}},
};
// The weakened zone at the end of a row, in the tables that have one, where
// the zone is one.
constexpr Admissible<SoilLayer> weak_zone_values[] = {
  {&SoilLayer::weak_ratio,     "SHEAR MODULUS RATIO",         Bound::not_negative},
  {&SoilLayer::weak_nu,        "POISSONS RATIO",              Bound::poisson_ratio},
  {&SoilLayer::weak_damping,   "MATERIAL DAMPING",            Bound::damping_ratio},
  {&SoilLayer::weak_thickness, "THICKNESS RATIO",             Bound::not_negative},
};
// clang-format on

// The values of a soil row against what its table admits, each reported with
// its row (`layer` names the table, "SOIL LAYER" or "SIDE LAYER", or the single
// set of values with row 0).
void check_soil(section::ValueCheck& check, const SoilLayer& l, SoilTable table, std::string_view layer, int row,
                bool weak) {
  const std::string of = " OF " + std::string(layer);
  for (const SoilValue& v : soil_values) {
    const Bound bound = v.bound[static_cast<std::size_t>(table)];
    if (bound != Bound::none) check(l.*v.value, bound, std::string(v.name) + of, row);
  }
  if (weak && !stiff_as_the_soil(l)) check.row(l, weak_zone_values, " OF THE WEAKENED ZONE" + of, row);
}

void soil_constants_error(EngineState& s) {
  write(s, out(s), "(/,/,' ERROR ENCOUNTERED WHILE READING SOIL CONSTANTS')");
  section::will_not_execute(s);
}

// A count of soil rows; false (reported) when it is no count or above `limit`.
bool soil_count(EngineState& s, int limit, int& n, const char* what) {
  switch (section::count(s, 0, limit, n)) {
    case section::Count::ok: return true;
    case section::Count::over:
      write(s, out(s), "(/,/,1X,'ERROR - NUMBER OF ',A,' EXCEEDS ',I3)", what, limit);
      section::will_not_execute(s);
      return false;
    case section::Count::no_number:
    case section::Count::bad: break;
  }
  soil_constants_error(s);
  return false;
}

void write_weak_table(EngineState& s, const Array1<SoilLayer, MAX_LAYERS>& layers, int first, int last) {
  write(s, out(s),
        "(/,/,1X,'NONLINEARITY OF SOIL (WEAKENED ZONE)',/,/,"
        "1X,'LAYER  SHEAR MODULUS  ',/,1X,' NO.   RATIO          ')");
  for (int k = first; k <= last; ++k) {
    write(s, out(s), "(1X,I3,5X,F7.3)", NEAREST_INT(layers(k).number), layers(k).weak_ratio);
  }
}

// The table of the layers along a pile or a multilayer column.
void write_layer_table(EngineState& s, int first, int last) {
  const auto& lab = s.report.LABELS;
  write(s, out(s),
        "(/,1X,'LAYER  SHEAR WAVE    UNIT   POISSONS  MATERIAL',/,1X,' NO.    VELOCITY    WEIGHT    RATIO    DAMPING',"
        "/,13X,A4,4X,A8)",
        lab.velocity, lab.unit_weight);
  for (int k = first; k <= last; ++k) {
    const SoilLayer& l = s.soil.LAYERS(k);
    write(s, out(s), "(1X,I3,4X,F9.3,1X,F11.3,3X,F5.3,3X,F7.3)", NEAREST_INT(l.number), l.Vs, l.unit_weight, l.nu,
          l.damping);
  }
}

// STRA, and PILE in a parabolic medium: one set of soil constants.
bool read_single(EngineState& s, SoilLayer& l, SoilTable table, bool weak) {
  if (!section::numbers(s, l.Vs, l.unit_weight, l.nu, l.damping) || !read_weak_zone(s, l, weak)) {
    soil_constants_error(s);
    return false;
  }
  section::ValueCheck check(s);
  check_soil(check, l, table, "THE SOIL", 0, weak);
  if (!check.ok()) {
    section::will_not_execute(s);
    return false;
  }
  if (!echo(s)) return true;
  const auto& lab = s.report.LABELS;
  write(s, out(s),
        "(/,/,1X,'SOIL CONSTANTS',/,/,"
        "1X,'SHEAR WAVE VELOCITY  ...........',F12.5,1X,A4,/,"
        "1X,'UNIT WEIGHT  ...................',F12.5,1X,A8,/,"
        "1X,'POISSONS RATIO  ................',F12.5,/,"
        "1X,'MATERIAL DAMPING  ..............',F12.5)",
        l.Vs, lab.velocity, l.unit_weight, lab.unit_weight, l.nu, l.damping);
  if (weak) {
    write(s, out(s),
          "(1X,'WEAK SHEAR RATIO  ..............',F12.5,/,"
          "1X,'WEAKPOISSONS RATIO  ..........',F12.5,/,"
          "1X,'WEAK MATERIAL DAMPING  .........',F12.5,/,"
          "1X,'WEAK THICKNESS RATIO  ..........',F12.5)",
          l.weak_ratio, l.weak_nu, l.weak_damping, l.weak_thickness);
  }
  return true;
}

// Layer rows: number, velocity, unit weight, Poisson's ratio, damping and the
// weakened zone, into LAYERS(first..last).
bool read_layer_rows(EngineState& s, int first, int last, bool weak) {
  for (int k = first; k <= last; ++k) {
    SoilLayer& l = s.soil.LAYERS(k);
    if (!section::numbers(s, l.number, l.Vs, l.unit_weight, l.nu, l.damping) || !read_weak_zone(s, l, weak)) {
      soil_constants_error(s);
      return false;
    }
  }
  section::ValueCheck check(s);
  for (int k = first; k <= last; ++k) {
    check_soil(check, s.soil.LAYERS(k), SoilTable::beside_elements, "SOIL LAYER", k, weak);
  }
  if (!check.ok()) section::will_not_execute(s);
  return check.ok();
}

// Side-layer rows: number, thickness, velocity, unit weight, Poisson's ratio,
// damping and the weakened zone, into SIDE_LAYERS(1..n).
bool read_side_rows(EngineState& s, int n, bool weak) {
  for (int k = 1; k <= n; ++k) {
    SoilLayer& l = s.soil.SIDE_LAYERS(k);
    if (!section::numbers(s, l.number, l.thickness, l.Vs, l.unit_weight, l.nu, l.damping) ||
        !read_weak_zone(s, l, weak)) {
      return false;
    }
  }
  return true;
}

// The side rows read, against what a side layer can be; false (reported,
// fatal) when one value is out of its bound.
bool admissible_side_rows(EngineState& s, int n, bool weak) {
  section::ValueCheck check(s);
  for (int k = 1; k <= n; ++k) check_soil(check, s.soil.SIDE_LAYERS(k), SoilTable::side, "SIDE LAYER", k, weak);
  if (!check.ok()) section::will_not_execute(s);
  return check.ok();
}

void read_pile_layers(EngineState& s, bool weak) {
  const int n = s.foundation.ELEMENT_COUNT;
  if (!read_layer_rows(s, 1, n, weak)) return;
  s.soil.LAYER_COUNT = n;
  if (!echo(s)) return;
  write(s, out(s), "(/,/,1X,'SOIL CONSTANTS')");
  write_layer_table(s, 1, n);
  if (weak) write_weak_table(s, s.soil.LAYERS, 1, n);
}

void read_half_space_layers(EngineState& s, bool weak) {
  auto& soil = s.soil;
  int n = 0;
  if (!soil_count(s, MAX_LAYERS, n, "SIDE LAYERS")) return;
  if (!read_side_rows(s, n, weak)) {
    soil_constants_error(s);
    return;
  }
  if (!admissible_side_rows(s, n, weak)) return;
  soil.SIDE_COUNT = n;
  if (!echo(s)) return;
  write(s, out(s),
        "(/,/,1X,'SOIL CONSTANTS  NUMBER OF SIDE LAYERS - ',I3,/,/,"
        "1X,'LAYER  LAYER  SHEAR WAVE   UNIT   POISSON''S  MATERIAL',/,"
        "1X,' NO.   DEPTH   VELOCITY   WEIGHT    RATIO     DAMPING')",
        n);
  for (int k = 1; k <= n; ++k) {
    const SoilLayer& l = soil.SIDE_LAYERS(k);
    write(s, out(s), "(1X,I3,1X,F9.3,2X,F8.3,1X,F10.3,2X,F7.3,3X,F7.3)", NEAREST_INT(l.number), l.thickness, l.Vs,
          l.unit_weight, l.nu, l.damping);
  }
  if (weak) write_weak_table(s, soil.SIDE_LAYERS, 1, n);
}

void read_multilayer(EngineState& s, bool weak) {
  auto& soil = s.soil;
  const int n = s.foundation.ELEMENT_COUNT;
  int na = 0;
  if (!soil_count(s, n, na, "ADJACENT LAYERS")) return;
  if (!read_layer_rows(s, 1, na, weak)) return;
  // The soil below the foundation, element by element down the column.
  for (int k = na + 1; k <= n; ++k) {
    SoilLayer& l = soil.LAYERS(k);
    if (!section::numbers(s, l.number, l.Vs, l.unit_weight, l.nu, l.damping, l.G_ratio, l.D_ratio)) {
      soil_constants_error(s);
      return;
    }
    read_weak_zone(s, l, false);
  }
  section::ValueCheck check(s);
  for (int k = na + 1; k <= n; ++k) check_soil(check, soil.LAYERS(k), SoilTable::column, "SOIL LAYER", k, false);
  if (!check.ok()) return section::will_not_execute(s);
  soil.ADJACENT_COUNT = na;
  soil.LAYER_COUNT = n;
  if (!echo(s)) return;
  write(s, out(s), "(/,/,1X,'SOIL CONSTANTS',/,1X,'NUMBER OF ADJACENT LAYERS -  ',I3)", na);
  write_layer_table(s, 1, na);
  if (weak) write_weak_table(s, soil.LAYERS, 1, na);
  write(s, out(s),
        "(/,/,1X,'SOIL PROPERTIES BELOW FOUNDATION',/,/,"
        "1X,'LAYER  SHEAR WAVE   UNIT   POISSON''S  ','MATERIAL  SHEAR MODULUS  DAMPING RATIO',/,"
        "1X,' NO.    VELOCITY   WEIGHT    RATIO','     DAMPING  RATIO(IN/OUT)      (IN/OUT)')");
  for (int k = na + 1; k <= n; ++k) {
    const SoilLayer& l = soil.LAYERS(k);
    write(s, out(s), "(1X,I3,5X,F7.3,2X,F9.3,1X,F7.3,3X,F7.3,6X,F7.3,8X,F7.3)", NEAREST_INT(l.number), l.Vs,
          l.unit_weight, l.nu, l.damping, l.G_ratio, l.D_ratio);
  }
}

void read_soil_words(EngineState& s) {
  const FoundationType type = s.input.foundation_type();
  auto& sw = s.switches;
  std::string word;
  Keyword k = section::keyword(s, word);
  while (k == Keyword::WEAK) {
    if (type == FoundationType::STRA) {
      write(s, out(s), "(/,/,' WEAK IS AN IMPROPER KEYWORD FOR THIS FOUNDATION','   TYPE')");
      section::will_not_execute(s);
      return;
    }
    sw.WEAK_ZONE = 1;
    k = section::keyword(s, word);
  }
  if (k != Keyword::CONS) {
    write(s, out(s), "(/,/,' WEAK OR CONSTANT SUBKEYWORDS ARE EXPECTED TO',' FO   LLOW SOIL KEYWORD')");
    section::reject_word(s, k);
    return;
  }
  SOLCST(s);
  if (type == FoundationType::none || type == FoundationType::STRA) return;
  k = section::keyword(s, word);
  if (k != Keyword::BELO) {
    write(s, out(s), "(/,/,' BELOW SUBKEYWORD IS EXPECTED TO FOLLOW SOIL',' CON   STANT DATA')");
    section::reject_word(s, k);
    return;
  }
  READ_SOIL_BELOW(s);
  if (type != FoundationType::PILE) return;
  for (;;) {
    k = section::next_keyword(s, word);
    if (k == Keyword::SIDE) {
      sw.SIDE_CAP = 1;
    } else if (k == Keyword::EMBE) {
      sw.EMBEDMENT = 1;
      READ_EMBEDMENT(s);
      return;
    } else {
      section::step_back(s);
      return;
    }
  }
}

}  // namespace

void READ_SOIL(EngineState& s) {
  read_soil_words(s);
  auto& sw = s.switches;
  if (sw.SIDE_CAP == 1 && sw.EMBEDMENT == 0) {
    write(s, out(s),
          "(/,/,' SIDE-CAP KEYWORD WAS INPUT WITHOUT THE EMBEDDED',' KEYWORD - THE SIDE-CAP OPTION WILL BE IGNORED')");
    sw.SIDE_CAP = 0;
  }
}

void SOLCST(EngineState& s) {
  const bool weak = s.switches.WEAK_ZONE == 1;
  switch (s.input.foundation_type()) {
    case FoundationType::PILE:
      if (s.switches.SOIL_MEDIUM == SoilMedium::PARABOLIC) {
        if (read_single(s, s.soil.LAYERS(1), SoilTable::beside_elements, weak)) s.soil.LAYER_COUNT = 1;
      } else {
        read_pile_layers(s, weak);
      }
      return;
    case FoundationType::HALF: read_half_space_layers(s, weak); return;
    case FoundationType::STRA: read_single(s, s.soil.STRATUM, SoilTable::stratum, false); return;
    case FoundationType::MULT: read_multilayer(s, weak); return;
    case FoundationType::none:
      // Soil constants mean nothing before the foundation type is known.
      write(s, out(s),
            "(/,/,' THE FOUNDATION TYPE HAS NOT BEEN ESTABLISHED',/,"
            "'    THE PROGRAM SHOULD NEVER ENCOUNTER THIS ERROR (SOLCST)')");
      section::fatal(s);
      return;
  }
}

void READ_SOIL_BELOW(EngineState& s) {
  SoilLayer& b = s.soil.BELOW;
  const FoundationType type = s.input.foundation_type();
  if (!section::numbers(s, b.Vs, b.unit_weight, b.nu, b.damping)) {
    write(s, out(s),
          "(/,/,' *** BAD DATA IN SOIL DESCRIPTION BELOW PILE ***',/,'     - WILL CONTINUE TO PROCESS DATA',/,"
          "'     - CANNOT    EXECUTE THIS PROBLEM SET')");
    section::fatal(s);
    return;
  }
  const bool half_space = type == FoundationType::HALF;
  section::ValueCheck check(s);
  check_soil(check, b, half_space ? SoilTable::half_space : SoilTable::below,
             half_space ? "THE HALF-SPACE" : "THE SOIL BELOW", 0, false);
  if (!check.ok()) return section::will_not_execute(s);
  if (!echo(s)) return;
  const char* heading = type == FoundationType::PILE   ? "SOIL BELOW PILE"
                        : type == FoundationType::HALF ? "HALF-SPACE SOIL"
                                                       : "SOIL BELOW MULTILAYER SYSTEM";
  const auto& lab = s.report.LABELS;
  write(s, out(s),
        "(/,/,1X,A,/,/,1X,'SHEAR WAVE    UNIT    POISSON''S   MATERIAL',/,"
        "1X,' VELOCITY    WEIGHT     RATIO     DAMPING',"
        "/,4X,A4,5X,A8)",
        heading, lab.velocity, lab.unit_weight);
  write(s, out(s), "(1X,1PE9.2,1X,0PF11.4,3X,F5.3,3X,F7.3)", b.Vs, b.unit_weight, b.nu, b.damping);
}

void READ_EMBEDMENT(EngineState& s) {
  auto& sw = s.switches;
  auto& soil = s.soil;
  const bool side_cap = sw.SIDE_CAP == 1;
  auto drop_options = [&] {
    sw.EMBEDMENT = 0;
    sw.SIDE_CAP = 0;
    soil.SIDE_COUNT = 0;
  };
  auto read_error = [&] {
    write(s, out(s),
          "(/,/,' ERROR ENCOUNTERED WHILE READING EMBEDDED OR',' ISO   LATION DATA',/,"
          "' PROGRAM WILL IGNORE THESE',' OPTIONS')");
    drop_options();
  };
  int n = 0;
  real count = 0.0f;
  switch (section::count(s, 0, MAX_LAYERS, n, &count)) {
    case section::Count::ok: break;
    case section::Count::no_number:
      // The options are left out and the analysis goes on without them; rows
      // that follow are words the keyword loop does not know.
      read_error();
      return;
    case section::Count::bad:
      write(s, out(s), "(/,/,1X,'ERROR - NUMBER OF SIDE LAYERS (',1PE10.3,') MUST BE A WHOLE NUMBER FROM 0 TO ',I2)",
            count, MAX_LAYERS);
      drop_options();
      section::will_not_execute(s);
      return;
    case section::Count::over:
      write(s, out(s), "(/,/,1X,'ERROR - NUMBER OF SIDE LAYERS EXCEEDS ',I3)", MAX_LAYERS);
      drop_options();
      section::will_not_execute(s);
      return;
  }
  if (!read_side_rows(s, n, side_cap)) {
    read_error();
    return;
  }
  if (!admissible_side_rows(s, n, side_cap)) {
    drop_options();
    return;
  }
  soil.SIDE_COUNT = n;
  if (!echo(s)) return;
  write(s, out(s),
        "(/,/,1X,'EMBEDDED OPTION',/,1X,15('*'),/,/,1X,'NUMBER OF SIDE LAYERS  -  ',I3,/,/,"
        "1X,'LAYER  THICKNESS  SHEAR WAVE   UNIT    POISSONS','  MATERIAL',/,"
        "1X,' NO.    OF LAYER   VELOCITY   WEIHT    RATIO  ','   DAMPING')",
        n);
  for (int k = 1; k <= n; ++k) {
    const SoilLayer& l = soil.SIDE_LAYERS(k);
    write(s, out(s), "(1X,I3,4X,F7.3,3X,F7.2,3X,F9.3,2X,F7.3,3X,F7.3)", NEAREST_INT(l.number), l.thickness, l.Vs,
          l.unit_weight, l.nu, l.damping);
  }
  if (!side_cap) return;
  write(s, out(s),
        "(/,/,1X,'SIDE-CAP (WEAKENING) OF SIDE LAYERS',/,1X,36('*'),/,/,1X,'LAYER  SHEAR MODULUS  ',/,"
        "1X,' NO.       RATIO        ')");
  for (int k = 1; k <= n; ++k) {
    const SoilLayer& l = soil.SIDE_LAYERS(k);
    write(s, out(s), "(1X,I3,5X,F7.3,6X)", NEAREST_INT(l.number), l.weak_ratio);
  }
}

}  // namespace zav
