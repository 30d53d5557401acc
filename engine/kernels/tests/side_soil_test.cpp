// The side soil reaction against independent references: the plane-strain
// closed forms of Novak's homogeneous medium evaluated in extended precision,
// the static torsion and rocking of a cylinder, a double-precision numerical
// integration across the parabolic weakened zone, the static stiffness of a
// clamped annulus, and hand-worked low-frequency rules.
#include "kernels/side_soil.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <ostream>

#include "kernels/tests/bessel_reference.h"

namespace zav {
namespace {

using test::lcplx;
using test::reference_bessel_k;
using dcplx = std::complex<double>;

constexpr double kPi = 3.14159265358979323846;

struct Reactions {
  cplx horizontal, vertical, rocking_x, rocking_y, torsion;
};

struct Soil {
  real nu = 0.3f, D = 0.05f;
  real m = 1.0f, Dw = 0.05f, t = 0.0f;
  real r0 = 1.0f, rx = 1.0f, ry = 1.0f, rt = 1.0f;
};

Reactions react(real a0, const Soil& soil, bool below_shear = false, bool below_compression = false) {
  Reactions r;
  SIDE_SOIL_REACTION(a0, soil.nu, soil.D, soil.m, 0.3f, soil.Dw, soil.t, soil.r0, soil.rx, soil.ry, soil.rt,
                     r.horizontal, r.vertical, r.rocking_x, r.rocking_y, r.torsion, below_shear, below_compression);
  return r;
}

double relative_error(const cplx& got, dcplx expected) { return std::abs(dcplx(got) - expected) / std::abs(expected); }

dcplx K(int n, dcplx z) { return dcplx(reference_bessel_k(n, lcplx(z))); }

// Novak's plane-strain reactions of the homogeneous medium, per unit G.
dcplx shear_argument(double a, double D) { return dcplx(0.0, a) / std::sqrt(dcplx(1.0, D)); }

dcplx novak_horizontal(double a, double nu, double D) {
  const dcplx x = shear_argument(a, D);
  if (nu >= 0.5) return -kPi * a * a * (4.0 * K(1, x) + x * K(0, x)) / (x * K(0, x));
  const dcplx y = x / std::sqrt(2.0 * (1.0 - nu) / (1.0 - 2.0 * nu));
  const dcplx num = 4.0 * K(1, y) * K(1, x) + x * K(1, y) * K(0, x) + y * K(0, y) * K(1, x);
  const dcplx den = y * K(0, y) * K(1, x) + x * K(1, y) * K(0, x) + x * y * K(0, y) * K(0, x);
  return -kPi * a * a * num / den;
}
dcplx novak_vertical(double a, double D) {
  const dcplx x = shear_argument(a, D);
  return 2.0 * kPi * dcplx(1.0, D) * x * K(1, x) / K(0, x);
}
// x K0(x) / K1(x), the dynamic part of rocking and torsion.
dcplx rotation_q(double a, double D) {
  const dcplx x = shear_argument(a, D);
  return x * K(0, x) / K(1, x);
}

// ---------------------------------------------------------------------------
// Homogeneous medium

struct HomogeneousRow {
  real a0, nu, D;
  double tolerance;
};
void PrintTo(const HomogeneousRow& r, std::ostream* os) { *os << "a0 " << r.a0 << " nu " << r.nu << " D " << r.D; }

class Homogeneous : public ::testing::TestWithParam<HomogeneousRow> {};

TEST_P(Homogeneous, MatchesTheClosedFormsAboveTheLowFrequencyRange) {
  const HomogeneousRow& row = GetParam();
  Soil soil;
  soil.nu = row.nu;
  soil.D = row.D;
  const Reactions r = react(row.a0, soil);
  EXPECT_LE(relative_error(r.horizontal, novak_horizontal(row.a0, row.nu, row.D)), row.tolerance);
  EXPECT_LE(relative_error(r.vertical, novak_vertical(row.a0, row.D)), row.tolerance);
  const dcplx q = rotation_q(row.a0, row.D);
  EXPECT_LE(relative_error(r.rocking_x, kPi * dcplx(1.0, row.D) * (1.0 + q)), row.tolerance);
  EXPECT_LE(relative_error(r.torsion, 2.0 * kPi * dcplx(1.0, row.D) * (2.0 + q)), row.tolerance);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Frequencies, Homogeneous, ::testing::Values(
  //             a0     nu     D      tolerance
  HomogeneousRow{0.3f,  0.25f, 0.0f,  2e-5},
  HomogeneousRow{0.3f,  0.4f,  0.1f,  2e-5},
  HomogeneousRow{0.75f, 0.3f,  0.05f, 2e-5},
  HomogeneousRow{1.5f,  0.45f, 0.02f, 2e-5},
  HomogeneousRow{2.5f,  0.2f,  0.2f,  5e-5},
  HomogeneousRow{1.0f,  0.5f,  0.05f, 2e-5}));
// clang-format on

// Rocking and torsion of one cylinder: torsion over rocking is
// 2 (2 + q)/(1 + q), q = x K0(x)/K1(x), at the frequency itself, however low.
class RockingAndTorsion : public ::testing::TestWithParam<real> {};

TEST_P(RockingAndTorsion, DifferByTheFactorOfTheTwoModes) {
  const real a0 = GetParam();
  Soil soil;
  soil.r0 = soil.rx = soil.ry = soil.rt = 0.4f;
  const Reactions r = react(a0, soil);
  EXPECT_EQ(r.rocking_x, r.rocking_y);
  const dcplx q = rotation_q(a0, soil.D);
  const dcplx ratio = dcplx(r.torsion) / dcplx(r.rocking_x);
  EXPECT_LE(std::abs(ratio - 2.0 * (2.0 + q) / (1.0 + q)) / std::abs(ratio), 1e-5);
  EXPECT_LE(relative_error(r.rocking_x, kPi * dcplx(1.0, soil.D) * (1.0 + q)), 1e-5);
}

INSTANTIATE_TEST_SUITE_P(Frequencies, RockingAndTorsion, ::testing::Values(0.01f, 0.05f, 0.29f, 0.3f, 1.0f, 3.0f));

TEST(SideSoilReaction, StaticTorsionAndRockingOfACylinder) {
  // A twisted cylinder: u = phi r0^2 / r, torque 4 pi G r0^2 phi. Rocked
  // antiplane: w = psi r0^2 cos(theta) / r, moment pi G r0^2 psi.
  Soil soil;
  soil.D = 0.1f;
  const Reactions r = react(1e-4f, soil);
  const dcplx material(1.0, soil.D);
  EXPECT_LE(relative_error(r.torsion, 4.0 * kPi * material), 1e-6);
  EXPECT_LE(relative_error(r.rocking_x, kPi * material), 1e-6);
}

TEST(SideSoilReaction, RotationsUseTheirOwnRadii) {
  Soil soil;
  soil.r0 = 2.0f;
  soil.rx = 1.0f;
  soil.ry = 3.0f;
  soil.rt = 2.5f;
  const real a0 = 0.8f;
  const Reactions r = react(a0, soil);
  const dcplx material(1.0, soil.D);
  EXPECT_LE(relative_error(r.rocking_x, kPi * material * (1.0 + rotation_q(0.4, soil.D))), 1e-5);
  EXPECT_LE(relative_error(r.rocking_y, kPi * material * (1.0 + rotation_q(1.2, soil.D))), 1e-5);
  EXPECT_LE(relative_error(r.torsion, 2.0 * kPi * material * (2.0 + rotation_q(1.0, soil.D))), 1e-5);
}

TEST(SideSoilReaction, IncompressibleSoilIsTheLimitOfTheCompressibleOne) {
  Soil soil;
  soil.nu = 0.5f;
  const Reactions incompressible = react(0.8f, soil);
  soil.nu = 0.4999f;
  const Reactions nearly = react(0.8f, soil);
  EXPECT_TRUE(std::isfinite(std::abs(incompressible.horizontal)));
  EXPECT_LE(relative_error(incompressible.horizontal, dcplx(nearly.horizontal)), 1e-3);
}

TEST(SideSoilReaction, NoFrequencyNoReaction) {
  for (real a0 : {0.0f, -1.0f}) {
    const Reactions r = react(a0, Soil{});
    EXPECT_EQ(r.horizontal, cplx(0.0f));
    EXPECT_EQ(r.vertical, cplx(0.0f));
    EXPECT_EQ(r.rocking_x, cplx(0.0f));
    EXPECT_EQ(r.rocking_y, cplx(0.0f));
    EXPECT_EQ(r.torsion, cplx(0.0f));
  }
}

// ---------------------------------------------------------------------------
// Low-frequency rules

// At a0 = 0.3 both translations are at their own frequency, unscaled.
TEST(SideSoilReaction, AtTheHorizontalFloorNothingIsScaled) {
  const Soil soil;
  const Reactions r = react(0.3f, soil);
  EXPECT_LE(relative_error(r.horizontal, novak_horizontal(0.3, soil.nu, soil.D)), 2e-5);
  EXPECT_LE(relative_error(r.vertical, novak_vertical(0.3, soil.D)), 2e-5);
}

TEST(SideSoilReaction, JustBelowTheFloorTheDampingPassesLinearly) {
  const Soil soil;
  const Reactions r = react(0.29f, soil);
  const double f = 0.29 / 0.3;
  const dcplx Su = novak_horizontal(0.3, soil.nu, soil.D);
  EXPECT_NEAR(r.horizontal.real(), Su.real(), 2e-5 * Su.real());
  EXPECT_NEAR(r.horizontal.imag(), soil.D * Su.real() * (1.0 - f) + Su.imag() * f, 2e-5 * std::abs(Su));
  const dcplx Sw = novak_vertical(0.29, soil.D);
  EXPECT_NEAR(r.vertical.real(), Sw.real(), 2e-5 * Sw.real());
  EXPECT_NEAR(r.vertical.imag(), Sw.imag() * f, 2e-5 * std::abs(Sw));
}

TEST(SideSoilReaction, VeryLowVerticalDampingBlendsTheTwoFloors) {
  const Soil soil;
  const Reactions r = react(0.05f, soil);
  const dcplx Sw05 = novak_vertical(0.05, soil.D);
  const dcplx Sw10 = novak_vertical(0.1, soil.D);
  EXPECT_NEAR(r.vertical.real(), Sw05.real(), 2e-5 * Sw05.real());
  EXPECT_NEAR(r.vertical.imag(), soil.D * Sw05.real() * 0.5 + Sw10.imag() * 0.5, 2e-5 * std::abs(Sw05));
  // Below the floor of 0.05 the vertical real part stays there.
  const Reactions lower = react(0.01f, soil);
  EXPECT_NEAR(lower.vertical.real(), Sw05.real(), 2e-5 * Sw05.real());
}

struct SwitchRow {
  real a0, D;
};
void PrintTo(const SwitchRow& r, std::ostream* os) { *os << "a0 " << r.a0 << " D " << r.D; }

class BothSwitches : public ::testing::TestWithParam<SwitchRow> {};

// Below the stratum frequencies no wave carries energy away: each translation
// keeps its stiffness and only material damping on a quasi-static stiffness.
TEST_P(BothSwitches, LeaveMaterialDampingOnly) {
  const SwitchRow& row = GetParam();
  Soil soil;
  soil.D = row.D;
  const Reactions r = react(row.a0, soil, true, true);
  const double abar = std::max<double>(row.a0, 0.3);
  const dcplx Su = novak_horizontal(abar, soil.nu, row.D);
  EXPECT_NEAR(r.horizontal.real(), Su.real(), 2e-5 * Su.real());
  EXPECT_NEAR(r.horizontal.imag(), row.D * novak_horizontal(0.3, soil.nu, row.D).real(), 2e-5 * Su.real());
  const dcplx Sw = novak_vertical(std::max<double>(row.a0, 0.05), row.D);
  EXPECT_NEAR(r.vertical.real(), Sw.real(), 2e-5 * Sw.real());
  EXPECT_NEAR(r.vertical.imag(), row.D * novak_vertical(0.05, row.D).real(), 2e-5 * Sw.real());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(FrequencyAndDamping, BothSwitches, ::testing::Values(
  SwitchRow{0.02f, 0.05f},
  SwitchRow{0.2f,  0.05f},
  SwitchRow{0.8f,  0.1f},
  SwitchRow{0.8f,  0.0f}));
// clang-format on

// Below the stratum's shear frequency every layer of it loses its horizontal
// radiation damping, whatever was computed before: the reaction of a call
// depends on its arguments alone.
TEST(SideSoilReaction, TheSwitchesHoldForEveryCall) {
  const Soil soil;
  const Reactions first = react(0.8f, soil, true);
  const Reactions again = react(0.8f, soil, true);
  const Reactions radiating = react(0.8f, soil);
  EXPECT_EQ(again.horizontal, first.horizontal);
  EXPECT_EQ(react(0.8f, soil).horizontal, radiating.horizontal);
  EXPECT_LT(first.horizontal.imag(), radiating.horizontal.imag());
}

// ---------------------------------------------------------------------------
// Weakened zone

// Integrates the antiplane equations of the zone, whose modulus relative to
// the outer soil is g = 1 - kappa^2 (R - rho)^2, in double precision from the
// outer radius R (rho = r / r0), where the outer solution K_n(k rho) gives
// the start, in to the cylinder.
enum class Mode { vertical, rocking, torsion };

dcplx integrate_zone(Mode mode, dcplx k, double R, dcplx mu) {
  const dcplx kappa2 = (1.0 - mu) / ((R - 1.0) * (R - 1.0));
  auto g = [&](double rho) { return 1.0 - kappa2 * (R - rho) * (R - rho); };
  // y[0] = w; y[1] = g w' (vertical, rocking) or rho^3 g (w/rho)' (torsion).
  auto f = [&](double rho, const dcplx* y, dcplx* dy) {
    switch (mode) {
      case Mode::vertical:
        dy[0] = y[1] / g(rho);
        dy[1] = -y[1] / rho + k * k * y[0];
        break;
      case Mode::rocking:
        dy[0] = y[1] / g(rho);
        dy[1] = -y[1] / rho + g(rho) * y[0] / (rho * rho) + k * k * y[0];
        break;
      case Mode::torsion:
        dy[0] = y[0] / rho + y[1] / (rho * rho * g(rho));
        dy[1] = k * k * rho * rho * y[0];
        break;
    }
  };
  dcplx y[2];
  const dcplx kR = k * R;
  if (mode == Mode::vertical) {
    y[0] = K(0, kR);
    y[1] = -k * K(1, kR);
  } else {
    y[0] = K(1, kR);
    const dcplx slope = -k * (K(0, kR) + K(1, kR) / kR);
    y[1] = mode == Mode::rocking ? slope : R * R * R * (slope / R - y[0] / (R * R));
  }
  const int steps = 4000;
  const double h = (1.0 - R) / steps;
  double rho = R;
  for (int i = 0; i < steps; ++i) {
    dcplx k1[2], k2[2], k3[2], k4[2], t[2];
    f(rho, y, k1);
    for (int j = 0; j < 2; ++j) t[j] = y[j] + 0.5 * h * k1[j];
    f(rho + 0.5 * h, t, k2);
    for (int j = 0; j < 2; ++j) t[j] = y[j] + 0.5 * h * k2[j];
    f(rho + 0.5 * h, t, k3);
    for (int j = 0; j < 2; ++j) t[j] = y[j] + h * k3[j];
    f(rho + h, t, k4);
    for (int j = 0; j < 2; ++j) y[j] += h / 6.0 * (k1[j] + 2.0 * k2[j] + 2.0 * k3[j] + k4[j]);
    rho += h;
  }
  // Traction at the cylinder per unit displacement, in the outer modulus.
  return -y[1] / y[0];
}

struct ZoneRow {
  real a0, D, m, Dw, thickness;
  double tolerance;
};
void PrintTo(const ZoneRow& r, std::ostream* os) {
  *os << "a0 " << r.a0 << " D " << r.D << " m " << r.m << " Dw " << r.Dw << " t " << r.thickness;
}

class ParabolicZone : public ::testing::TestWithParam<ZoneRow> {};

TEST_P(ParabolicZone, MatchesANumericalIntegrationAcrossTheZone) {
  const ZoneRow& row = GetParam();
  Soil soil;
  soil.D = row.D;
  soil.m = row.m;
  soil.Dw = row.Dw;
  soil.t = row.thickness;
  soil.r0 = soil.rx = soil.ry = soil.rt = 0.5f;
  const Reactions r = react(row.a0, soil);
  const double R = (0.5 + row.thickness) / 0.5;
  const dcplx s = std::sqrt(dcplx(1.0, row.D));
  const dcplx outer(1.0, row.D);
  const dcplx mu = static_cast<double>(row.m) * dcplx(1.0, row.Dw) / outer;
  const double b = std::max(row.a0 * R, 0.05);
  const dcplx kv = dcplx(0.0, b) / (R * s);
  const dcplx kr = dcplx(0.0, row.a0) / s;
  const dcplx vertical = 2.0 * kPi * outer * integrate_zone(Mode::vertical, kv, R, mu);
  const dcplx rocking = kPi * outer * integrate_zone(Mode::rocking, kr, R, mu);
  const dcplx torsion = 2.0 * kPi * outer * integrate_zone(Mode::torsion, kr, R, mu);
  EXPECT_LE(relative_error(r.vertical, vertical), row.tolerance);
  EXPECT_LE(relative_error(r.rocking_x, rocking), row.tolerance);
  EXPECT_EQ(r.rocking_x, r.rocking_y);
  EXPECT_LE(relative_error(r.torsion, torsion), row.tolerance);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Zones, ParabolicZone, ::testing::Values(
  //      a0     D      m       Dw     thickness  tolerance
  ZoneRow{0.5f,  0.05f, 0.5f,   0.05f, 0.25f,     1e-4},
  ZoneRow{0.5f,  0.05f, 0.25f,  0.1f,  0.25f,     1e-4},
  ZoneRow{1.0f,  0.05f, 0.25f,  0.1f,  0.5f,      1e-4},
  ZoneRow{0.4f,  0.02f, 0.7f,   0.2f,  1.0f,      1e-4},
  // Soft zones, whose series converge slowly.
  ZoneRow{0.5f,  0.05f, 0.1f,   0.1f,  0.25f,     2e-4},
  ZoneRow{0.5f,  0.05f, 0.05f,  0.1f,  0.25f,     5e-4},
  // Nearly the soil's modulus, where the plain coefficients overflow.
  ZoneRow{0.5f,  0.05f, 0.999f, 0.05f, 0.25f,     1e-4},
  ZoneRow{2.0f,  0.1f,  0.99f,  0.1f,  0.5f,      1e-4},
  // Thick zone.
  ZoneRow{0.3f,  0.05f, 0.5f,   0.05f, 5.0f,      1e-4}));
// clang-format on

class ZoneTowardsTheSoil : public ::testing::TestWithParam<real> {};

TEST_P(ZoneTowardsTheSoil, TendsToTheHomogeneousResult) {
  // Above the low-frequency range the parabolic zone continues the outer
  // solution exactly, so a zone of nearly the soil's modulus is no zone.
  const real m = GetParam();
  Soil soil;
  soil.r0 = soil.rx = soil.ry = soil.rt = 0.5f;
  const Reactions homogeneous = react(0.6f, soil);
  soil.m = m;
  soil.t = 0.25f;
  const Reactions zone = react(0.6f, soil);
  const double tolerance = 2.0 * (1.0 - m) + 2e-5;
  EXPECT_LE(relative_error(zone.vertical, dcplx(homogeneous.vertical)), tolerance);
  EXPECT_LE(relative_error(zone.rocking_x, dcplx(homogeneous.rocking_x)), tolerance);
  EXPECT_LE(relative_error(zone.torsion, dcplx(homogeneous.torsion)), tolerance);
}

INSTANTIATE_TEST_SUITE_P(Ratios, ZoneTowardsTheSoil, ::testing::Values(0.99f, 0.999f));

TEST(WeakenedZone, AboveTheNoZoneRatioItIsTheHomogeneousMedium) {
  Soil soil;
  const Reactions homogeneous = react(0.6f, soil);
  soil.t = 0.5f;
  for (real m : {0.9995f, 1.0f, 1.5f}) {
    soil.m = m;
    const Reactions r = react(0.6f, soil);
    EXPECT_EQ(r.horizontal, homogeneous.horizontal) << m;
    EXPECT_EQ(r.vertical, homogeneous.vertical) << m;
    EXPECT_EQ(r.torsion, homogeneous.torsion) << m;
  }
}

TEST(WeakenedZone, WithoutStiffnessItTransmitsNothing) {
  Soil soil;
  soil.t = 0.5f;
  soil.m = 0.0f;
  const Reactions r = react(0.6f, soil);
  EXPECT_EQ(r.horizontal, cplx(0.0f));
  EXPECT_EQ(r.vertical, cplx(0.0f));
  EXPECT_EQ(r.torsion, cplx(0.0f));
}

TEST(WeakenedZone, VerticalIgnoresTheSwitchAndTheBlendAndRotationsTheirRadii) {
  Soil soil;
  soil.m = 0.5f;
  soil.t = 0.3f;
  const Reactions plain = react(0.05f, soil);
  const Reactions switched = react(0.05f, soil, false, true);
  EXPECT_EQ(plain.vertical, switched.vertical);
  soil.rx = 0.5f;
  soil.ry = 2.0f;
  soil.rt = 3.0f;
  const Reactions radii = react(0.05f, soil);
  EXPECT_EQ(radii.rocking_x, plain.rocking_x);
  EXPECT_EQ(radii.rocking_y, plain.rocking_x);
  EXPECT_EQ(radii.torsion, plain.torsion);
}

// Static stiffness per unit G of a rigid disc of radius 1 inside an annulus
// clamped at radius b, in plane strain (Navier's equations, cos-theta mode).
double clamped_annulus(double nu, double b) {
  const double c = 3.0 - 4.0 * nu;
  return 8.0 * kPi * (1.0 - nu) / (c * std::log(b) - (b * b - 1.0) / (c * (b * b + 1.0)));
}

struct RingRow {
  real nu, m, thickness;
};
void PrintTo(const RingRow& r, std::ostream* os) { *os << "nu " << r.nu << " m " << r.m << " t " << r.thickness; }

class HorizontalZone : public ::testing::TestWithParam<RingRow> {};

// A thin elastic ring moves nearly statically; its stiffness, scaled by the
// factor 1.2 of the zone model, acts in series with the outer soil at the
// zone's outer radius.
TEST_P(HorizontalZone, ThinRingInSeriesWithTheSoil) {
  const RingRow& row = GetParam();
  Soil soil;
  soil.nu = row.nu;
  soil.D = soil.Dw = 0.0f;
  soil.m = row.m;
  soil.t = row.thickness;
  const real a0 = 0.3f;
  const Reactions r = react(a0, soil);
  const double R = 1.0 + row.thickness;
  const double nu = std::min<double>(row.nu, 0.499);
  const dcplx Su = novak_horizontal(a0 * R, row.nu, 0.0);
  const double X = 1.2 * row.m * clamped_annulus(nu, R);
  EXPECT_LE(relative_error(r.horizontal, Su / (1.0 + Su / X)), 3e-3);
  EXPECT_TRUE(std::isfinite(std::abs(r.horizontal)));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rings, HorizontalZone, ::testing::Values(
  //      nu     m      thickness
  RingRow{0.25f, 0.5f,  0.05f},
  RingRow{0.3f,  0.2f,  0.1f},
  RingRow{0.45f, 0.7f,  0.05f},
  // Incompressible soil: the ring is taken at nu = 0.499.
  RingRow{0.5f,  0.5f,  0.05f}));
// clang-format on

}  // namespace
}  // namespace zav
