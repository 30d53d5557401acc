// The analysis of footings against what mechanics says of them: the static
// stiffnesses of a rigid disc on an elastic half-space, the transfer of an
// impedance to the centre of gravity, the single-degree-of-freedom response,
// the scaling of a dimensionally consistent model, and the agreement of the
// harmonic, transient and random paths at the same frequency.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

#include "analysis/tests/pile_deck.h"

namespace zav::testing {
namespace {

constexpr double pi = std::numbers::pi;

// The four equivalent radii: translation, rocking about x, rocking about y,
// torsion.
std::array<double, 4> radii(const Footing& f) {
  if (f.circular) return {f.radius, f.radius, f.radius, f.radius};
  const double a = f.a, b = f.b;
  return {std::sqrt(a * b / pi), std::pow(a * b * b * b / (3 * pi), 0.25), std::pow(a * a * a * b / (3 * pi), 0.25),
          std::pow(a * b * (a * a + b * b) / (6 * pi), 0.25)};
}

struct StaticRow {
  const char* name;
  Footing f;
  bool coupling;  // the footing's own impedance has no coupling terms
};

std::ostream& operator<<(std::ostream& os, const StaticRow& r) { return os << r.name; }

class StaticStiffness : public DeckRun, public ::testing::WithParamInterface<StaticRow> {};

// At 0.01 rad/s the stiffness constants are the static stiffnesses of a rigid
// footing on the surface, 8GR/(2 - nu), 4GR/(1 - nu), 8GR^3/(3(1 - nu)) and
// 16GR^3/3, moved from the base to the centre of gravity (xc, yc, hc) as a
// rigid body moves them.
TEST_P(StaticStiffness, AreTheClosedFormsAtTheCentreOfGravity) {
  const Footing& f = GetParam().f;
  ASSERT_EQ(run(footing_deck(f, harmonic_load(0.01, 0.01, 1, {0, 0, 1, 0, 0, 0}))), 0);
  const auto tables = constants_tables(report, 1);
  ASSERT_EQ(tables.size(), 1u);
  const auto& K = tables[0].K;
  const auto R = radii(f);
  const double G = f.Vs * f.Vs * f.gamma / 9.8, nu = f.nu;
  const double Kh = 8 * G * R[0] / (2 - nu), Kv = 4 * G * R[0] / (1 - nu);
  const double Kr1 = 8 * G * std::pow(R[1], 3) / (3 * (1 - nu)), Kr2 = 8 * G * std::pow(R[2], 3) / (3 * (1 - nu));
  const double Kt = 16 * G * std::pow(R[3], 3) / 3;
  const double rel = 2e-4;
  EXPECT_TRUE(Near(K[0], Kh, rel)) << "KXX";
  EXPECT_TRUE(Near(K[1], Kh, rel)) << "KYY";
  EXPECT_TRUE(Near(K[2], Kv, rel)) << "KWW";
  if (!GetParam().coupling) return;
  const double xc = f.xc, yc = f.yc, hc = f.hc;
  EXPECT_TRUE(Near(K[3], Kr1 + hc * hc * Kh + yc * yc * Kv, rel)) << "KPPX";
  EXPECT_TRUE(Near(K[4], Kr2 + hc * hc * Kh + xc * xc * Kv, rel)) << "KPPY";
  EXPECT_TRUE(Near(K[5], Kt + (xc * xc + yc * yc) * Kh, rel)) << "KZT";
  EXPECT_TRUE(Near(K[6], hc * Kh, rel, 1e-6 * Kh)) << "KXP";
  EXPECT_TRUE(Near(K[7], -hc * Kh, rel, 1e-6 * Kh)) << "KYP";
}

Footing half_space(bool circular, double nu, double xc, double yc, double hc) {
  Footing f;
  f.circular = circular;
  f.nu = nu;
  f.xc = xc;
  f.yc = yc;
  f.hc = hc;
  return f;
}

// A stratum so deep that its bed rock no longer stiffens the footing.
Footing deep_stratum(bool circular) {
  Footing f;
  f.stratum = true;
  f.circular = circular;
  f.H = 1e5;
  f.nu = 0.3;
  return f;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Footings, StaticStiffness, ::testing::Values(
  StaticRow{"CircleOnHalfSpace",          half_space(true, 0.33, 0, 0, 0),       true},
  StaticRow{"RectangleNearlyIncompressible", half_space(false, 0.45, 0, 0, 0),   true},
  StaticRow{"CircleCentreAbove",          half_space(true, 0.25, 0, 0, 1.5),     true},
  StaticRow{"RectangleCentreOffAndAbove", half_space(false, 0.33, 0.4, -0.3, 0.8), true},
  StaticRow{"CircleOnDeepStratum",        deep_stratum(true),                    false},
  StaticRow{"RectangleOnDeepStratum",     deep_stratum(false),                   false}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

Footing embedded(bool stratum) {
  Footing f;
  f.stratum = stratum;
  f.mass = {60, 90, 110, 150, 0, 0, 0};
  f.hc = 0.9;
  if (stratum) {
    f.E = 0.8;
    f.H = 6;
  } else {
    f.sides = {{0.5, 150, 17, 0.35, 0.05}, {0.7, 180, 17.5, 0.3, 0.04}};
  }
  return f;
}

class FootingResponse : public DeckRun, public ::testing::WithParamInterface<bool> {};

// A vertical force on a footing whose centre of gravity lies above the centre
// of its base moves it vertically only, as a single degree of freedom: the
// amplitude is |F / (KWW - m w^2 + i w CWW)| with the constants the report
// prints for the same line.
TEST_P(FootingResponse, VerticalAmplitudeIsThatOfTheLinesOwnConstants) {
  const Footing f = embedded(GetParam());
  const double F = 50;
  ASSERT_EQ(run(footing_deck(f, harmonic_load(188.4, 6.28, 31.4, {0, 0, F, 0, 0, 0}))), 0);
  const auto tables = constants_tables(report, 1);
  const auto rows = harmonic_rows(report);
  ASSERT_EQ(tables.size(), 7u);
  ASSERT_EQ(rows.size(), tables.size());
  for (std::size_t L = 0; L < rows.size(); ++L) {
    SCOPED_TRACE("line " + std::to_string(L + 1));
    const double w = tables[L].omega;
    const std::complex<double> d(tables[L].K[2] - f.mass[0] * w * w, w * tables[L].C[2]);
    EXPECT_TRUE(Near(rows[L].u[2], F / std::abs(d), 2e-4));
    for (int k : {0, 1, 3, 4, 5}) EXPECT_EQ(rows[L].u[k], 0.0) << "component " << k;
  }
}

// A quadratic load of coefficients F is the load of amplitudes F w^2: every
// amplitude of every line is w^2 times that of the same deck with amplitudes F.
TEST_P(FootingResponse, QuadraticLoadIsTheLoadTimesTheFrequencySquared) {
  const Footing f = embedded(GetParam());
  const std::array<double, 6> F = {0.02, 0, 0.01, 0, 0.015, 0.005};
  ASSERT_EQ(run(footing_deck(f, harmonic_load(314, 12.56, 25.12, F, true))), 0);
  const auto quadratic = harmonic_rows(report);
  ASSERT_EQ(run(footing_deck(f, harmonic_load(314, 12.56, 25.12, F, false))), 0);
  const auto plain = harmonic_rows(report);
  ASSERT_EQ(quadratic.size(), 13u);
  ASSERT_EQ(plain.size(), quadratic.size());
  for (std::size_t L = 0; L < plain.size(); ++L) {
    SCOPED_TRACE("line " + std::to_string(L + 1));
    const double w = 12.56 + 25.12 * double(L);
    for (std::size_t k = 0; k < 6; ++k) EXPECT_TRUE(Near(quadratic[L].u[k], w * w * plain[L].u[k], 2e-4, 1e-30));
  }
}

// The response does not depend on whether the constants are printed.
TEST_P(FootingResponse, IsTheSameWithAndWithoutTheConstantsTables) {
  Footing f = embedded(GetParam());
  const Lines load = harmonic_load(62.8, 6.28, 6.28, {10, 5, 20, 3, 2, 1});
  ASSERT_EQ(run(footing_deck(f, load)), 0);
  const auto with = harmonic_rows(report);
  f.matrix = false;
  ASSERT_EQ(run(footing_deck(f, load)), 0);
  ASSERT_EQ(with.size(), 10u);
  const auto without = harmonic_rows(report);
  ASSERT_EQ(without.size(), with.size());
  for (std::size_t L = 0; L < with.size(); ++L) EXPECT_EQ(with[L].u, without[L].u) << "line " << L + 1;
}

INSTANTIATE_TEST_SUITE_P(HalfSpaceAndStratum, FootingResponse, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Stratum" : "EmbeddedHalfSpace"; });

struct CutRow {
  const char* name;
  std::vector<double> thicknesses;
};

std::ostream& operator<<(std::ostream& os, const CutRow& r) { return os << r.name; }

class SideSoil : public DeckRun, public ::testing::WithParamInterface<CutRow> {
 protected:
  // One soil beside the footing, 1.2 deep, cut into the given layers; a
  // weakened zone a tenth of the radius thick.
  Footing footing(const std::vector<double>& thicknesses) {
    Footing f;
    f.circular = false;
    f.xc = 0.2;
    f.yc = -0.1;
    f.hc = 0.8;
    f.weak = true;
    for (double h : thicknesses) f.sides.push_back({h, 160, 17, 0.35, 0.05, 0.6, 0.1});
    return f;
  }
};

// However the soil beside an embedded footing is cut into layers, it gives
// the same constants: each layer's reactions and lever arms are integrated
// over its own depth.
TEST_P(SideSoil, GivesTheSameConstantsHoweverItIsCutIntoLayers) {
  const Lines load = harmonic_load(125.6, 6.28, 59.66, {1, 0, 1, 0, 0, 0});
  ASSERT_EQ(run(footing_deck(footing({1.2}), load)), 0);
  const auto whole = constants_tables(report, 1);
  ASSERT_EQ(run(footing_deck(footing(GetParam().thicknesses), load)), 0);
  const auto cut = constants_tables(report, 1);
  ASSERT_EQ(whole.size(), 3u);
  ASSERT_EQ(cut.size(), whole.size());
  for (std::size_t L = 0; L < whole.size(); ++L) {
    for (std::size_t k = 0; k < 8; ++k) {
      SCOPED_TRACE("line " + std::to_string(L + 1) + ", constant " + std::to_string(k + 1));
      EXPECT_TRUE(Near(cut[L].K[k], whole[L].K[k], 2e-5, 1e-6 * whole[L].K[0]));
      EXPECT_TRUE(Near(cut[L].C[k], whole[L].C[k], 2e-5, 1e-6 * whole[L].C[0]));
    }
  }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cuts, SideSoil, ::testing::Values(
  CutRow{"ThreeEqual", {0.4, 0.4, 0.4}},
  CutRow{"TwoUnequal", {0.5, 0.7}},
  CutRow{"ThinOnTop",  {0.05, 1.15}}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

class Scaling : public DeckRun, public ::testing::WithParamInterface<bool> {};

// Every length of the foundation twice as long and every frequency half as
// high is the same problem at the same dimensionless frequencies: stiffnesses
// of translation grow with the length, cross terms with its square, rotation
// with its cube; damping constants (over the frequency) with one power more.
// The weakened zone of the side soil is given as a ratio of the radius, so it
// grows with the footing.
TEST_P(Scaling, ConstantsScaleWithTheLengthsOfTheFoundation) {
  const bool stratum = GetParam();
  auto footing = [&](double s) {
    Footing f;
    f.stratum = stratum;
    f.circular = false;
    f.a = 4 * s;
    f.b = 3 * s;
    f.xc = 0.2 * s;
    f.yc = 0.1 * s;
    f.hc = 0.7 * s;
    f.E = 0.5 * s;
    f.H = 8 * s;
    f.weak = !stratum;
    if (!stratum) f.sides = {{0.4 * s, 150, 17, 0.35, 0.05, 0.5, 0.2}, {0.3 * s, 190, 18, 0.3, 0.05, 0.7, 0.1}};
    return f;
  };
  ASSERT_EQ(run(footing_deck(footing(1), harmonic_load(125.6, 12.56, 56.52, {1, 0, 0, 0, 0, 0}))), 0);
  const auto unit = constants_tables(report, 1);
  ASSERT_EQ(run(footing_deck(footing(2), harmonic_load(62.8, 6.28, 28.26, {1, 0, 0, 0, 0, 0}))), 0);
  const auto doubled = constants_tables(report, 1);
  ASSERT_EQ(unit.size(), 3u);
  ASSERT_EQ(doubled.size(), unit.size());
  const int power[8] = {1, 1, 1, 3, 3, 3, 2, 2};
  for (std::size_t L = 0; L < unit.size(); ++L) {
    for (std::size_t k = 0; k < 8; ++k) {
      SCOPED_TRACE("line " + std::to_string(L + 1) + ", constant " + std::to_string(k + 1));
      EXPECT_TRUE(Near(doubled[L].K[k], std::pow(2.0, power[k]) * unit[L].K[k], 1e-4, 1e-6 * doubled[L].K[0]));
      EXPECT_TRUE(Near(doubled[L].C[k], std::pow(2.0, power[k] + 1) * unit[L].C[k], 1e-4, 1e-6 * doubled[L].C[0]));
    }
  }
}

INSTANTIATE_TEST_SUITE_P(HalfSpaceAndStratum, Scaling, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Stratum" : "WeakenedSideSoil"; });

// A deck, and what the run must leave of the model as the deck gave it.
struct DeckValuesRow {
  const char* name;
  Lines deck;
  std::function<void(const EngineState&)> expect_as_read;
};

std::ostream& operator<<(std::ostream& os, const DeckValuesRow& r) { return os << r.name; }

class DeckValues : public DeckRun, public ::testing::WithParamInterface<DeckValuesRow> {};

// What the analysis derives from the deck (the weakened zones' thicknesses
// from their ratios of the radius, the piles a multilayer column works with)
// lives beside the model: the model read from the deck is as read after the
// run.
TEST_P(DeckValues, StayAsReadThroughTheAnalysis) {
  ASSERT_EQ(run(GetParam().deck), 0);
  GetParam().expect_as_read(*s);
}

Lines weakened_side_soil() {
  Footing f;
  f.weak = true;
  f.sides = {{0.4, 150, 17, 0.35, 0.05, 0.5, 0.2}, {0.3, 190, 18, 0.3, 0.05, 0.7, 0.1}};
  return footing_deck(f, harmonic_load(62.8, 6.28, 28.26, {1, 0, 0, 0, 0, 0}));
}

// Piles or a column whose elements' mean radius is 0.3, with weakened zones
// in the first two layers along them.
Lines weakened_pile_layers(bool multilayer) {
  PileDeck p;
  p.multilayer = multilayer;
  for (PileElement& e : p.elements) {
    e.rx = 0.35;
    e.ry = 0.25;
  }
  p.soil[0].weak_ratio = 0.5;
  p.soil[0].weak_thickness = 1;
  p.soil[1].weak_ratio = 0.6;
  p.soil[1].weak_thickness = 2;
  if (multilayer) {
    p.soil.pop_back();
    p.column_soil = {{220, 18, 0.33, 0.04, 1.5, 0.8}};
  } else {
    p.piles = {{0.6, 0}, {-0.6, 0}};
  }
  return pile_deck(p, harmonic_load(62.8, 6.28, 28.26, {1, 0, 1, 0, 0, 0}));
}

void expect_pile_layers_as_read(const EngineState& s) {
  EXPECT_FLOAT_EQ(s.soil.LAYERS(1).weak_thickness, 1.0f);
  EXPECT_FLOAT_EQ(s.soil.LAYERS(2).weak_thickness, 2.0f);
}

const DeckValuesRow deck_values_rows[] = {
    {"WeakenedSideSoil", weakened_side_soil(),
     [](const EngineState& s) {
       EXPECT_EQ(s.soil.SIDE_COUNT, 2);
       EXPECT_FLOAT_EQ(s.soil.SIDE_LAYERS(1).weak_thickness, 0.2f);
       EXPECT_FLOAT_EQ(s.soil.SIDE_LAYERS(2).weak_thickness, 0.1f);
     }},
    {"WeakenedPileLayers", weakened_pile_layers(false),
     [](const EngineState& s) {
       expect_pile_layers_as_read(s);
       EXPECT_EQ(s.foundation.PILE_COUNT, 2);
     }},
    // The column is one pile to the analysis; the deck gives it no piles.
    {"MultilayerColumn", weakened_pile_layers(true),
     [](const EngineState& s) {
       expect_pile_layers_as_read(s);
       EXPECT_EQ(s.foundation.PILE_COUNT, 0);
     }},
};

INSTANTIATE_TEST_SUITE_P(Models, DeckValues, ::testing::ValuesIn(deck_values_rows),
                         [](const auto& info) { return std::string(info.param.name); });

// The embedment factors of the horizontal and rocking constants, worked by
// hand for the two embedded footings of embedded(): e = D / R0 and nu = 0.33
// of the soil below, 2 - nu = 1.67, 1 - nu = 0.67. The stratum's footing is
// embedded 0.8 of its radius 2.5, e = 0.32:
//   fh = 1 + 0.55 1.67 0.32                                  = 1.29392
//   fr = (1 + 1.9 1.67 0.32) / sqrt(fh)   = 2.01536 / 1.137506  = 1.771736
//   ch = 1 + 1.2 0.67 0.32 + 0.2 1.67 0.32^3 = 1 + 0.25728 + 0.0109445 = 1.268225
//   cr = (1 + 0.7 0.67 0.32 + 0.6 1.67 0.32^3) / sqrt(fh) = 1.182914 / 1.137506 = 1.039918
// The half-space footing has side layers 0.5 and 0.7 deep, e = 1.2 / 2.5 = 0.48.
struct EmbeddedRow {
  const char* name;
  bool stratum;
  double e;               // the embedment ratio of the footing
  double fh, fr, ch, cr;  // the factors of KXX and KYY, KPPX and KPPY, CXX and CYY, CPPX and CPPY
};

std::ostream& operator<<(std::ostream& os, const EmbeddedRow& r) { return os << r.name; }

class EmbeddedConstants : public DeckRun, public ::testing::WithParamInterface<EmbeddedRow> {};

// The second pass concentrates the embedment in the horizontal and rocking
// constants of the surface footing; KWW, KZT and their dampings stay.
TEST_P(EmbeddedConstants, AreTheSurfaceConstantsTimesTheEmbedmentFactors) {
  const EmbeddedRow& row = GetParam();
  Footing f = embedded(row.stratum);
  const Lines load = harmonic_load(94.2, 31.4, 31.4, {0, 0, 1, 0, 0, 0});
  ASSERT_EQ(run(footing_deck(f, load)), 0);
  const auto special = constants_tables(report, 2);
  double D = f.E;
  if (!row.stratum) {
    D = 0;
    for (const auto& l : f.sides) D += l.h;
    f.sides.clear();  // the surface footing
  }
  ASSERT_NEAR(D / f.radius, row.e, 1e-12) << "the footing the factors were worked for";
  ASSERT_EQ(run(footing_deck(f, load)), 0);
  const auto surface = constants_tables(report, 1);
  ASSERT_EQ(special.size(), 3u);
  ASSERT_EQ(surface.size(), special.size());
  const double factor_K[6] = {row.fh, row.fh, 1, row.fr, row.fr, 1};
  const double factor_C[6] = {row.ch, row.ch, 1, row.cr, row.cr, 1};
  for (std::size_t L = 0; L < special.size(); ++L) {
    for (std::size_t k = 0; k < 6; ++k) {
      SCOPED_TRACE("line " + std::to_string(L + 1) + ", constant " + std::to_string(k + 1));
      EXPECT_TRUE(Near(special[L].K[k], factor_K[k] * surface[L].K[k], 2e-5));
      EXPECT_TRUE(Near(special[L].C[k], factor_C[k] * surface[L].C[k], 2e-5));
    }
  }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(HalfSpaceAndStratum, EmbeddedConstants, ::testing::Values(
  EmbeddedRow{"Stratum",           true,  0.32, 1.29392, 1.771736, 1.268225, 1.039918},
  EmbeddedRow{"HalfSpaceSideSoil", false, 0.48, 1.44088, 2.101891, 1.422858, 1.112938}),
  [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct TransientRow {
  const char* name;
  int n;      // time points
  int bin;    // the load's frequency in cycles over the n points
  double dt;  // interval
};

std::ostream& operator<<(std::ostream& os, const TransientRow& r) { return os << r.name; }

class TransientPath : public DeckRun, public ::testing::WithParamInterface<TransientRow> {};

// A vertical force F cos(2 pi k t / (n dt)) sampled at n points is periodic
// over the record: its time history is the steady harmonic response at that
// frequency, so its amplitude (the root mean square times sqrt 2) is the
// amplitude a harmonic run prints there; a constant force (k = 0) gives the
// displacement of the lowest line at every time.
TEST_P(TransientPath, PeriodicLoadGivesTheHarmonicAmplitude) {
  const TransientRow& row = GetParam();
  Footing f = embedded(false);
  f.matrix = false;
  const double F = 40;
  std::vector<double> samples;
  for (int j = 0; j < row.n; ++j) samples.push_back(F * std::cos(2 * pi * row.bin * j / row.n));
  ASSERT_EQ(run(footing_deck(f, transient_load(row.dt, 3, samples))), 0);
  const auto history = transient_rows(report);
  ASSERT_EQ(history.size(), std::size_t(row.n));
  const double omega = row.bin == 0 ? 0.01 : 2 * pi * row.bin / (row.n * row.dt);
  ASSERT_EQ(run(footing_deck(f, harmonic_load(omega, omega, 1, {0, 0, F, 0, 0, 0}))), 0);
  const auto harmonic = harmonic_rows(report);
  ASSERT_EQ(harmonic.size(), 1u);
  double squares = 0;
  for (const auto& r : history) {
    squares += r.u[2] * r.u[2];
    for (int k : {0, 1, 3, 4, 5}) EXPECT_EQ(r.u[k], 0.0);
    if (row.bin == 0) {
      EXPECT_TRUE(Near(r.u[2], harmonic[0].u[2], 1e-3));
    }
  }
  const double amplitude = std::sqrt((row.bin == 0 ? 1.0 : 2.0) * squares / row.n);
  EXPECT_TRUE(Near(amplitude, harmonic[0].u[2], 1e-3));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Loads, TransientPath, ::testing::Values(
  TransientRow{"ConstantForce",          8, 0, 0.01},
  TransientRow{"EvenPointsSecondBin",    8, 2, 0.01},
  TransientRow{"OddPointsHighestBin",    7, 3, 0.01},
  TransientRow{"OddPointsMiddleBin",     9, 2, 0.02},
  TransientRow{"LongRecordFirstBin",    64, 1, 0.005}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Composite Simpson over an odd number of samples, in double precision.
double simpson(const std::vector<double>& y, double h) {
  double s = y.front() + y.back();
  for (std::size_t i = 1; i + 1 < y.size(); ++i) s += (i % 2 == 1 ? 4 : 2) * y[i];
  return s * h / 3;
}

class RandomPath : public DeckRun {};

// A force spectrum S(w) in x gives the response spectra |H(w)|^2 S(w), H the
// amplitude per unit force that a harmonic run prints at the same frequency
// (in x, and in the rocking about y that the force's lever arm couples in);
// the peak factor and the largest displacement follow from the moments of
// those spectra over the duration.
TEST_F(RandomPath, SpectraAreTheHarmonicAmplitudesSquaredTimesTheLoadSpectrum) {
  Footing f = embedded(false);
  f.matrix = false;
  const int points = 21;
  const double min = 6.28, max = 131.88, duration = 300;
  const double step = (max - min) / (points - 1);
  std::vector<double> S;
  for (int k = 0; k < points; ++k) S.push_back(2.0 / (1 + k * k / 50.0));
  ASSERT_EQ(run(footing_deck(f, random_load(max, min, duration, 1, S))), 0);
  const auto x = spectrum_curve(report, "TRANSLATION");
  const auto ry = spectrum_curve(report, "ROTATION");
  const auto peaks = peak_factors(report);
  ASSERT_EQ(run(footing_deck(f, harmonic_load(max, min, step, {1, 0, 0, 0, 0, 0}))), 0);
  const auto unit = harmonic_rows(report);
  ASSERT_EQ(unit.size(), std::size_t(points));
  ASSERT_EQ(x.size(), unit.size());
  ASSERT_EQ(ry.size(), unit.size());
  ASSERT_EQ(peaks.size(), 6u);
  for (int L = 0; L < points; ++L) {
    SCOPED_TRACE("line " + std::to_string(L + 1));
    EXPECT_TRUE(Near(x[L].first, unit[L].omega, 1e-3));
    EXPECT_TRUE(Near(x[L].second, unit[L].u[0] * unit[L].u[0] * S[L], 1e-3));
    EXPECT_TRUE(Near(ry[L].second, unit[L].u[4] * unit[L].u[4] * S[L], 1e-3));
  }
  for (auto [dof, curve] : {std::pair{0, &x}, std::pair{4, &ry}}) {
    SCOPED_TRACE("degree of freedom " + std::to_string(dof + 1));
    std::vector<double> y0, y2;
    for (int L = 0; L < points; ++L) {
      const double w = min + L * step;
      y0.push_back((*curve)[L].second);
      y2.push_back(w * w * (*curve)[L].second);
    }
    const double m0 = simpson(y0, step), m2 = simpson(y2, step);
    const double fm = std::sqrt(m2 / m0) / (2 * pi);
    const double s = std::sqrt(2 * std::log(duration * fm));
    const double g = s + 0.5772 / s;
    EXPECT_NEAR(peaks[dof].first, g, 0.051);
    EXPECT_TRUE(Near(peaks[dof].second, std::sqrt(m0) * g, 2e-3));
  }
  // Nothing moves in the degrees of freedom the force does not reach.
  for (int dof : {1, 2, 3, 5}) EXPECT_EQ(peaks[dof].second, 0.0) << "degree of freedom " << dof + 1;
}

}  // namespace
}  // namespace zav::testing
