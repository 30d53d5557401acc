#include "kernels/group_factors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>
#include <ostream>
#include <vector>

#include "group_deck.h"

namespace zav {
namespace {

constexpr double PI = std::numbers::pi;

// |got - expected| within tol relative to the larger of |expected| and scale.
void expect_close(double got, double expected, double tol, double scale = 1e-3) {
  EXPECT_LE(std::abs(got - expected), tol * std::max(std::abs(expected), scale))
      << "got " << got << ", expected " << expected;
}

void expect_close(cplx got, std::complex<double> expected, double tol, double scale) {
  EXPECT_LE(std::abs(std::complex<double>(got) - expected), tol * scale) << "got " << got << ", expected " << expected;
}

// ---------------------------------------------------------------- INTERP3

struct Interp3Row {
  real x;
  real expected;
  const char* what;
  friend void PrintTo(const Interp3Row& r, std::ostream* os) { *os << "x " << r.x; }
};

class Interp3 : public testing::TestWithParam<Interp3Row> {};

// Through (2, 1), (5, 4), (10, 9): hand values on both segments and beyond.
TEST_P(Interp3, FollowsTheTwoSegments) {
  const Interp3Row& row = GetParam();
  SCOPED_TRACE(row.what);
  real y = -99.0f;
  INTERP3(1.0f, 4.0f, 9.0f, row.x, y);
  EXPECT_NEAR(y, row.expected, 1e-5f);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(NodesAndSegments, Interp3, testing::Values(
    Interp3Row{ 2.0f,  1.0f, "node 2"},
    Interp3Row{ 5.0f,  4.0f, "node 5, both formulas meet"},
    Interp3Row{10.0f,  9.0f, "node 10"},
    Interp3Row{ 3.5f,  2.5f, "between 2 and 5"},
    Interp3Row{ 7.5f,  6.5f, "between 5 and 10"},
    Interp3Row{ 0.0f, -1.0f, "below 2 the first segment goes on"},
    Interp3Row{12.0f, 11.0f, "above 10 the second segment goes on"},
    Interp3Row{20.0f, 19.0f, "far above 10, still unclamped"}));
// clang-format on

// ---------------------------------------------------------------- static axial factor

struct AxialArgs {
  real s_d, L_d, K, Eb_Es, nu_s, db_d;
  friend std::ostream& operator<<(std::ostream& os, const AxialArgs& a) {
    return os << "s/d " << a.s_d << ", L/d " << a.L_d << ", K " << a.K << ", Eb/Es " << a.Eb_Es << ", nu " << a.nu_s
              << ", db/d " << a.db_d;
  }
};

real axial_factor(const AxialArgs& a) {
  real alpha = -1.0f;
  AXIAL_STATIC_FACTOR(alpha, a.s_d, a.L_d, a.K, a.Eb_Es, a.nu_s, a.db_d);
  return alpha;
}

struct AxialRow {
  AxialArgs args;
  double expected;
  const char* what;
  friend void PrintTo(const AxialRow& r, std::ostream* os) { *os << r.args; }
};

class AxialStatic : public testing::TestWithParam<AxialRow> {};

// The first eight rows are hand values: with K = 1000, Eb <= Es, a uniform pile
// and nu = 0.5 every node reduces to its leading log term, e.g.
// 0.72 - 0.244 ln 2 = 0.550872 at L/d = 10. The others come from a separate
// double-precision evaluation of the fits, with each clamp driven past its
// bound by some row.
TEST_P(AxialStatic, MatchesTheFitAtItsNodes) {
  const AxialRow& row = GetParam();
  SCOPED_TRACE(row.what);
  expect_close(axial_factor(row.args), row.expected, 1e-5);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Nodes, AxialStatic, testing::Values(
    AxialRow{{ 2.0f,  10.0f,    1000.0f,  1.0f,  0.5f, 1.0f}, 0.550872088, "L/d 10, s/d 2, log term only"},
    AxialRow{{ 5.0f,  10.0f,    1000.0f,  1.0f,  0.5f, 1.0f}, 0.327297149, "L/d 10, s/d 5, log term only"},
    AxialRow{{ 2.0f,  25.0f,    1000.0f,  1.0f,  0.5f, 1.0f}, 0.580302036, "L/d 25, s/d 2, log term only"},
    AxialRow{{ 5.0f,  25.0f,    1000.0f,  1.0f,  0.5f, 1.0f}, 0.406206797, "L/d 25, s/d 5, log term only"},
    AxialRow{{ 2.0f,  50.0f,    1000.0f,  1.0f,  0.5f, 1.0f}, 0.531255334, "L/d 50, s/d 2, log term only"},
    AxialRow{{ 5.0f,  50.0f,    1000.0f,  1.0f,  0.5f, 1.0f}, 0.390146561, "L/d 50, s/d 5, log term only"},
    AxialRow{{ 2.0f, 100.0f,    1000.0f,  1.0f,  0.5f, 1.0f}, 0.44575381 , "L/d 100, s/d 2, log term only"},
    AxialRow{{ 5.0f, 100.0f,    1000.0f,  1.0f,  0.5f, 1.0f}, 0.34496183 , "L/d 100, s/d 5, log term only"},
    AxialRow{{ 2.0f,  10.0f,     100.0f, 10.0f,  0.3f, 1.5f}, 0.3699278  , "L/d 10, every term active"},
    AxialRow{{ 5.0f,  10.0f,     100.0f, 10.0f,  0.3f, 1.5f}, 0.221590948, "L/d 10, every term active"},
    AxialRow{{ 2.0f,  25.0f,     100.0f, 10.0f,  0.3f, 1.5f}, 0.346472153, "L/d 25, every term active"},
    AxialRow{{ 5.0f,  25.0f,     100.0f, 10.0f,  0.3f, 1.5f}, 0.227708113, "L/d 25, every term active"},
    AxialRow{{ 2.0f,  50.0f,     100.0f, 10.0f,  0.3f, 1.5f}, 0.428772097, "L/d 50, every term active"},
    AxialRow{{ 5.0f,  50.0f,     100.0f, 10.0f,  0.3f, 1.5f}, 0.293940319, "L/d 50, every term active"},
    AxialRow{{ 2.0f, 100.0f,     100.0f, 10.0f,  0.3f, 1.5f}, 0.464656451, "L/d 100, every term active"},
    AxialRow{{ 5.0f, 100.0f,     100.0f, 10.0f,  0.3f, 1.5f}, 0.321338629, "L/d 100, every term active"},
    AxialRow{{12.0f,  10.0f,    1000.0f,  1.0f,  0.3f, 1.0f}, 0.146843643, "beyond ten diameters, L/d 10"},
    AxialRow{{20.0f,  25.0f,     300.0f,  5.0f, 0.25f, 1.3f}, 0.114591774, "beyond ten diameters, L/d 25"},
    AxialRow{{12.0f,  50.0f,    2000.0f, 20.0f,  0.4f, 1.1f}, 0.138057783, "beyond ten diameters, L/d 50"},
    AxialRow{{20.0f, 100.0f,    5000.0f,  2.0f, 0.35f, 1.6f}, 0.290728439, "beyond ten diameters, L/d 100"},
    AxialRow{{ 3.0f,  10.0f,       1.0f,  1.5f,  0.3f, 4.0f}, 0.284435714, "soft pile, wide tip: upper clamps, L/d 10"},
    AxialRow{{ 3.0f,  25.0f,       1.0f,  1.5f,  0.3f, 4.0f}, 0.253843872, "soft pile, wide tip: upper clamps, L/d 25"},
    AxialRow{{ 3.0f,  50.0f,       1.0f,  1.5f,  0.3f, 4.0f}, 0.361489863, "soft pile, wide tip: upper clamps, L/d 50"},
    AxialRow{{ 3.0f, 100.0f,       1.0f,  1.5f,  0.3f, 4.0f}, 0.409984618, "soft pile, wide tip: upper clamps, L/d 100"},
    AxialRow{{ 4.0f,  10.0f,       1e5f,  3.0f,  0.2f, 1.2f}, 0.357746134, "very stiff pile: lower clamps, L/d 10"},
    AxialRow{{ 4.0f,  25.0f,       1e5f,  3.0f,  0.2f, 1.2f}, 0.407640078, "very stiff pile: lower clamps, L/d 25"},
    AxialRow{{ 4.0f,  50.0f,       1e5f,  3.0f,  0.2f, 1.2f}, 0.44997865 , "very stiff pile: lower clamps, L/d 50"},
    AxialRow{{ 4.0f, 100.0f,       1e5f,  3.0f,  0.2f, 1.2f}, 0.485172382, "very stiff pile: lower clamps, L/d 100"},
    AxialRow{{ 6.0f,  50.0f, 3162.2777f,  2.0f, 0.35f, 1.0f}, 0.366747204, "K above 1000 scales the base term, L/d 50"},
    AxialRow{{ 6.0f, 100.0f, 3162.2777f,  2.0f, 0.35f, 1.0f}, 0.358558792, "K above 1000 scales the base term, L/d 100"},
    AxialRow{{15.0f,  50.0f, 3162.2777f,  2.0f, 0.35f, 1.0f}, 0.246182283, "the same beyond ten diameters, L/d 50"},
    AxialRow{{15.0f, 100.0f, 3162.2777f,  2.0f, 0.35f, 1.0f}, 0.269334941, "the same beyond ten diameters, L/d 100"},
    AxialRow{{ 0.0f,  25.0f,    1000.0f,  1.0f,  0.3f, 1.0f}, 1.0        , "coincident piles: full interaction"}));
// clang-format on

// Pairs of argument sets that must give the same factor because a clamp or a
// node bound holds, or different ones where the clamp does not reach.
struct AxialPairRow {
  AxialArgs a;
  AxialArgs b;
  bool equal;
  const char* what;
  friend void PrintTo(const AxialPairRow& r, std::ostream* os) { *os << r.what; }
};

class AxialClamp : public testing::TestWithParam<AxialPairRow> {};

TEST_P(AxialClamp, HoldsWhereTheFitStops) {
  const AxialPairRow& row = GetParam();
  SCOPED_TRACE(row.what);
  const real fa = axial_factor(row.a);
  const real fb = axial_factor(row.b);
  if (row.equal) {
    EXPECT_FLOAT_EQ(fa, fb);
  } else {
    EXPECT_GT(std::abs(fa - fb), 1e-3f);
  }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Bounds, AxialClamp, testing::Values(
    AxialPairRow{{3, 10, 300, 4, 0.3f, 3}, {3, 10, 300, 4, 0.3f, 5}, true,  "tip ratio beyond 3 at L/d 10"},
    AxialPairRow{{3, 10, 300, 4, 0.3f, 2}, {3, 10, 300, 4, 0.3f, 3}, false, "tip ratio 2 to 3 still counts at L/d 10"},
    AxialPairRow{{3, 25, 300, 4, 0.3f, 2}, {3, 25, 300, 4, 0.3f, 4}, true,  "tip ratio beyond 2 at L/d 25"},
    AxialPairRow{{3, 50, 300, 4, 0.3f, 2}, {3, 50, 300, 4, 0.3f, 4}, true,  "tip ratio beyond 2 at L/d 50"},
    AxialPairRow{{3,100, 300, 4, 0.3f, 2}, {3,100, 300, 4, 0.3f, 4}, true,  "tip ratio beyond 2 at L/d 100"},
    AxialPairRow{{4, 10, 300, 1e3f, 0.3f, 1.5f}, {4, 10, 300, 1e6f, 0.3f, 1.5f}, true, "end-bearing blend saturated, L/d 10"},
    AxialPairRow{{4, 25, 300, 1e2f, 0.3f, 1.5f}, {4, 25, 300, 1e6f, 0.3f, 1.5f}, true, "end-bearing blend saturated, L/d 25"},
    AxialPairRow{{4, 60, 300, 0.1f, 0.3f, 1.5f}, {4, 60, 300, 1.0f, 0.3f, 1.5f}, true, "a base softer than the soil counts as equal"},
    AxialPairRow{{4, 10, 1e6f, 2, 0.3f, 1.5f}, {4, 10, 1e9f, 2, 0.3f, 1.5f}, true, "rigid pile limit, L/d 10"},
    AxialPairRow{{4, 25, 1e6f, 2, 0.3f, 1.5f}, {4, 25, 1e9f, 2, 0.3f, 1.5f}, true, "rigid pile limit, L/d 25"},
    AxialPairRow{{4, 50, 1e6f, 2, 0.3f, 1.5f}, {4, 50, 1e9f, 2, 0.3f, 1.5f}, true, "rigid pile limit, L/d 50"},
    AxialPairRow{{4,100, 1e6f, 2, 0.3f, 1.5f}, {4,100, 1e9f, 2, 0.3f, 1.5f}, true, "rigid pile limit, L/d 100"},
    AxialPairRow{{4, 10, 1e-3f, 2, 0.3f, 1}, {4, 10, 0.1f, 2, 0.3f, 1}, true, "compressible pile limit, L/d 10"},
    AxialPairRow{{4, 25, 1e-3f, 2, 0.3f, 1}, {4, 25, 0.1f, 2, 0.3f, 1}, true, "compressible pile limit, L/d 25"},
    AxialPairRow{{4, 50, 1e-3f, 2, 0.3f, 1}, {4, 50, 0.1f, 2, 0.3f, 1}, true, "compressible pile limit, L/d 50"},
    AxialPairRow{{4,100, 1e-3f, 2, 0.3f, 1}, {4,100, 0.1f, 2, 0.3f, 1}, true, "compressible pile limit, L/d 100"},
    AxialPairRow{{2.5f, 5, 500, 3, 0.3f, 1.4f}, {2.5f, 10, 500, 3, 0.3f, 1.4f}, true, "short piles take the L/d 10 node"},
    AxialPairRow{{2.5f, 100, 500, 3, 0.3f, 1.4f}, {2.5f, 200, 500, 3, 0.3f, 1.4f}, true, "long piles take the L/d 100 node"},
    AxialPairRow{{1, 25, 500, 3, 0.1f, 1.4f}, {1, 25, 500, 3, 0.45f, 1.4f}, true, "touching piles: no Poisson correction"},
    AxialPairRow{{6, 25, 500, 3, 0.1f, 1.4f}, {6, 25, 500, 3, 0.45f, 1.4f}, false, "wider pairs: Poisson correction"}));
// clang-format on

// Between two nodes the factor is linear in L/d: halfway it is their mean.
class AxialBetweenNodes : public testing::TestWithParam<std::array<real, 3>> {};

TEST_P(AxialBetweenNodes, IsTheMeanHalfway) {
  const auto [lo, mid, hi] = GetParam();
  for (real s_d : {1.5f, 3.0f, 7.0f, 14.0f}) {
    SCOPED_TRACE(testing::Message() << "L/d " << mid << ", s/d " << s_d);
    real f_lo = 0.0f;
    real f_mid = 0.0f;
    real f_hi = 0.0f;
    AXIAL_STATIC_FACTOR(f_lo, s_d, lo, 250.0f, 4.0f, 0.3f, 1.3f);
    AXIAL_STATIC_FACTOR(f_mid, s_d, mid, 250.0f, 4.0f, 0.3f, 1.3f);
    AXIAL_STATIC_FACTOR(f_hi, s_d, hi, 250.0f, 4.0f, 0.3f, 1.3f);
    expect_close(f_mid, 0.5 * (f_lo + f_hi), 1e-5);
  }
}

INSTANTIATE_TEST_SUITE_P(Segments, AxialBetweenNodes,
                         testing::Values(std::array<real, 3>{10, 17.5f, 25}, std::array<real, 3>{25, 37.5f, 50},
                                         std::array<real, 3>{50, 75, 100}));

// ---------------------------------------------------------------- static lateral factors

struct LateralRow {
  real s_d, K_R, angle, r;
  double a1, a2, a3;
  const char* what;
  friend void PrintTo(const LateralRow& r, std::ostream* os) {
    *os << "s/d " << r.s_d << ", K_R " << r.K_R << ", angle " << r.angle << ", r " << r.r;
  }
};

class LateralStatic : public testing::TestWithParam<LateralRow> {};

// Hand values of the power laws, e.g. 0.41 * 1000^0.095 * 0.5^0.725 = 0.478120.
TEST_P(LateralStatic, FollowsThePowerLaws) {
  const LateralRow& row = GetParam();
  SCOPED_TRACE(row.what);
  real a1 = -1.0f;
  real a2 = -1.0f;
  real a3 = -1.0f;
  LATERAL_STATIC_FACTORS(row.s_d, row.K_R, row.angle, row.r, a1, a2, a3);
  expect_close(a1, row.a1, 1e-5, 1e-6);
  expect_close(a2, row.a2, 1e-5, 1e-6);
  expect_close(a3, row.a3, 1e-5, 1e-6);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Fits, LateralStatic, testing::Values(
    LateralRow{   2, 1000, 0,                          0,  0.478120219, 0.251143188, 0.114497923, "along the load"},
    LateralRow{   2, 1000, static_cast<real>(PI / 2),  0,  0.286571437, 0.113009658, 0.048592294, "across the load"},
    LateralRow{   3,  500, static_cast<real>(PI / 4),  0,  0.259778993, 0.0998239062, 0.0414243883, "at 45 degrees, the mean"},
    LateralRow{  10, 2000, 0,                          0,  0.131400936, 0.0482633138, 0.0179012296, "beyond five diameters, along"},
    LateralRow{  10, 2000, static_cast<real>(PI / 2),  0,  0.0729570387, 0.0161892788, 0.00596498182, "beyond five diameters, across"},
    LateralRow{   4, 1000, 0,                          2,  0.21694599, 0.0881768989, 0.0363564673, "two diameters of free length"},
    LateralRow{   4, 1000, static_cast<real>(PI / 3), 12,  0.0, 0.0, 0.0, "free length beyond eight diameters leaves none"},
    LateralRow{1000, 1000, 0,                          0,  0.00123027049, 0.000278323097, 5.15317395e-05, "far apart"},
    LateralRow{   0, 1000, 0,                          3,  1.0, 1.0, 1.0, "coincident piles: full interaction"}));
// clang-format on

// ---------------------------------------------------------------- dynamic factors

// At a0 = 0 the fits leave the amplitudes at 1 and only their constant phases
// (0.0936 axial; 0.0757, 0.05157, 0.02596 lateral), whatever the spacing, and
// the lateral factors blend along and across by cos^2 and sin^2 of the angle.
class DynamicAtZeroFrequency : public testing::TestWithParam<real> {};

TEST_P(DynamicAtZeroFrequency, IsTheStaticFactorWithItsPhase) {
  const real s_d = GetParam();
  SCOPED_TRACE(testing::Message() << "s/d " << s_d);
  cplx axial;
  DYNAMIC_FACTOR_AXIAL(0.0f, s_d, 0.37f, axial);
  expect_close(axial, std::polar(0.37, 0.0936), 1e-6, 0.37);

  const double along[3] = {0.45, 0.3, 0.2};
  const double across[3] = {0.3, 0.15, 0.08};
  const double phase[3] = {0.0757, 0.05157, 0.02596};
  for (double theta : {0.0, 0.4, PI / 4, 1.2, PI / 2}) {
    cplx r[3];
    DYNAMIC_FACTOR_LATERAL(0.0f, s_d, static_cast<real>(theta), 0.45f, 0.3f, 0.2f, 0.3f, 0.15f, 0.08f, r[0], r[1],
                           r[2]);
    const double c2 = std::cos(theta) * std::cos(theta);
    for (int k = 0; k < 3; ++k) {
      SCOPED_TRACE(testing::Message() << "theta " << theta << ", factor " << k + 1);
      expect_close(r[k], std::polar(c2 * along[k] + (1.0 - c2) * across[k], phase[k]), 1e-6, 0.45);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Spacings, DynamicAtZeroFrequency,
                         testing::Values(0.0f, 0.5f, 2.0f, 3.7f, 5.0f, 8.0f, 10.0f, 14.0f, 30.0f));

struct DynamicAxialRow {
  real a0, s_d, alpha_s;
  double re, im;
  const char* what;
  friend void PrintTo(const DynamicAxialRow& r, std::ostream* os) {
    *os << "a0 " << r.a0 << ", s/d " << r.s_d << ", static " << r.alpha_s;
  }
};

class DynamicAxial : public testing::TestWithParam<DynamicAxialRow> {};

// Against a separate double-precision evaluation of the fits.
TEST_P(DynamicAxial, MatchesTheFits) {
  const DynamicAxialRow& row = GetParam();
  SCOPED_TRACE(row.what);
  cplx r;
  DYNAMIC_FACTOR_AXIAL(row.a0, row.s_d, row.alpha_s, r);
  expect_close(r, {row.re, row.im}, 2e-5, row.alpha_s);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Fits, DynamicAxial, testing::Values(
    DynamicAxialRow{0.2f,  2, 0.5f,   0.41680553,   -0.204226619,    "low-frequency phase form"},
    DynamicAxialRow{0.5f,  5, 0.3f,  -0.1858387,    -0.128904581,    "linear phase form"},
    DynamicAxialRow{0.8f,  7, 0.25f,  0.135420552,   0.104167431,    "between the 5 and 10 fits"},
    DynamicAxialRow{1.5f,  4, 0.35f,  0.210517025,   0.0953911198,   "above a0 = 1: extra decay and delay"},
    DynamicAxialRow{0.6f, 20, 0.1f,   0.0548792254, -0.000461237034, "twenty diameters: exp(-0.05 x a0)"},
    DynamicAxialRow{2.0f, 20, 0.1f,  -0.0129686934, -0.00386902821,  "twenty diameters above a0 = 1"}));
// clang-format on

struct DynamicLateralRow {
  real a0, s_d, theta;
  double re1, im1, re2, im2, re3, im3;
  const char* what;
  friend void PrintTo(const DynamicLateralRow& r, std::ostream* os) {
    *os << "a0 " << r.a0 << ", s/d " << r.s_d << ", theta " << r.theta;
  }
};

class DynamicLateral : public testing::TestWithParam<DynamicLateralRow> {};

// Static factors 0.45, 0.3, 0.2 along and 0.3, 0.15, 0.08 across, against a
// separate double-precision evaluation of the six fits.
TEST_P(DynamicLateral, MatchesTheFits) {
  const DynamicLateralRow& row = GetParam();
  SCOPED_TRACE(row.what);
  cplx r1;
  cplx r2;
  cplx r3;
  DYNAMIC_FACTOR_LATERAL(row.a0, row.s_d, row.theta, 0.45f, 0.3f, 0.2f, 0.3f, 0.15f, 0.08f, r1, r2, r3);
  expect_close(r1, {row.re1, row.im1}, 2e-5, 0.45);
  expect_close(r2, {row.re2, row.im2}, 2e-5, 0.45);
  expect_close(r3, {row.re3, row.im3}, 2e-5, 0.45);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Fits, DynamicLateral, testing::Values(
    DynamicLateralRow{0.2f, 2.5f, 0.0f,
        0.469673851, -0.0958434363, 0.35750746, -0.0192249917, 0.230284918, -0.0134174273, "along, low-frequency phase forms"},
    DynamicLateralRow{0.5f, 5.0f, static_cast<real>(PI / 2),
        -0.293964439, -0.287506641, -0.242595878, -0.388988665, -0.100003774, -0.228450497, "across, linear phase forms"},
    DynamicLateralRow{0.7f, 8.0f, 0.6f,
        -0.166459723, 0.119751591, -0.346649738, 0.0988485682, -0.225155028, -0.0385718722, "middle piece of the ten-diameter phase"},
    DynamicLateralRow{0.95f, 10.0f, 0.4f,
        -0.00495296651, 0.0855495364, 0.0763817682, 0.20604866, -0.00972953492, 0.274746411, "upper piece of the ten-diameter phase"},
    DynamicLateralRow{1.6f, 15.0f, 1.0f,
        -0.0434453576, 0.170569987, -0.303393644, 0.213495622, -0.134779643, 0.110891786, "beyond ten diameters, above a0 = 1"},
    DynamicLateralRow{0.4f, 0.0f, 0.5f,
        0.466449575, 0.0547731749, 0.300756857, 0.0527955193, 0.17766068, 0.0185741966, "coincident piles: the fits extended"}));
// clang-format on

// ---------------------------------------------------------------- set-up

// One set of tables for the whole suite, as the run allocates it once.
GroupInteraction& tables() {
  static GroupInteraction* t = new GroupInteraction;
  return *t;
}

bool all_finite(const GroupInteraction& t, int n) {
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) {
      if (i == j) continue;
      if (!std::isfinite(t.spacing_axial(i, j)) || !std::isfinite(t.angle(i, j))) return false;
      for (const PairTable& l : t.lateral) {
        if (!std::isfinite(l(i, j))) return false;
      }
    }
  }
  return true;
}

struct NodeRow {
  real L_d, s_d;
  double alpha_v;
  friend void PrintTo(const NodeRow& r, std::ostream* os) { *os << "L/d " << r.L_d << ", s/d " << r.s_d; }
};

class GroupSetupNodes : public testing::TestWithParam<NodeRow> {};

// Two piles s/d apart in a profile that makes K = 1000, Eb < Es, nu = 0.5 and
// a uniform pile: the stored static axial factor is the node's hand value.
TEST_P(GroupSetupNodes, StoresTheFittedAxialFactor) {
  const NodeRow& row = GetParam();
  GroupDeck deck({0.0f, row.s_d}, {0.0f, 0.0f}, row.L_d);
  GroupInteraction& t = tables();
  ASSERT_EQ(GROUP_INTERACTION_SETUP(deck.input(), t), GroupSetupStatus::ok);
  expect_close(t.ratios.K, 1000.0, 1e-5);
  EXPECT_FLOAT_EQ(t.spacing_axial(2, 1), row.s_d);
  expect_close(t.spacing_axial(1, 2), row.alpha_v, 1e-5);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Nodes, GroupSetupNodes, testing::Values(
    NodeRow{ 10, 2, 0.550872088}, NodeRow{ 10, 5, 0.327297149},
    NodeRow{ 25, 2, 0.580302036}, NodeRow{ 25, 5, 0.406206797},
    NodeRow{ 50, 2, 0.531255334}, NodeRow{ 50, 5, 0.390146561},
    NodeRow{100, 2, 0.44575381},  NodeRow{100, 5, 0.34496183}));
// clang-format on

// A layered profile with a first layer of free length, a tapered pile and a
// stiff base: every run-wide value against hand arithmetic, and the pair
// tables of three piles laid out as the group impedance reads them.
TEST(GroupSetup, FormsTheRatiosAndLaysOutThePairs) {
  GroupDeck deck({0.0f, 2.0f, 0.0f}, {0.0f, 0.0f, 5.0f}, 20.0f);
  deck.radius = {0.5f, 0.6f, 0.75f};
  deck.area = {0.7854f, 1.1f, 1.7f};
  deck.inertia_x = {0.0490874f, 0.1f, 0.2f};
  deck.inertia_y = {0.0490874f, 0.1f, 0.2f};
  deck.thickness = {2.0f, 6.0f, 12.0f};
  deck.velocity = {0.0f, 100.0f, 200.0f};
  deck.poisson = {0.3f, 0.25f, 0.4f};
  deck.unit_weight = {0.0f, 20.0f, 20.0f};
  deck.in.pile_modulus = 3.0e7f;
  deck.in.below_velocity = 400.0f;
  deck.in.below_unit_weight = 21.0f;
  deck.in.below_poisson = 0.35f;
  deck.in.tip_velocity = 200.0f;

  GroupInteraction& t = tables();
  t.spacing_axial(1, 1) = -7.0f;
  t.angle(2, 2) = -7.0f;
  ASSERT_EQ(GROUP_INTERACTION_SETUP(deck.input(), t), GroupSetupStatus::ok);

  const GroupRatios& z = t.ratios;
  expect_close(z.d, 1.0, 1e-6);
  expect_close(z.L_d, 20.0, 1e-6);
  expect_close(z.E_s, 149400.0, 1e-6);  // (2*0 + 6*50000 + 12*224000)/20
  expect_close(z.nu_s, 0.345, 1e-6);    // (2*0.3 + 6*0.25 + 12*0.4)/20
  expect_close(z.E_b, 907200.0, 1e-6);  // 2*1.35*21*400^2/10
  expect_close(z.E_L, 224000.0, 1e-6);  // 2*1.4*20*200^2/10
  expect_close(z.K, 200.803682, 1e-5);
  expect_close(z.Eb_Es, 6.07228916, 1e-6);
  expect_close(z.K_R, 133.928612, 1e-5);
  expect_close(z.db_d, 1.5, 1e-6);
  expect_close(z.r, 2.0, 1e-6);

  // Pair (2, 1) lies along x, two diameters apart.
  EXPECT_FLOAT_EQ(t.spacing_axial(2, 1), 2.0f);
  expect_close(t.spacing_axial(1, 2), 0.401921907, 1e-5);
  EXPECT_FLOAT_EQ(t.angle(1, 2), 0.0f);
  EXPECT_FLOAT_EQ(t.angle(2, 1), static_cast<real>(PI / 2));
  const double along_2[3] = {0.296245214, 0.135725992, 0.0572120213};
  const double across_2[3] = {0.164170528, 0.0512737599, 0.0211354426};
  // Pair (3, 1) differs only in y, five diameters apart.
  EXPECT_FLOAT_EQ(t.spacing_axial(3, 1), 5.0f);
  expect_close(t.spacing_axial(1, 3), 0.262346138, 1e-5);
  EXPECT_FLOAT_EQ(t.angle(1, 3), static_cast<real>(PI / 2));
  EXPECT_FLOAT_EQ(t.angle(3, 1), 0.0f);
  const double along_5[3] = {0.152456111, 0.0497643935, 0.0183671461};
  const double across_5[3] = {0.0761765797, 0.0153675294, 0.00575355853};
  // Pair (3, 2) on a diagonal: dx = -2, dy = 5.
  expect_close(t.spacing_axial(3, 2), std::sqrt(29.0), 1e-6);
  expect_close(t.spacing_axial(2, 3), 0.251551334, 1e-5);
  expect_close(t.angle(2, 3), std::atan(2.5), 1e-6);
  expect_close(t.angle(3, 2), std::atan(0.4), 1e-6);
  const double along_d[3] = {0.141551945, 0.0458804815, 0.0167524267};
  const double across_d[3] = {0.0707281786, 0.013938721, 0.00517811109};
  for (int k = 0; k < 3; ++k) {
    SCOPED_TRACE(testing::Message() << "lateral factor " << k + 1);
    expect_close(t.lateral[k](1, 2), along_2[k], 1e-5);
    expect_close(t.lateral[k](2, 1), across_2[k], 1e-5);
    expect_close(t.lateral[k](1, 3), along_5[k], 1e-5);
    expect_close(t.lateral[k](3, 1), across_5[k], 1e-5);
    expect_close(t.lateral[k](2, 3), along_d[k], 1e-5);
    expect_close(t.lateral[k](3, 2), across_d[k], 1e-5);
  }
  // The diagonal is never written.
  EXPECT_EQ(t.spacing_axial(1, 1), -7.0f);
  EXPECT_EQ(t.angle(2, 2), -7.0f);
}

// Pile 2 battered in XZ with tan = 0.3 and pile 3 in YZ with tan = 0.4, both
// 30 long: a third of the way down they stand 3 further in x and 4 further in
// y. Pile 1 is vertical and stays. Without the batter switch nothing moves.
TEST(GroupSetup, MeasuresBatteredPilesAThirdOfTheWayDown) {
  GroupDeck deck({0.0f, 0.0f, 10.0f}, {0.0f, 0.0f, 0.0f}, 30.0f);
  deck.batter(1, true, 0.0f);
  deck.batter(2, true, static_cast<real>(std::atan(0.3) * 180 / PI));
  deck.batter(3, false, static_cast<real>(std::atan(0.4) * 180 / PI));
  GroupInteraction& t = tables();

  deck.in.battered = true;
  ASSERT_EQ(GROUP_INTERACTION_SETUP(deck.input(), t), GroupSetupStatus::ok);
  expect_close(t.x[0], 0.0, 1e-6);
  expect_close(t.y[0], 0.0, 1e-6);
  expect_close(t.x[1], 3.0, 1e-5);
  expect_close(t.y[1], 0.0, 1e-5);
  expect_close(t.x[2], 10.0, 1e-5);
  expect_close(t.y[2], 4.0, 1e-5);
  expect_close(t.spacing_axial(2, 1), 3.0, 1e-5);
  expect_close(t.spacing_axial(3, 1), std::sqrt(116.0), 1e-5);
  expect_close(t.spacing_axial(3, 2), std::sqrt(65.0), 1e-5);
  EXPECT_EQ(deck.x[1], 0.0f) << "the input coordinates stay as read";

  deck.in.battered = false;
  ASSERT_EQ(GROUP_INTERACTION_SETUP(deck.input(), t), GroupSetupStatus::overlapping_piles);
  EXPECT_EQ(t.spacing_axial(2, 1), 0.0f);
  expect_close(t.spacing_axial(3, 1), 10.0, 1e-6);
}

// Two piles a thousand diameters apart hardly interact, statically or at any
// frequency.
TEST(GroupSetup, PilesFarApartHardlyInteract) {
  GroupDeck deck({0.0f, 1000.0f}, {0.0f, 0.0f}, 25.0f);
  deck.poisson = {0.3f};
  GroupInteraction& t = tables();
  ASSERT_EQ(GROUP_INTERACTION_SETUP(deck.input(), t), GroupSetupStatus::ok);
  EXPECT_LT(std::abs(t.spacing_axial(1, 2)), 0.01f);
  for (const PairTable& l : t.lateral) {
    EXPECT_LT(std::abs(l(1, 2)), 0.01f);
    EXPECT_LT(std::abs(l(2, 1)), 0.01f);
  }
  for (real a0 : {0.0f, 0.3f, 1.0f, 2.5f}) {
    SCOPED_TRACE(testing::Message() << "a0 " << a0);
    cplx v;
    DYNAMIC_FACTOR_AXIAL(a0, t.spacing_axial(2, 1), t.spacing_axial(1, 2), v);
    EXPECT_LT(std::abs(v), 0.01f);
    cplx r[3];
    DYNAMIC_FACTOR_LATERAL(a0, t.spacing_axial(2, 1), t.angle(1, 2), t.lateral[0](1, 2), t.lateral[1](1, 2),
                           t.lateral[2](1, 2), t.lateral[0](2, 1), t.lateral[1](2, 1), t.lateral[2](2, 1), r[0], r[1],
                           r[2]);
    for (const cplx& c : r) EXPECT_LT(std::abs(c), 0.01f);
  }
}

// Piles whose shafts meet are flagged with the first such pair; coincident
// piles keep full interaction and finite angles, and their dynamic factors
// stay finite at every frequency.
struct OverlapRow {
  std::vector<real> x, y;
  GroupSetupStatus status;
  int pair_i, pair_j;
  const char* what;
  friend void PrintTo(const OverlapRow& r, std::ostream* os) { *os << r.what; }
};

class GroupSetupOverlap : public testing::TestWithParam<OverlapRow> {};

TEST_P(GroupSetupOverlap, FlagsThePairAndStaysFinite) {
  const OverlapRow& row = GetParam();
  SCOPED_TRACE(row.what);
  GroupDeck deck(row.x, row.y, 20.0f);
  GroupInteraction& t = tables();
  EXPECT_EQ(GROUP_INTERACTION_SETUP(deck.input(), t), row.status);
  EXPECT_EQ(t.status, row.status);
  EXPECT_EQ(t.pair_i, row.pair_i);
  EXPECT_EQ(t.pair_j, row.pair_j);
  const int n = static_cast<int>(row.x.size());
  EXPECT_TRUE(all_finite(t, n));
  for (int j = 1; j <= n; ++j) {
    for (int i = j + 1; i <= n; ++i) {
      const real s_d = t.spacing_axial(i, j);
      if (s_d == 0.0f) {
        EXPECT_EQ(t.spacing_axial(j, i), 1.0f);
        for (const PairTable& l : t.lateral) {
          EXPECT_EQ(l(i, j), 1.0f);
          EXPECT_EQ(l(j, i), 1.0f);
        }
      }
      for (real a0 : {0.0f, 0.5f, 1.0f, 3.0f}) {
        cplx v;
        cplx r[3];
        DYNAMIC_FACTOR_AXIAL(a0, s_d, t.spacing_axial(j, i), v);
        DYNAMIC_FACTOR_LATERAL(a0, s_d, t.angle(j, i), t.lateral[0](j, i), t.lateral[1](j, i), t.lateral[2](j, i),
                               t.lateral[0](i, j), t.lateral[1](i, j), t.lateral[2](i, j), r[0], r[1], r[2]);
        EXPECT_TRUE(std::isfinite(std::abs(v)) && std::isfinite(std::abs(r[0])) && std::isfinite(std::abs(r[1])) &&
                    std::isfinite(std::abs(r[2])))
            << "pair " << i << ", " << j << ", a0 " << a0;
      }
    }
  }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Pairs, GroupSetupOverlap, testing::Values(
    OverlapRow{{0, 0},       {0, 0},       GroupSetupStatus::overlapping_piles, 2, 1, "two coincident piles"},
    OverlapRow{{0, 3, 3},    {0, 1, 1},    GroupSetupStatus::overlapping_piles, 3, 2, "the second and third coincide"},
    OverlapRow{{0, 0.9f},    {0, 0},       GroupSetupStatus::overlapping_piles, 2, 1, "shafts intersect"},
    OverlapRow{{0, 1, 0, 1}, {0, 0, 1, 1}, GroupSetupStatus::ok,                0, 0, "touching piles are a group"}));
// clang-format on

// A profile of zero velocity has no modulus: the stiffness ratios take their
// 1.0E8 fallbacks, no axial interaction is left and every table value is
// finite.
TEST(GroupSetup, ZeroVelocityProfileFallsBack) {
  GroupDeck deck({0.0f, 2.0f, 0.0f}, {0.0f, 0.0f, 4.0f}, 20.0f);
  deck.thickness = {3.0f, 7.0f};
  deck.velocity = {0.0f, 0.0f};
  deck.poisson = {0.3f, 0.3f};
  deck.unit_weight = {18.0f, 19.0f};
  deck.in.below_velocity = 0.0f;
  deck.in.tip_velocity = 0.0f;
  GroupInteraction& t = tables();
  ASSERT_EQ(GROUP_INTERACTION_SETUP(deck.input(), t), GroupSetupStatus::ok);
  EXPECT_EQ(t.ratios.E_s, 0.0f);
  EXPECT_EQ(t.ratios.E_L, 0.0f);
  EXPECT_EQ(t.ratios.K, 1.0e8f);
  EXPECT_EQ(t.ratios.Eb_Es, 1.0e8f);
  EXPECT_EQ(t.ratios.K_R, 1.0e8f);
  EXPECT_TRUE(all_finite(t, 3));
  EXPECT_EQ(t.spacing_axial(1, 2), 0.0f);
  EXPECT_EQ(t.spacing_axial(1, 3), 0.0f);
  EXPECT_EQ(t.spacing_axial(2, 3), 0.0f);
}

// A profile without layer thicknesses (a parabolic medium's single layer)
// weights its layers alike instead of dividing by a zero total.
TEST(GroupSetup, ProfileWithoutThicknessWeightsLayersAlike) {
  GroupDeck deck({0.0f, 3.0f}, {0.0f, 0.0f}, 20.0f);
  deck.thickness = {0.0f};
  deck.poisson = {0.35f};
  GroupInteraction& t = tables();
  ASSERT_EQ(GROUP_INTERACTION_SETUP(deck.input(), t), GroupSetupStatus::ok);
  expect_close(t.ratios.E_s, 54000.0, 1e-6);  // 2*1.35*20*100^2/10
  expect_close(t.ratios.nu_s, 0.35, 1e-6);
  EXPECT_TRUE(all_finite(t, 2));
}

// Without a pile radius no spacing ratio exists: the tables are left alone.
TEST(GroupSetup, PileWithoutRadiusLeavesTheTables) {
  GroupDeck deck({0.0f, 3.0f}, {0.0f, 0.0f}, 20.0f);
  deck.radius = {0.0f};
  GroupInteraction& t = tables();
  t.spacing_axial(2, 1) = -5.0f;
  EXPECT_EQ(GROUP_INTERACTION_SETUP(deck.input(), t), GroupSetupStatus::no_diameter);
  EXPECT_EQ(t.spacing_axial(2, 1), -5.0f);
}

}  // namespace
}  // namespace zav
