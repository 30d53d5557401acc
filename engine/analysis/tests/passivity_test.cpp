// Constants no passive foundation has: a negative damping constant on any
// line, a negative stiffness on a line near zero frequency. They are reported
// as computed, each with a warning in its line's table, and the report ends
// with the count of warned lines; the run completes and the plot data keep
// their layout.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "analysis/tests/pile_deck.h"

namespace zav::testing {
namespace {

const char* const stiffness_names[6] = {"KXX", "KYY", "KWW", "KPPX", "KPPY", "KZT"};
const char* const damping_names[6] = {"CXX", "CYY", "CWW", "CPPX", "CPPY", "CZT"};

// A warning as the report gives it: the constant's name and value.
struct Warning {
  std::string name;
  double value;
};

// The constant and the value of a warning line, or false for a line that is
// none.
bool parse_warning(const std::string& l, Warning& w) {
  const std::string head = " *** WARNING - ", negative = " IS NEGATIVE (";
  const std::string tail = ": NO PASSIVE FOUNDATION HAS THIS; THE METHOD OR THE INPUT IS OUT OF RANGE HERE ***";
  const std::size_t name_end = l.find(negative);
  if (!l.starts_with(head) || !l.ends_with(tail) || name_end == std::string::npos) return false;
  const std::size_t value = name_end + negative.size();
  const std::size_t value_end = l.find(')', value);
  if (value_end == std::string::npos || value_end + 1 + tail.size() > l.size()) return false;
  const std::string rest = l.substr(value_end + 1, l.size() - tail.size() - value_end - 1);
  // A stiffness near zero frequency says at which a0.
  if (!rest.empty() && !(rest.starts_with(" AT A0 = ") && rest.ends_with(", NEAR ZERO FREQUENCY"))) return false;
  w = {l.substr(head.size(), name_end - head.size()), std::stod(l.substr(value, value_end - value))};
  return true;
}

// The warnings of each constants table of a pass (as constants_tables counts
// them).
std::vector<std::vector<Warning>> table_warnings(const Lines& report, int pass) {
  std::vector<std::vector<Warning>> out;
  bool second = false;
  for (const std::string& l : report) {
    if (l == "************** SPECIAL OUTPUT OPTION **************") second = true;
    if (second != (pass == 2)) continue;
    if (l.starts_with(" FREQUENCY  -  ")) out.emplace_back();
    Warning w;
    if (parse_warning(l, w)) {
      EXPECT_FALSE(out.empty()) << l;
      if (!out.empty()) out.back().push_back(w);
    }
  }
  return out;
}

// The foundation's half-extent in plan over the slowest soil that bears it,
// from the deck's own numbers: a line's dimensionless frequency is omega
// times it. Piles standing free along a layer have resonances of their own,
// and no line of theirs is near zero frequency.
double extent_over_velocity(const PileDeck& p) {
  for (const PileSoil& l : p.soil) {
    if (l.Vs == 0) return INFINITY;
  }
  double x0 = 1e300, x1 = -1e300, y0 = 1e300, y1 = -1e300, radius = 0;
  for (const auto& xy : p.piles) {
    x0 = std::min(x0, xy[0]);
    x1 = std::max(x1, xy[0]);
    y0 = std::min(y0, xy[1]);
    y1 = std::max(y1, xy[1]);
  }
  for (const PileElement& e : p.elements) radius = std::max({radius, e.rx, e.ry});
  const double group = p.multilayer ? radius : 0.5 * std::hypot(x1 - x0, y1 - y0) + radius;
  double Vs = p.below.Vs;
  for (const PileSoil& l : p.soil) {
    if (l.Vs > 0) Vs = std::min(Vs, l.Vs);
  }
  for (const auto& c : p.column_soil) Vs = std::min(Vs, c[0]);
  for (const SideLayer& l : p.cap_sides) Vs = std::min(Vs, l.Vs);
  return std::max(p.cap_radius, group) / Vs;
}

// The warnings a table must have: every negative damping constant, and every
// negative stiffness at a0 = 0.25 or below.
std::vector<Warning> expected_warnings(const Constants& c, double a0) {
  std::vector<Warning> w;
  for (int k = 0; k < 6; ++k) {
    if (c.K[k] < 0 && a0 <= 0.25) w.push_back({stiffness_names[k], c.K[k]});
  }
  for (int k = 0; k < 6; ++k) {
    if (c.C[k] < 0) w.push_back({damping_names[k], c.C[k]});
  }
  return w;
}

// The same constants, in the same order, and the same values: the table's
// to six figures, the warning's to four.
void expect_warnings(const std::vector<Warning>& got, const std::vector<Warning>& expected) {
  ASSERT_EQ(got.size(), expected.size());
  for (std::size_t k = 0; k < got.size(); ++k) {
    EXPECT_EQ(got[k].name, expected[k].name);
    EXPECT_TRUE(Near(got[k].value, expected[k].value, 6e-4)) << got[k].name;
  }
}

// The report's last record with the count of warned lines of a run's lines.
std::string summary(int warned, int lines) {
  char b[128];
  std::snprintf(b, sizeof b, " *** WARNING - %5d OF %5d FREQUENCY LINES HOLD CONSTANTS NO PASSIVE FOUNDATION HAS ***",
                warned, lines);
  return b;
}

// What the front end looks for, \*\*\* WARNING -\s+(\d+) OF\s+(\d+) FREQUENCY
// LINES: the two numbers, or false.
bool front_end_reads(const std::string& l, int& warned, int& lines) {
  std::size_t at = l.find("*** WARNING -");
  if (at == std::string::npos) return false;
  at += 13;
  const auto number = [&](int& n) {
    const std::size_t blanks = l.find_first_not_of(' ', at);
    if (blanks == at || blanks == std::string::npos) return false;
    std::size_t digits = blanks;
    while (digits < l.size() && std::isdigit(static_cast<unsigned char>(l[digits]))) ++digits;
    if (digits == blanks) return false;
    n = std::stoi(l.substr(blanks, digits - blanks));
    at = digits;
    return true;
  };
  if (!number(warned) || l.compare(at, 3, " OF") != 0) return false;
  at += 3;
  return number(lines) && l.compare(at, 17, " FREQUENCY LINES ") == 0;
}

// A 3 by 3 group with interaction whose top layer holds no soil: the
// interaction factors, which know nothing of a free length, give the group a
// horizontal damping below zero at some lines.
PileDeck free_length_group() {
  PileDeck p;
  p.interaction = true;
  p.piles.clear();
  for (int k = 0; k < 9; ++k) p.piles.push_back({1.8 * (k % 3 - 1), 1.8 * (k / 3 - 1)});
  p.soil[0].Vs = 0;
  p.cap_radius = 2.5;
  p.mass = {250, 520, 520, 1040, 0, 0, 0};
  p.hc = 1.2;
  p.P = 1000;
  return p;
}

// Piles and columns out of scale: a torsional constant no cross-section of
// the pile's radius has (its inertia outweighs the soil); a modulus far
// beyond any material; a column 40,000 times too heavy and 20,000 times too
// soft, as two lines of its constants swapped give it.
PileDeck torsion_out_of_scale() {
  PileDeck p;
  for (PileElement& e : p.elements) e.J = 1000;
  p.end_bearing = true;
  return p;
}

PileDeck modulus_out_of_scale() {
  PileDeck p;
  p.E_p = 1e30;
  return p;
}

PileDeck swapped_column() {
  PileDeck p = multilayer_column();
  p.xc = 500, p.yc = 0.3, p.hc = 0.03, p.L = 0.85, p.gamma_p = 400000;
  p.P = 0, p.nu_p = 0, p.D_p = 0.7, p.kappa = 6, p.E_p = 20;
  return p;
}

// Three piles standing free through all their layers on the soil below, 12
// m high: past their bending resonance, near 2 Hz, their dynamic stiffness is
// below zero at a frequency the soil's a0 takes as low. True of such a
// foundation, so no warning.
PileDeck piles_standing_free() {
  PileDeck p;
  p.piles = {{-0.9, 0}, {0.9, 0}, {0, 1.8}};
  for (PileSoil& l : p.soil) l.Vs = 0;
  return p;
}

struct PassivityRow {
  const char* name;
  PileDeck deck;
  int lines;
  int warned;  // lines with a warning
};

std::ostream& operator<<(std::ostream& os, const PassivityRow& r) { return os << r.name; }

class Passivity : public DeckRun, public ::testing::WithParamInterface<PassivityRow> {};

// Every constant of a table that no passive foundation has, and no other,
// stands in a warning of that table with its value; the line's constants are
// those computed (a negative stiffness past the near-static bound, a dynamic
// stiffness below zero, is no warning). The report's last record counts the
// warned lines of both passes, each line once, of the run's lines.
TEST_P(Passivity, WarnsOfEveryConstantNoPassiveFoundationHas) {
  const PassivityRow& row = GetParam();
  const Lines load = harmonic_load(6.28 * row.lines, 6.28, 6.28, {10, 0, 40, 0, 0, 0});
  ASSERT_EQ(run(pile_deck(row.deck, load)), 0);
  const double per_omega = extent_over_velocity(row.deck);
  std::vector<bool> warned(static_cast<std::size_t>(row.lines), false);
  for (int pass : {1, 2}) {
    SCOPED_TRACE("pass " + std::to_string(pass));
    const auto tables = constants_tables(report, pass);
    const auto warnings = table_warnings(report, pass);
    ASSERT_EQ(tables.size(), static_cast<std::size_t>(row.lines));
    ASSERT_EQ(warnings.size(), tables.size());
    for (std::size_t L = 0; L < tables.size(); ++L) {
      SCOPED_TRACE("line " + std::to_string(L + 1));
      expect_warnings(warnings[L], expected_warnings(tables[L], tables[L].omega * per_omega));
      if (!warnings[L].empty()) warned[L] = true;
    }
  }
  EXPECT_EQ(std::count(warned.begin(), warned.end(), true), row.warned);
  EXPECT_EQ(plot_records("job.kqp").size(), 1u + 3u * static_cast<std::size_t>(row.lines));
  if (row.warned == 0) {
    for (const std::string& l : report) EXPECT_EQ(l.find("FREQUENCY LINES HOLD"), std::string::npos) << l;
  } else {
    EXPECT_EQ(report.back(), summary(row.warned, row.lines));
  }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Decks, Passivity, ::testing::Values(
  PassivityRow{"FreeLengthWithInteraction", free_length_group(),     40,  1},
  PassivityRow{"TorsionOutOfScale",         torsion_out_of_scale(),  10,  4},
  PassivityRow{"ModulusOutOfScale",         modulus_out_of_scale(),  10,  7},
  PassivityRow{"SwappedColumnConstants",    swapped_column(),        10,  3},
  PassivityRow{"PilesStandingFree",         piles_standing_free(),   10,  0}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// The front end finds the count in the report's last record.
TEST_F(DeckRun, TheLastRecordIsTheOneTheFrontEndReads) {
  ASSERT_EQ(run(pile_deck(free_length_group(), harmonic_load(251.2, 6.28, 6.28, {10, 0, 40, 0, 0, 0}))), 0);
  EXPECT_EQ(report.back(),
            " *** WARNING -     1 OF    40 FREQUENCY LINES HOLD CONSTANTS NO PASSIVE FOUNDATION HAS ***");
  int warned = 0, lines = 0;
  EXPECT_TRUE(front_end_reads(report.back(), warned, lines));
  EXPECT_EQ(warned, 1);
  EXPECT_EQ(lines, 40);
}

// Without MATR no table is printed: a warned line's warnings stand where its
// table would, under a record that names its frequency, and the response
// table and the plot data are those of the run with MATR.
TEST_F(DeckRun, WithoutMatrixTheWarningsNameTheirLine) {
  const Lines load = harmonic_load(251.2, 6.28, 6.28, {10, 0, 40, 0, 0, 0});
  PileDeck deck = free_length_group();
  ASSERT_EQ(run(pile_deck(deck, load)), 0);
  const auto tables = constants_tables(report, 1);
  const auto warnings = table_warnings(report, 1);
  const auto rows = harmonic_rows(report);
  const Lines summary = {report.end() - 2, report.end()};
  deck.matrix = false;
  ASSERT_EQ(run(pile_deck(deck, load)), 0);
  const auto rows_without = harmonic_rows(report);
  ASSERT_EQ(rows_without.size(), rows.size());
  for (std::size_t L = 0; L < rows.size(); ++L) {
    EXPECT_EQ(rows_without[L].omega, rows[L].omega);
    EXPECT_EQ(rows_without[L].u, rows[L].u);
  }
  EXPECT_EQ(Lines(report.end() - 2, report.end()), summary);
  std::size_t found = 0;
  for (std::size_t L = 0; L < tables.size(); ++L) {
    if (warnings[L].empty()) continue;
    char head[96];
    std::snprintf(head, sizeof head, " *** FREQUENCY  -  %12.4f Hz (%12.4f rad./sec.) ***", tables[L].hz,
                  tables[L].omega);
    const auto at = std::find(report.begin(), report.end(), std::string(head));
    ASSERT_NE(at, report.end()) << head;
    for (std::size_t k = 0; k < warnings[L].size(); ++k) {
      Warning w;
      ASSERT_TRUE(parse_warning(*(at + 1 + static_cast<long>(k)), w));
      EXPECT_EQ(w.name, warnings[L][k].name);
    }
    ++found;
  }
  EXPECT_EQ(found, 1u);
  EXPECT_EQ(plot_records("job.kqp").size(), 1u + tables.size());
}

// A deck whose constants any passive foundation may have gets no warning
// and no count: its report ends with the response table.
TEST_F(DeckRun, ConstantsOfAPassiveFoundationGetNoWarning) {
  PileDeck deck = free_length_group();
  deck.soil[0].Vs = 120;
  ASSERT_EQ(run(pile_deck(deck, harmonic_load(251.2, 6.28, 6.28, {10, 0, 40, 0, 0, 0}))), 0);
  for (const std::string& l : report) EXPECT_EQ(l.find("WARNING"), std::string::npos) << l;
  EXPECT_EQ(harmonic_rows(report).size(), 40u);
  EXPECT_FALSE(report.back().empty());
  EXPECT_TRUE(report.back().starts_with("    40.00"));
}

}  // namespace
}  // namespace zav::testing
