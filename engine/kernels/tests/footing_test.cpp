// Footing impedance functions against the closed-form static stiffnesses of a
// rigid disc, the radiation dashpots of the half-space, hand-worked values of
// the fitted frequency factors, and the quarter-wave resonance of a layer.
#include "kernels/footing.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <complex>
#include <limits>

namespace zav {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kUnchecked = std::numeric_limits<double>::quiet_NaN();

double relative_error(const cplx& got, std::complex<double> expected) {
  return std::abs(std::complex<double>(got) - expected) / std::abs(expected);
}

// ---------------------------------------------------------------------------
// Footing on a viscoelastic half-space

struct HalfSpace {
  cplx horizontal, vertical, rocking1, rocking2, torsion;
};

HalfSpace half_space(real a0, real nu, real D, real rx = 1.0f, real ry = 1.0f, real rt = 1.0f) {
  HalfSpace k;
  FOOTING_IMPEDANCE_COEFFS(a0, nu, D, 1.0f, rx, ry, rt, k.horizontal, k.vertical, k.rocking1, k.rocking2, k.torsion);
  return k;
}

// Static stiffnesses of a rigid disc on an elastic half-space divided by G r
// (translation) or G r^3 (rotation); a complex modulus G (1 + i D) scales each
// by (1 + i D).
struct StaticDisc {
  double horizontal, vertical, rocking, torsion;
};
StaticDisc static_disc(double nu) { return {8.0 / (2.0 - nu), 4.0 / (1.0 - nu), 8.0 / (3.0 * (1.0 - nu)), 16.0 / 3.0}; }

struct StaticRow {
  real nu, D, a0;
  double tolerance;
};

void PrintTo(const StaticRow& r, std::ostream* os) { *os << "nu " << r.nu << " D " << r.D << " a0 " << r.a0; }

class HalfSpaceStaticLimit : public ::testing::TestWithParam<StaticRow> {};

TEST_P(HalfSpaceStaticLimit, TendsToTheRigidDisc) {
  const StaticRow& row = GetParam();
  const HalfSpace k = half_space(row.a0, row.nu, row.D, 1.3f, 0.7f, 1.1f);
  const StaticDisc s = static_disc(row.nu);
  const std::complex<double> material(1.0, row.D);
  EXPECT_LE(relative_error(k.horizontal, s.horizontal * material), row.tolerance);
  EXPECT_LE(relative_error(k.vertical, s.vertical * material), row.tolerance);
  EXPECT_LE(relative_error(k.rocking1, s.rocking * material), row.tolerance);
  EXPECT_LE(relative_error(k.rocking2, s.rocking * material), row.tolerance);
  EXPECT_LE(relative_error(k.torsion, s.torsion * material), row.tolerance);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(ZeroAndTinyFrequency, HalfSpaceStaticLimit, ::testing::Values(
  //        nu      D      a0     tolerance
  StaticRow{0.0f,   0.0f,  0.0f,  1e-6},
  StaticRow{0.25f,  0.0f,  0.0f,  1e-6},
  StaticRow{0.25f,  0.05f, 0.0f,  1e-6},
  StaticRow{0.4f,   0.1f,  0.0f,  1e-6},
  StaticRow{0.45f,  0.2f,  0.0f,  1e-6},
  StaticRow{0.49f,  0.0f,  0.0f,  1e-6},
  StaticRow{0.25f,  0.0f,  1e-4f, 2e-4},
  StaticRow{0.45f,  0.1f,  1e-4f, 2e-4}));
// clang-format on

// The frequency factors k + i a c of the elastic closed forms at a = 1, that
// is the impedance over its static value. Below nu = 0.4:
//   horizontal 1 + 0.65 i
//   vertical   1 - 0.35 (0.64/1.64) + i (0.35 0.8 (0.64/1.64) + 0.75)
//   rocking    1 - 0.5 (0.64/1.64)  + i 0.5 0.8 (0.64/1.64)
// from nu = 0.4 on:
//   horizontal 1 + 0.6 i
//   vertical   1 - 0.17 + 0.85 i
//   rocking    1 - 0.4 (0.64/1.64) - 0.027 + i 0.4 0.8 (0.64/1.64)
// and for every nu torsion 1 - 0.425 (0.471969/1.471969) + i 0.291975 (0.471969/1.471969).
struct ElasticRow {
  real nu;
  std::complex<double> horizontal, vertical, rocking;
};

void PrintTo(const ElasticRow& r, std::ostream* os) { *os << "nu " << r.nu; }

constexpr std::complex<double> kCompressibleH{1.0, 0.65};
constexpr std::complex<double> kCompressibleV{0.8634146341, 0.8592682927};
constexpr std::complex<double> kCompressibleR{0.8048780488, 0.1560975610};
constexpr std::complex<double> kIncompressibleH{1.0, 0.6};
constexpr std::complex<double> kIncompressibleV{0.83, 0.85};
constexpr std::complex<double> kIncompressibleR{0.8169024390, 0.1248780488};
constexpr std::complex<double> kTorsion{0.8637289075, 0.0936182411};

class HalfSpaceElastic : public ::testing::TestWithParam<ElasticRow> {};

TEST_P(HalfSpaceElastic, FrequencyFactorsOfTheCoefficientSet) {
  const ElasticRow& row = GetParam();
  const HalfSpace k = half_space(1.0f, row.nu, 0.0f);
  const StaticDisc s = static_disc(row.nu);
  EXPECT_LE(relative_error(k.horizontal, s.horizontal * row.horizontal), 1e-6);
  EXPECT_LE(relative_error(k.vertical, s.vertical * row.vertical), 1e-6);
  EXPECT_LE(relative_error(k.rocking1, s.rocking * row.rocking), 1e-6);
  EXPECT_LE(relative_error(k.torsion, s.torsion * kTorsion), 1e-6);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(BothSets, HalfSpaceElastic, ::testing::Values(
  ElasticRow{0.0f,                              kCompressibleH,   kCompressibleV,   kCompressibleR},
  ElasticRow{0.25f,                             kCompressibleH,   kCompressibleV,   kCompressibleR},
  ElasticRow{std::nextafter(0.4f, 0.0f),        kCompressibleH,   kCompressibleV,   kCompressibleR},
  ElasticRow{0.4f,                              kIncompressibleH, kIncompressibleV, kIncompressibleR},
  ElasticRow{0.45f,                             kIncompressibleH, kIncompressibleV, kIncompressibleR},
  ElasticRow{0.5f,                              kIncompressibleH, kIncompressibleV, kIncompressibleR}));
// clang-format on

// Viscoelastic soil, worked by hand with p + i q = sqrt(1 + 0.1 i) at
// a0 = 1.5, nu = 1/3, each rotation at its own radius.
TEST(HalfSpaceViscoelastic, HandWorkedCase) {
  const HalfSpace k = half_space(1.5f, 1.0f / 3.0f, 0.1f, 1.2f, 0.8f, 1.1f);
  EXPECT_LE(relative_error(k.horizontal, {4.566291228, 5.165831814}), 2e-6);
  EXPECT_LE(relative_error(k.vertical, {4.407364600, 8.775000386}), 2e-6);
  EXPECT_LE(relative_error(k.rocking1, {2.614045548, 2.255571707}), 2e-6);
  EXPECT_LE(relative_error(k.rocking2, {3.040401884, 1.275997489}), 2e-6);
  EXPECT_LE(relative_error(k.torsion, {4.046716752, 1.908869455}), 2e-6);
}

// A mode of radius r sees the dimensionless frequency a0 r / r0.
TEST(HalfSpaceViscoelastic, RotationsScaleWithTheirOwnRadius) {
  const HalfSpace wide = half_space(0.8f, 0.3f, 0.05f, 2.0f, 0.5f, 1.5f);
  const cplx rocking_at_double = half_space(1.6f, 0.3f, 0.05f).rocking1;
  const cplx rocking_at_half = half_space(0.4f, 0.3f, 0.05f).rocking1;
  const cplx torsion_at_one_and_a_half = half_space(1.2f, 0.3f, 0.05f).torsion;
  EXPECT_LE(relative_error(wide.rocking1, std::complex<double>(rocking_at_double)), 1e-6);
  EXPECT_LE(relative_error(wide.rocking2, std::complex<double>(rocking_at_half)), 1e-6);
  EXPECT_LE(relative_error(wide.torsion, std::complex<double>(torsion_at_one_and_a_half)), 1e-6);
  const HalfSpace plain = half_space(0.8f, 0.3f, 0.05f);
  EXPECT_EQ(wide.horizontal, plain.horizontal);
  EXPECT_EQ(wide.vertical, plain.vertical);
}

// At high frequency an elastic half-space acts on the disc as a dashpot
// rho V A (translation) or rho V J (rotation); divided by G r (or G r^3) per
// unit a0: horizontal pi with the shear velocity, torsion pi/2, vertical pi
// Vp/Vs and rocking (pi/4) Vp/Vs, where a nearly incompressible soil radiates
// with Lysmer's analog velocity 3.4 Vs / (pi (1 - nu)) in place of Vp. The
// fitted coefficients reproduce these to a few per cent.
enum class Mode { Horizontal, Vertical, Rocking, Torsion };

struct DashpotRow {
  real nu;
  Mode mode;
  double dashpot;
};

void PrintTo(const DashpotRow& r, std::ostream* os) { *os << "nu " << r.nu << " mode " << static_cast<int>(r.mode); }

class HalfSpaceRadiation : public ::testing::TestWithParam<DashpotRow> {};

TEST_P(HalfSpaceRadiation, MatchesThePlaneWaveDashpot) {
  const DashpotRow& row = GetParam();
  const real a0 = 200.0f;
  const HalfSpace k = half_space(a0, row.nu, 0.0f);
  const cplx value = row.mode == Mode::Horizontal ? k.horizontal
                     : row.mode == Mode::Vertical ? k.vertical
                     : row.mode == Mode::Rocking  ? k.rocking1
                                                  : k.torsion;
  EXPECT_NEAR(value.imag() / a0 / row.dashpot, 1.0, 0.03);
}

const double kVpOverVsAtOneThird = 2.0;                  // sqrt(2 (1 - nu) / (1 - 2 nu))
const double kLysmerAt045 = 3.4 / (kPi * (1.0 - 0.45));  // analog velocity over Vs

// clang-format off
INSTANTIATE_TEST_SUITE_P(HighFrequency, HalfSpaceRadiation, ::testing::Values(
  DashpotRow{1.0f / 3.0f, Mode::Horizontal, kPi},
  DashpotRow{0.45f,       Mode::Horizontal, kPi},
  DashpotRow{1.0f / 3.0f, Mode::Vertical,   kPi * kVpOverVsAtOneThird},
  DashpotRow{0.45f,       Mode::Vertical,   kPi * kLysmerAt045},
  DashpotRow{1.0f / 3.0f, Mode::Rocking,    kPi / 4 * kVpOverVsAtOneThird},
  DashpotRow{0.45f,       Mode::Rocking,    kPi / 4 * kLysmerAt045},
  DashpotRow{1.0f / 3.0f, Mode::Torsion,    kPi / 2},
  DashpotRow{0.45f,       Mode::Torsion,    kPi / 2}));
// clang-format on

// ---------------------------------------------------------------------------
// Footing on a stratum over a rigid base

// A unit weight equal to g makes the density 1, so G = Vs^2 exactly.
struct StratumInput {
  real omega = 0.0f;
  real E = 0.0f;
  real H = 1e6f;
  real nu = 0.25f;
  real D = 0.0f;
  real Vs = 4.0f;
  real Rh = 1.0f, Rv = 1.0f, Rx = 1.0f, Ry = 1.0f, Rt = 1.0f;
};

struct Stratum {
  cplx horizontal, vertical, coupling_x, coupling_y, rocking_x, rocking_y, torsion;
};

Stratum stratum(const StratumInput& in) {
  const real g = 9.81f;
  Stratum k;
  FOOTING_IMPEDANCE(in.omega, 1.0f, in.E, in.H, in.nu, in.D, g, in.Vs, in.Rh, in.Rv, in.Rx, in.Ry, in.Rt, k.horizontal,
                    k.vertical, k.coupling_x, k.coupling_y, k.rocking_x, k.rocking_y, k.torsion, g);
  return k;
}

struct StratumStaticRow {
  real nu, D;
};

void PrintTo(const StratumStaticRow& r, std::ostream* os) { *os << "nu " << r.nu << " D " << r.D; }

class StratumStaticLimit : public ::testing::TestWithParam<StratumStaticRow> {};

// A surface footing on a very deep stratum at rest: the rigid disc again, in
// force units, with G = 16 and radius 1.5.
TEST_P(StratumStaticLimit, DeepStratumGivesTheRigidDisc) {
  const StratumStaticRow& row = GetParam();
  StratumInput in;
  in.nu = row.nu;
  in.D = row.D;
  in.Rh = in.Rv = in.Rx = in.Ry = in.Rt = 1.5f;
  const Stratum k = stratum(in);
  const double G = 16.0, R = 1.5, nu = row.nu;
  const std::complex<double> material(1.0, row.D);
  const double Kh = 8.0 * G * R / (2.0 - nu);
  EXPECT_LE(relative_error(k.horizontal, Kh * material), 3e-6);
  EXPECT_LE(relative_error(k.vertical, 4.0 * G * R / (1.0 - nu) * material), 3e-6);
  EXPECT_LE(relative_error(k.rocking_x, 8.0 * G * R * R * R / (3.0 * (1.0 - nu)) * material), 3e-6);
  EXPECT_LE(relative_error(k.rocking_y, 8.0 * G * R * R * R / (3.0 * (1.0 - nu)) * material), 3e-6);
  EXPECT_LE(relative_error(k.torsion, 16.0 * G * R * R * R / 3.0 * material), 3e-6);
  // A surface footing's coupling is the small -0.03 R of the horizontal term.
  EXPECT_LE(relative_error(k.coupling_x, -0.03 * R * Kh * material), 3e-6);
  EXPECT_LE(relative_error(k.coupling_y, 0.03 * R * Kh * material), 3e-6);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(AtRest, StratumStaticLimit, ::testing::Values(
  StratumStaticRow{0.25f, 0.0f},
  StratumStaticRow{0.25f, 0.1f},
  StratumStaticRow{0.4f,  0.05f},
  StratumStaticRow{0.0f,  0.2f}));
// clang-format on

// Embedment E = 0.5 in a stratum H = 4, G = 16, nu = 0.25, D = 0.1, worked by
// hand from the depth and embedment factors, e.g. horizontal
// 8 G Rh/(2 - nu) (1 + Rh/(2H)) (1 + 2E/(3Rh)) (1 + 5E/(4H)) = 126.857143.
TEST(StratumStatic, EmbedmentAndDepthFactors) {
  StratumInput in;
  in.E = 0.5f;
  in.H = 4.0f;
  in.D = 0.1f;
  in.Rh = 1.0f;
  in.Rv = 1.2f;
  in.Rx = 0.9f;
  in.Ry = 1.1f;
  in.Rt = 1.05f;
  const Stratum k = stratum(in);
  const std::complex<double> material(1.0, 0.1);
  EXPECT_LE(relative_error(k.horizontal, 126.857142857 * material), 2e-6);
  EXPECT_LE(relative_error(k.vertical, 187.229980444 * material), 2e-6);
  EXPECT_LE(relative_error(k.rocking_x, 98.783280000 * material), 2e-6);
  EXPECT_LE(relative_error(k.rocking_y, 164.408346667 * material), 2e-6);
  EXPECT_LE(relative_error(k.torsion, 224.380800000 * material), 2e-6);
  EXPECT_LE(relative_error(k.coupling_x, 21.946285714 * material), 2e-6);
  EXPECT_LE(relative_error(k.coupling_y, -21.185142857 * material), 2e-6);
}

// The frequency factors k + i a c of each mode, read as the impedance over
// its value at rest. Vs = 4 and unit radii, so a = omega/4; omega = 2 x 3.14159
// is f = 1 Hz exactly in the stratum's arithmetic. Shear resonance Vs/(4H),
// compression resonance Vp/(4H); nu = 0.4375 makes Vp = 3 Vs exactly.
struct FactorRow {
  const char* what;
  real omega, nu, D, H;
  double ch, ct, cv, cx, kx, kt;
};

void PrintTo(const FactorRow& r, std::ostream* os) { *os << r.what; }

constexpr real kOneHertz = 2.0f * 3.14159f;
const real kAboveOneHertz = std::nextafter(kOneHertz, 10.0f);
const double kA = 1.570795;  // omega / 4 at one hertz

class StratumFactors : public ::testing::TestWithParam<FactorRow> {};

TEST_P(StratumFactors, DampingAndStiffnessCoefficients) {
  const FactorRow& row = GetParam();
  StratumInput in;
  in.nu = row.nu;
  in.D = row.D;
  in.H = row.H;
  const Stratum at_rest = stratum(in);
  in.omega = row.omega;
  const Stratum k = stratum(in);
  const double a = row.omega / 4.0;
  auto factor = [](cplx dynamic, cplx rest) { return std::complex<double>(dynamic) / std::complex<double>(rest); };
  const std::complex<double> h = factor(k.horizontal, at_rest.horizontal);
  const std::complex<double> v = factor(k.vertical, at_rest.vertical);
  const std::complex<double> r = factor(k.rocking_x, at_rest.rocking_x);
  const std::complex<double> t = factor(k.torsion, at_rest.torsion);
  EXPECT_NEAR(h.real(), 1.0, 1e-6);
  EXPECT_NEAR(v.real(), 1.0, 1e-6);
  if (!std::isnan(row.ch)) {
    EXPECT_NEAR(h.imag() / a, row.ch, 2e-6);
  }
  if (!std::isnan(row.cv)) {
    EXPECT_NEAR(v.imag() / a, row.cv, 2e-6);
  }
  if (!std::isnan(row.cx)) {
    EXPECT_NEAR(r.imag() / a, row.cx, 2e-6);
  }
  if (!std::isnan(row.kx)) {
    EXPECT_NEAR(r.real(), row.kx, 2e-6);
  }
  if (!std::isnan(row.ct)) {
    EXPECT_NEAR(t.imag() / a, row.ct, 2e-6);
  }
  if (!std::isnan(row.kt)) {
    EXPECT_NEAR(t.real(), row.kt, 2e-6);
  }
  // The rocking about y mirrors the rocking about x for equal radii.
  EXPECT_EQ(k.rocking_y, k.rocking_x);
}

const double kU = kUnchecked;
// clang-format off
INSTANTIATE_TEST_SUITE_P(Branches, StratumFactors, ::testing::Values(
  //        what                                     omega           nu       D     H     ch         ct          cv          cx          kx        kt
  FactorRow{"below both resonances",                 kOneHertz,      0.25f,   0.1f, 0.5f, 0.0209677, 0.00483871, 0.0104547,  0.00780203, 0.685841, 0.791084},
  FactorRow{"at the shear resonance",                kOneHertz,      0.25f,   0.1f, 1.0f, 0.325,     0.075,      0.0276303,  0.0206197,  kU,       kU},
  FactorRow{"just above the shear resonance",        kAboveOneHertz, 0.25f,   0.1f, 1.0f, 0.6,       0.165694,   kU,         kU,         kU,       kU},
  FactorRow{"elastic stratum at its shear resonance",kOneHertz,      0.25f,   0.0f, 1.0f, 0.0,       0.0,        0.0,        0.0,        kU,       kU},
  FactorRow{"at the compression resonance",          kOneHertz,      0.4375f, 0.1f, 3.0f, 0.6,       0.165694,   0.335,      0.25,       kU,       kU},
  FactorRow{"elastic stratum at compression",        kOneHertz,      0.4375f, 0.0f, 3.0f, 0.6,       kU,         0.0,        0.0,        kU,       kU},
  FactorRow{"just above the compression resonance",  kAboveOneHertz, 0.4375f, 0.1f, 3.0f, 0.6,       kU,         0.85,       0.213480,   kU,       kU},
  FactorRow{"a = 2.5 exactly",                       10.0f,          0.25f,   0.1f, 1.0f, kU,        kU,         kU,         kU,         0.5,      0.6675},
  FactorRow{"a = 3 exactly",                         12.0f,          0.25f,   0.1f, 1.0f, kU,        kU,         kU,         kU,         0.5,      0.6},
  FactorRow{"just below a = 3",                      std::nextafter(12.0f, 0.0f),
                                                                     0.25f,   0.1f, 1.0f, kU,        kU,         kU,         kU,         0.5,      0.601},
  FactorRow{"nearly incompressible, a = 3",          12.0f,          0.45f,   0.1f, 1.0f, kU,        kU,         kU,         kU,         0.4,      0.6}));
// clang-format on

// The vertical damping is formed with the dimensionless frequency of the
// horizontal radius: above the compression resonance ah 0.85 with
// ah = omega Rh / Vs, whatever Rv.
TEST(StratumVertical, DampingTakesTheHorizontalRadius) {
  StratumInput in;
  in.nu = 0.4375f;
  in.H = 3.0f;
  in.D = 0.1f;
  in.Rh = 2.0f;
  const Stratum at_rest = stratum(in);
  in.omega = kAboveOneHertz;
  const Stratum k = stratum(in);
  const std::complex<double> v = std::complex<double>(k.vertical) / std::complex<double>(at_rest.vertical);
  EXPECT_NEAR(v.imag(), kAboveOneHertz * 2.0 / 4.0 * 0.85, 2e-6);
}

// ---------------------------------------------------------------------------
// Resonance frequencies of the layered soil

struct Layers {
  real count;
  std::array<real, 3> h, Vs, nu;
  LayerColumns columns() const { return {count, h.data(), Vs.data(), nu.data()}; }
};

struct LayerRow {
  const char* what;
  int tip;
  Layers profile, side;
  real Vs_below;
  double omega1, omegac;
  double tolerance = 2e-6;
};

void PrintTo(const LayerRow& r, std::ostream* os) { *os << r.what; }

class LayerResonance : public ::testing::TestWithParam<LayerRow> {};

TEST_P(LayerResonance, ShearAndCompressionFrequencies) {
  const LayerRow& row = GetParam();
  real omega1 = -1.0f, omegac = -1.0f;
  LAYER_FREQUENCIES(row.tip, row.profile.columns(), row.side.columns(), row.Vs_below, omega1, omegac);
  EXPECT_NEAR(omega1, row.omega1, row.tolerance * row.omega1);
  EXPECT_NEAR(omegac, row.omegac, row.tolerance * row.omegac);
}

const Layers kNone{0.0f, {}, {}, {}};
const Layers kOneLayer{1.0f, {10.0f}, {100.0f}, {1.0f / 3.0f}};
const Layers kTwoLayers{2.0f, {2.0f, 3.0f}, {100.0f, 150.0f}, {0.3f, 0.35f}};
const Layers kOneSideLayer{1.0f, {1.0f}, {80.0f}, {0.25f}};
// A third layer far thicker and softer than the others: counted, it would
// change everything.
const Layers kCountOneAndAHalf{1.5f, {2.0f, 3.0f, 1000.0f}, {100.0f, 150.0f, 1.0f}, {0.3f, 0.35f, 0.0f}};
const Layers kCountJustBelowAHalf{0.49f, {1000.0f}, {1.0f}, {0.0f}};
const Layers kIncompressible{1.0f, {10.0f}, {100.0f}, {0.5f}};
const Layers kStiff{1.0f, {10.0f}, {300.0f}, {0.3f}};

// One layer of thickness H on a stiffer base resonates at the quarter wave,
// omega1 = pi Vs / (2H), and in compression at omega1 Vp/Vs (2 for nu = 1/3).
// Several layers are averaged by thickness: H = 6, Vs = 121.6667,
// nu = 0.3166667 for the profile and side layers together. With 0.499,
// 1 - 2 nu = 0.002 keeps only four digits of the single-precision 0.499.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Stratum, LayerResonance, ::testing::Values(
  //       what                                    tip  profile            side                  below   omega1      omegac      tolerance
  LayerRow{"one layer, quarter wave",              1,   kOneLayer,         kNone,                300.0f, 15.7079633, 31.4159265},
  LayerRow{"profile and side layers together",     1,   kTwoLayers,        kOneSideLayer,        200.0f, 31.8522588, 61.4944359},
  LayerRow{"counts round half away from zero",     1,   kCountOneAndAHalf, kCountJustBelowAHalf, 200.0f, 40.8407045, 81.0785859},
  LayerRow{"incompressible mean taken as 0.499",   1,   kIncompressible,   kNone,                300.0f, 15.7079633, 351.591802, 2e-5},
  LayerRow{"profile stiffer than the soil below",  1,   kStiff,            kNone,                200.0f, 0.0,        0.0},
  LayerRow{"profile as stiff as the soil below",   1,   kOneLayer,         kNone,                100.0f, 0.0,        0.0},
  LayerRow{"floating tip",                         0,   kOneLayer,         kNone,                300.0f, 0.0,        0.0},
  LayerRow{"negative tip switch",                  -1,  kOneLayer,         kNone,                300.0f, 0.0,        0.0},
  LayerRow{"no layers",                            1,   kNone,             kNone,                300.0f, 0.0,        0.0}));
// clang-format on

}  // namespace
}  // namespace zav
