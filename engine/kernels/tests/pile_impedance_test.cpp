// The single-pile impedance and its elements against independent references:
// a double-precision transfer matrix of the beam equations, the static beam
// matrices (Euler-Bernoulli, Timoshenko, with axial compression), the
// semi-infinite beam on a Winkler foundation, published closed forms for the
// static head stiffnesses of long flexible piles, the static disc under the
// tip, and the invariance of the head terms to how a uniform pile is cut into
// elements.
#include "kernels/pile_impedance.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>
#include <ostream>

namespace zav {
namespace {

using dcplx = std::complex<double>;
constexpr double kPi = 3.14159265358979323846;

double relative_error(const cplx& got, dcplx expected) { return std::abs(dcplx(got) - expected) / std::abs(expected); }

// ---------------------------------------------------------------------------
// Bending element

// The beam equations with z down the element, psi = du/dz in the limit of no
// shear flexibility, V the transverse force and M the moment:
//   u' = (1 + tP) psi + t V,  psi' = M / EI,  V' = -q u,
//   M' = -(1 + tP)(V + P psi) - (rotary - spring) psi,
// integrated over the length by the exponential of the system matrix. The
// stiffness follows from the transfer matrix, with the end forces taken as
// the loads applied at the nodes and the rotation turned to the element's
// convention (against du/dz).
using Mat4 = std::array<std::array<dcplx, 4>, 4>;

Mat4 multiply(const Mat4& a, const Mat4& b) {
  Mat4 c{};
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j)
      for (int k = 0; k < 4; ++k) c[i][j] += a[i][k] * b[k][j];
  return c;
}

Mat4 exponential(Mat4 a) {
  double norm = 0.0;
  for (auto& row : a)
    for (auto& e : row) norm = std::max(norm, std::abs(e));
  int squarings = 0;
  while (norm > 0.1) {
    norm /= 2.0;
    ++squarings;
  }
  const double scale = std::ldexp(1.0, -squarings);
  for (auto& row : a)
    for (auto& e : row) e *= scale;
  Mat4 sum{}, term{};
  for (int i = 0; i < 4; ++i) sum[i][i] = term[i][i] = 1.0;
  for (int k = 1; k <= 20; ++k) {
    term = multiply(term, a);
    for (auto& row : term)
      for (auto& e : row) e /= k;
    for (int i = 0; i < 4; ++i)
      for (int j = 0; j < 4; ++j) sum[i][j] += term[i][j];
  }
  for (int s = 0; s < squarings; ++s) sum = multiply(sum, sum);
  return sum;
}

struct BeamCase {
  dcplx EI;
  double t, P;
  dcplx q;
  double rotary;
  dcplx spring;
  double h;
};

// Full 4 by 4 stiffness in the element's order and convention.
Mat4 reference_beam(const BeamCase& c) {
  const double W = 1.0 + c.t * c.P;
  const dcplx rot = c.rotary - c.spring;
  Mat4 a{};
  a[0][1] = W;
  a[0][2] = c.t;
  a[1][3] = 1.0 / c.EI;
  a[2][0] = -c.q;
  a[3][1] = -W * c.P - rot;
  a[3][2] = -W;
  for (auto& row : a)
    for (auto& e : row) e *= c.h;
  const Mat4 T = exponential(a);
  // d = (u, psi), f = (V, M): d(h) = T11 d0 + T12 f0, f(h) = T21 d0 + T22 f0.
  auto block = [&](int r, int s) {
    return std::array<dcplx, 4>{T[2 * r][2 * s], T[2 * r][2 * s + 1], T[2 * r + 1][2 * s], T[2 * r + 1][2 * s + 1]};
  };
  auto inverse = [](const std::array<dcplx, 4>& m) {
    const dcplx det = m[0] * m[3] - m[1] * m[2];
    return std::array<dcplx, 4>{m[3] / det, -m[1] / det, -m[2] / det, m[0] / det};
  };
  auto mul = [](const std::array<dcplx, 4>& x, const std::array<dcplx, 4>& y) {
    return std::array<dcplx, 4>{x[0] * y[0] + x[1] * y[2], x[0] * y[1] + x[1] * y[3], x[2] * y[0] + x[3] * y[2],
                                x[2] * y[1] + x[3] * y[3]};
  };
  const auto T11 = block(0, 0), T12 = block(0, 1), T21 = block(1, 0), T22 = block(1, 1);
  const auto T12i = inverse(T12);
  // f0 = T12^-1 (d_h - T11 d0); f_h = T21 d0 + T22 f0.
  const auto A0 = mul(T12i, T11);  // f0 = -A0 d0 + T12i d_h
  const auto Ah = mul(T22, T12i);  // f_h = (T21 - T22 A0) d0 + Ah d_h
  const auto T22A0 = mul(T22, A0);
  Mat4 K{};
  for (int i = 0; i < 2; ++i)
    for (int j = 0; j < 2; ++j) {
      // Loads at the top node are minus the section forces there.
      K[i][j] = A0[2 * i + j];
      K[i][j + 2] = -T12i[2 * i + j];
      K[i + 2][j] = T21[2 * i + j] - T22A0[2 * i + j];
      K[i + 2][j + 2] = Ah[2 * i + j];
    }
  // Rotations against du/dz.
  const double sign[4] = {1.0, -1.0, 1.0, -1.0};
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) K[i][j] *= sign[i] * sign[j];
  return K;
}

Mat4 full(const BendingElement& k) {
  Mat4 K{};
  const dcplx K11(k.K11), K12(k.K12), K13(k.K13), K14(k.K14), K22(k.K22), K24(k.K24);
  const dcplx rows[4][4] = {{K11, K12, K13, K14}, {K12, K22, -K14, K24}, {K13, -K14, K11, -K12}, {K14, K24, -K12, K22}};
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) K[i][j] = rows[i][j];
  return K;
}

Mat4 element(const BeamCase& c) {
  BendingElement k;
  pile_bending_element(cplx(c.EI), static_cast<real>(c.t), static_cast<real>(c.P), cplx(c.q),
                       static_cast<real>(c.rotary), cplx(c.spring), static_cast<real>(c.h), k);
  return full(k);
}

// Largest entry error, each row and column scaled by h^(1 for a rotation).
double matrix_error(const Mat4& got, const Mat4& expected, double h) {
  const double s[4] = {1.0, 1.0 / h, 1.0, 1.0 / h};
  double big = 0.0, err = 0.0;
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) {
      big = std::max(big, std::abs(expected[i][j]) * s[i] * s[j]);
      err = std::max(err, std::abs(got[i][j] - expected[i][j]) * s[i] * s[j]);
    }
  return err / big;
}

struct BeamRow {
  const char* name;
  BeamCase beam;
  double tolerance;
};
void PrintTo(const BeamRow& r, std::ostream* os) { *os << r.name; }

class BendingElementDynamic : public ::testing::TestWithParam<BeamRow> {};

TEST_P(BendingElementDynamic, MatchesTheTransferMatrixOfTheBeamEquations) {
  const BeamRow& row = GetParam();
  const Mat4 K = element(row.beam);
  EXPECT_LE(matrix_error(K, reference_beam(row.beam), row.beam.h), row.tolerance);
}

// EI 1e5, h 2: mu^4 = h^4 |q| / EI.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Beams, BendingElementDynamic, ::testing::Values(
  //      name                  EI                t       P      q                 rotary  spring          h     tolerance
  BeamRow{"soil spring",        {{1e5, 0}, 0,     0,     {-5e4, 0},        0,      {0, 0},       2.0}, 1e-5},
  BeamRow{"damped soil",        {{1e5, 5e3}, 0,   0,     {-5e4, -2e4},     0,      {0, 0},       2.0}, 1e-5},
  BeamRow{"inertia dominated",  {{1e5, 0}, 0,     0,     {8e4, 0},         0,      {0, 0},       2.0}, 1e-5},
  BeamRow{"shear flexible",     {{1e5, 2e3}, 2e-4, 0,    {-5e4, -1e4},     0,      {0, 0},       2.0}, 1e-5},
  BeamRow{"axial compression",  {{1e5, 0}, 0,     2e4,   {-5e4, 0},        0,      {0, 0},       2.0}, 1e-5},
  BeamRow{"all effects",        {{1e5, 4e3}, 3e-4, 1.5e4, {-6e4, -3e4},    800,    {3e3, 1e3},   2.0}, 1e-5},
  BeamRow{"short element",      {{1e5, 4e3}, 3e-4, 1.5e4, {-6e4, -3e4},    800,    {3e3, 1e3},   0.25}, 2e-4},
  BeamRow{"mu 0.45",            {{1e5, 4e3}, 3e-4, 1.5e4, {-5e4, -3e4},    800,    {3e3, 1e3},   0.535}, 2e-5},
  BeamRow{"mu 0.55",            {{1e5, 4e3}, 3e-4, 1.5e4, {-5e4, -3e4},    800,    {3e3, 1e3},   0.654}, 2e-5},
  BeamRow{"long element",       {{1e5, 4e3}, 1e-5, 1.5e4, {-6e4, -3e4},    800,    {3e3, 1e3},   6.0}, 1e-4}));
// clang-format on

// A semi-infinite Euler beam on a Winkler foundation k: at its end
// V = 4 EI b^3 u - 2 EI b^2 theta and M = -2 EI b^2 u + 2 EI b theta with
// b = (k / 4 EI)^(1/4) and theta = du/dz; a very long element is that at both
// ends and decoupled between them, where the plain sine and cosine overflow.
TEST(BendingElement, VeryLongElementIsTwoSemiInfiniteBeams) {
  const double EI = 1e5, k = 5e4, h = 200.0;
  const double b = std::pow(k / (4.0 * EI), 0.25);  // b h = 141
  BendingElement e;
  pile_bending_element(cplx(EI), 0.0f, 0.0f, cplx(-k), 0.0f, 0.0f, h, e);
  EXPECT_LE(relative_error(e.K11, 4.0 * EI * b * b * b), 1e-4);
  EXPECT_LE(relative_error(e.K12, -2.0 * EI * b * b), 1e-4);
  EXPECT_LE(relative_error(e.K22, 2.0 * EI * b), 1e-4);
  EXPECT_LE(std::abs(e.K13) + std::abs(e.K14) / b + std::abs(e.K24) / (b * b), 1e-6 * std::abs(e.K11));
}

struct StaticRow {
  const char* name;
  double t, P;  // shear flexibility and axial compression, with EI = 1e5, h = 2
  double mu4;   // h^4 |q| / EI of the small spring left
  double tolerance;
};
void PrintTo(const StaticRow& r, std::ostream* os) { *os << r.name << " mu^4 " << r.mu4; }

// Static stiffness of a uniform element without foundation, with the
// rotation against du/dz: Timoshenko with Phi = 12 EI t / h^2, and Euler with
// an axial compression P through the stability functions of phi = h
// sqrt(P / EI), the shear including P times the slope.
Mat4 static_beam(double EI, double h, double t, double P) {
  double k11, k12, k22, k24;
  if (P == 0.0) {
    const double Phi = 12.0 * EI * t / (h * h);
    k11 = 12.0 * EI / (h * h * h * (1.0 + Phi));
    k12 = -6.0 * EI / (h * h * (1.0 + Phi));
    k22 = (4.0 + Phi) * EI / (h * (1.0 + Phi));
    k24 = (2.0 - Phi) * EI / (h * (1.0 + Phi));
  } else {
    const double phi = h * std::sqrt(P / EI);
    const double den = 2.0 - 2.0 * std::cos(phi) - phi * std::sin(phi);
    k22 = EI / h * phi * (std::sin(phi) - phi * std::cos(phi)) / den;
    k24 = EI / h * phi * (phi - std::sin(phi)) / den;
    k11 = 2.0 * (k22 + k24) / (h * h) - P / h;
    k12 = -(k22 + k24) / h;
  }
  const double rows[4][4] = {
      {k11, k12, -k11, k12}, {k12, k22, -k12, k24}, {-k11, -k12, k11, -k12}, {k12, k24, -k12, k22}};
  Mat4 K{};
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) K[i][j] = rows[i][j];
  return K;
}

class BendingElementStatic : public ::testing::TestWithParam<StaticRow> {};

TEST_P(BendingElementStatic, TendsToTheStaticBeam) {
  const StaticRow& row = GetParam();
  const double EI = 1e5, h = 2.0;
  const BeamCase beam{EI, row.t, row.P, -row.mu4 * EI / (h * h * h * h), 0.0, 0.0, h};
  EXPECT_LE(matrix_error(element(beam), static_beam(EI, h, row.t, row.P), h), row.tolerance);
}

// The tolerance holds the spring's own share, about mu^4 / 10.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Limits, BendingElementStatic, ::testing::Values(
  //        name          t      P      mu4    tolerance
  StaticRow{"euler",      0.0,   0.0,   1e-2,  2e-3},
  StaticRow{"euler",      0.0,   0.0,   1e-4,  2e-5},
  StaticRow{"euler",      0.0,   0.0,   1e-8,  1e-6},
  StaticRow{"timoshenko", 5e-6,  0.0,   1e-4,  2e-5},
  StaticRow{"timoshenko", 5e-4,  0.0,   1e-8,  1e-6},
  StaticRow{"compressed", 0.0,   2e4,   1e-4,  2e-5},
  StaticRow{"compressed", 0.0,   2e5,   1e-4,  2e-5}));
// clang-format on

TEST(BarElement, TendsToTheStaticBarAndMatchesTheWaveSolution) {
  // E A / h with a vanishing load.
  cplx diagonal, coupling;
  pile_bar_element(cplx(2e6f), cplx(-1e-3f), 2.0f, diagonal, coupling);
  EXPECT_LE(relative_error(diagonal, 1e6), 1e-6);
  EXPECT_LE(relative_error(coupling, -1e6), 1e-6);
  // A long bar on a spring k: each end has the stiffness sqrt(k S) of a
  // semi-infinite bar and the two ends no longer see each other.
  pile_bar_element(cplx(2e6f), cplx(-5e4f), 3000.0f, diagonal, coupling);
  EXPECT_LE(relative_error(diagonal, std::sqrt(5e4 * 2e6)), 1e-5);
  EXPECT_LE(std::abs(coupling), 1e-6f * std::abs(diagonal));
}

// ---------------------------------------------------------------------------
// The pile

struct Pile {
  PileImpedanceInput in;
  PileTable r, I;
};

// A solid circular pile of radius r0 and length L cut into n equal elements
// in one homogeneous soil (kN, m, s), the soil below the same.
Pile uniform_pile(int n, double L, double r0, double Ep_over_Es, double nu, double D) {
  Pile p;
  const double Vs = 100.0, gamma = 18.0, g = 9.81;
  const double Es = 2.0 * (1.0 + nu) * Vs * Vs * gamma / g;
  PileImpedanceInput& in = p.in;
  in.n = n;
  in.g = static_cast<real>(g);
  in.gamma_p = 24.0f;
  in.nu_p = 0.25f;
  in.kappa = 0.0f;
  in.Ep = static_cast<real>(Ep_over_Es * Es);
  in.Dp = 0.0f;
  const double A = kPi * r0 * r0, I = kPi * std::pow(r0, 4) / 4.0;
  for (int j = 1; j <= n; ++j) {
    in.h(j) = static_cast<real>(L / n);
    in.A(j) = static_cast<real>(A);
    in.J(j) = static_cast<real>(2.0 * I);
    p.r(j) = static_cast<real>(r0);
    p.I(j) = static_cast<real>(I);
    in.Vs(j) = static_cast<real>(Vs);
    in.gamma(j) = static_cast<real>(gamma);
    in.nu(j) = static_cast<real>(nu);
    in.D(j) = static_cast<real>(D);
    in.weak_ratio(j) = 1.0f;
    in.weak_nu(j) = static_cast<real>(nu);
    in.weak_D(j) = static_cast<real>(D);
  }
  in.Vb = static_cast<real>(Vs);
  in.gamma_b = static_cast<real>(gamma);
  in.nu_b = static_cast<real>(nu);
  in.Db = static_cast<real>(D);
  return p;
}

PileHeadTerms head(const Pile& p, real omega) {
  PileHeadTerms out;
  PILE_IMPEDANCE(p.in, p.r, p.I, omega, out);
  return out;
}

// Static head stiffnesses of a long flexible pile in a homogeneous soil of
// Young's modulus Es and Poisson's ratio nu (pile diameter d, length L):
// horizontal, rocking and coupling with the other motion held from the
// fitted formulas of Gazetas, K_HH = d Es (Ep/Es)^0.21, K_MM = 0.15 d^3 Es
// (Ep/Es)^0.75, K_HM = -0.22 d^2 Es (Ep/Es)^0.5; vertical from Randolph and
// Wroth's closed form for a compressible pile,
// P/(w G r0) = (4/(1 - nu) + 2 pi/zeta tanh(mu L)/(mu L) L/r0) /
//              (1 + 4/(pi lambda (1 - nu)) tanh(mu L)/(mu L) L/r0),
// zeta = ln(2.5 L (1 - nu) / r0), lambda = Ep/G, mu L = L/r0 sqrt(2/(zeta lambda)).
// The plane-strain springs of the layers differ from the three-dimensional
// continuum by up to a fifth at low frequency; the formulas, fits to
// continuum solutions, are read at that accuracy.
struct LongPileRow {
  double Ep_over_Es, nu;
};
void PrintTo(const LongPileRow& r, std::ostream* os) { *os << "Ep/Es " << r.Ep_over_Es << " nu " << r.nu; }

class LongPileStatic : public ::testing::TestWithParam<LongPileRow> {};

TEST_P(LongPileStatic, AgreesWithPublishedClosedForms) {
  const LongPileRow& row = GetParam();
  const double L = 20.0, r0 = 0.25, d = 2.0 * r0;
  const Pile p = uniform_pile(20, L, r0, row.Ep_over_Es, row.nu, 0.0);
  const double G = 100.0 * 100.0 * 18.0 / 9.81;
  const double Es = 2.0 * (1.0 + row.nu) * G;
  const double ratio = row.Ep_over_Es;
  const PileHeadTerms k = head(p, 0.01f);

  const double KHH = d * Es * std::pow(ratio, 0.21);
  const double KMM = 0.15 * d * d * d * Es * std::pow(ratio, 0.75);
  const double KHM = -0.22 * d * d * Es * std::pow(ratio, 0.5);
  const double lambda = ratio * Es / G;
  const double zeta = std::log(2.5 * L * (1.0 - row.nu) / r0);
  const double muL = L / r0 * std::sqrt(2.0 / (zeta * lambda));
  const double th = std::tanh(muL) / muL * L / r0;
  const double KV =
      G * r0 * (4.0 / (1.0 - row.nu) + 2.0 * kPi / zeta * th) / (1.0 + 4.0 / (kPi * lambda * (1.0 - row.nu)) * th);

  EXPECT_NEAR(k.k(PILE_HORIZONTAL) / KHH, 1.0, 0.25);
  EXPECT_NEAR(k.k(PILE_ROCKING) / KMM, 1.0, 0.25);
  EXPECT_NEAR(k.k(PILE_COUPLING) / KHM, 1.0, 0.25);
  EXPECT_NEAR(k.k(PILE_VERTICAL) / KV, 1.0, 0.3);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Stiffnesses, LongPileStatic, ::testing::Values(
  LongPileRow{100.0,   0.25},
  LongPileRow{1000.0,  0.25},
  LongPileRow{1000.0,  0.4},
  LongPileRow{10000.0, 0.4}));
// clang-format on

struct CutRow {
  int n;
  real omega;
  double D;
  real weak_ratio, weak_t;
  real omega1, omegac;  // stratum frequencies (0: a floating tip)
};
void PrintTo(const CutRow& r, std::ostream* os) {
  *os << "n " << r.n << " omega " << r.omega << " D " << r.D << " zone " << r.weak_ratio << "/" << r.weak_t
      << " omega1 " << r.omega1 << " omegac " << r.omegac;
}

class CutIntoElements : public ::testing::TestWithParam<CutRow> {};

// Exact element stiffnesses: cutting a uniform pile into twice the elements
// changes nothing, whatever the frequency, damping, zone or stratum.
TEST_P(CutIntoElements, HeadTermsDoNotDependOnTheCut) {
  const CutRow& row = GetParam();
  auto pile = [&](int n) {
    Pile p = uniform_pile(n, 12.0, 0.3, 1000.0, 0.35, row.D);
    p.in.kappa = 1.2f;
    p.in.P = 500.0f;
    p.in.Dp = 0.02f;
    p.in.omega1 = row.omega1;
    p.in.omegac = row.omegac;
    p.in.weak_zone_switch = 1;
    for (int j = 1; j <= n; ++j) {
      p.in.weak_ratio(j) = row.weak_ratio;
      p.in.weak_D(j) = 0.1f;
      p.in.weak_t(j) = row.weak_t;
    }
    return head(p, row.omega);
  };
  const PileHeadTerms coarse = pile(row.n);
  const PileHeadTerms fine = pile(2 * row.n);
  for (int i = 1; i <= 6; ++i) {
    SCOPED_TRACE(i);
    const double scale = std::hypot(coarse.k(i), row.omega * coarse.c(i));
    EXPECT_NEAR(fine.k(i), coarse.k(i), 2e-4 * scale);
    EXPECT_NEAR(fine.c(i) * row.omega, coarse.c(i) * row.omega, 2e-4 * scale);
  }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cuts, CutIntoElements, ::testing::Values(
  //     n   omega   D      zone          omega1 omegac
  CutRow{1,  20.0f,  0.05,  1.0f, 0.0f,   0.0f,  0.0f},
  CutRow{3,  5.0f,   0.0,   1.0f, 0.0f,   0.0f,  0.0f},
  CutRow{3,  80.0f,  0.05,  1.0f, 0.0f,   0.0f,  0.0f},
  CutRow{6,  150.0f, 0.1,   1.0f, 0.0f,   0.0f,  0.0f},
  CutRow{4,  40.0f,  0.05,  0.4f, 0.15f,  0.0f,  0.0f},
  // Below the stratum's frequencies every layer is without radiation.
  CutRow{3,  5.0f,   0.05,  1.0f, 0.0f,   8.0f,  15.0f},
  CutRow{15, 5.0f,   0.05,  1.0f, 0.0f,   8.0f,  15.0f}));
// clang-format on

TEST(PileImpedance, PinnedHeadAndTheTwoDirectionsOfACircularPile) {
  Pile p = uniform_pile(8, 15.0, 0.4, 500.0, 0.3, 0.05);
  const real omega = 30.0f;
  const PileHeadTerms x = head(p, omega);
  // The driver's third call: radius and moments about y, equal here.
  const PileHeadTerms y = head(p, omega);
  auto K = [&](const PileHeadTerms& t, int i) { return dcplx(t.k(i), omega * t.c(i)); };
  const dcplx VT = K(x, PILE_HORIZONTAL), VR = K(x, PILE_COUPLING), MR = K(x, PILE_ROCKING);
  EXPECT_LE(std::abs(K(x, PILE_PINNED) - (VT - VR * VR / MR)) / std::abs(VT), 1e-5);
  for (int i = 1; i <= 6; ++i) {
    EXPECT_EQ(x.k(i), y.k(i));
    EXPECT_EQ(x.c(i), y.c(i));
  }
  // A unit head displacement with the rotation held needs a moment against
  // the rotation's positive sense; the pinned head is softer than the fixed.
  EXPECT_LT(x.k(PILE_COUPLING), 0.0f);
  EXPECT_LT(x.k(PILE_PINNED), x.k(PILE_HORIZONTAL));
  EXPECT_GT(x.k(PILE_PINNED), 0.0f);
}

// A short, nearly rigid and nearly massless pile in a layer without
// stiffness stands on the tip alone: its vertical and fixed-head horizontal
// terms are those of a disc on the soil below, 4 G r/(1 - nu) and
// 8 G r/(2 - nu) statically. At or below the stratum's frequencies the disc
// keeps only material damping on those stiffnesses.
struct TipRow {
  real omega, omega1, omegac;
  bool vertical_quasi_static, horizontal_quasi_static;
};
void PrintTo(const TipRow& r, std::ostream* os) {
  *os << "omega " << r.omega << " omega1 " << r.omega1 << " omegac " << r.omegac;
}

class Tip : public ::testing::TestWithParam<TipRow> {};

TEST_P(Tip, QuasiStaticBelowTheStratumFrequencies) {
  const TipRow& row = GetParam();
  Pile p = uniform_pile(1, 0.5, 0.5, 1e6, 0.3, 0.0);
  p.in.gamma_p = 1e-6f;
  p.in.Vs(1) = 0.0f;
  p.in.Db = 0.08f;
  p.in.omega1 = row.omega1;
  p.in.omegac = row.omegac;
  const PileHeadTerms t = head(p, row.omega);
  const double Gb = 100.0 * 100.0 * 18.0 / 9.81, r = 0.5, nu = 0.3;
  const double vertical = 4.0 * Gb * r / (1.0 - nu), horizontal = 8.0 * Gb * r / (2.0 - nu);
  const double a0 = row.omega * r / 100.0;
  const double Dv = t.c(PILE_VERTICAL) * row.omega / t.k(PILE_VERTICAL);
  const double Dh = t.c(PILE_HORIZONTAL) * row.omega / t.k(PILE_HORIZONTAL);
  if (row.vertical_quasi_static) {
    EXPECT_NEAR(t.c(PILE_VERTICAL) * row.omega, 0.08 * vertical, 1e-3 * vertical);
  } else {
    // Radiation: the disc's vertical dashpot, about 0.85 a0 in the loss ratio.
    EXPECT_GT(Dv, 0.08 + 0.5 * a0);
  }
  if (row.horizontal_quasi_static) {
    EXPECT_NEAR(t.c(PILE_HORIZONTAL) * row.omega, 0.08 * horizontal, 2e-3 * horizontal);
  } else {
    EXPECT_GT(Dh, 0.08 + 0.3 * a0);
  }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Stratum, Tip, ::testing::Values(
  //     omega  omega1 omegac  vertical horizontal quasi-static
  TipRow{10.0f, 0.0f,  0.0f,   false,   false},   // a floating tip
  TipRow{10.0f, 8.0f,  12.0f,  true,    false},
  TipRow{10.0f, 10.0f, 10.0f,  true,    true},
  TipRow{10.0f, 12.0f, 20.0f,  true,    true},
  TipRow{25.0f, 12.0f, 20.0f,  false,   false}));
// clang-format on

TEST(PileImpedance, NoFrequencyIsTheLowestFrequencyLine) {
  const Pile p = uniform_pile(5, 10.0, 0.3, 1000.0, 0.3, 0.05);
  const PileHeadTerms lowest = head(p, 0.0001f);
  for (real omega : {0.0f, -3.0f}) {
    const PileHeadTerms t = head(p, omega);
    for (int i = 1; i <= 6; ++i) {
      EXPECT_EQ(t.k(i), lowest.k(i));
      EXPECT_EQ(t.c(i), lowest.c(i));
    }
  }
}

// A multilayer column whose elements below the adjacent layers are the soil
// (modulus and damping scaled by the in/out ratios) is the same as a pile
// made of that material.
TEST(PileImpedance, SoilElementsOfAColumnAreMadeOfTheScaledSoil) {
  const int n = 4;
  Pile column = uniform_pile(n, 8.0, 1.5, 1.0, 0.35, 0.05);
  column.in.column_switch = -1;
  column.in.na = 0;
  for (int j = 1; j <= n; ++j) {
    column.in.rho_G(j) = 1.8f;
    column.in.rho_D(j) = 1.5f;
  }
  column.in.Ep = 1e9f;  // not read for soil elements
  Pile pile = column;
  pile.in.column_switch = 1;
  const double G = 100.0 * 100.0 * 18.0 / 9.81;
  pile.in.nu_p = 0.35f;
  pile.in.Ep = static_cast<real>(2.0 * 1.35 * 1.8 * G);
  pile.in.gamma_p = 18.0f;
  pile.in.Dp = 0.05f * 1.5f;
  const real omega = 25.0f;
  const PileHeadTerms a = head(column, omega);
  const PileHeadTerms b = head(pile, omega);
  for (int i = 1; i <= 6; ++i) {
    SCOPED_TRACE(i);
    EXPECT_NEAR(a.k(i), b.k(i), 1e-5 * std::abs(b.k(i)));
    EXPECT_NEAR(a.c(i), b.c(i), 1e-5 * std::abs(b.c(i)));
  }
  // With every element adjacent the column is the pile of its constants.
  column.in.na = n;
  Pile constants = column;
  constants.in.column_switch = 1;
  const PileHeadTerms adjacent = head(column, omega);
  const PileHeadTerms as_pile = head(constants, omega);
  for (int i = 1; i <= 6; ++i) {
    EXPECT_EQ(adjacent.k(i), as_pile.k(i));
    EXPECT_EQ(adjacent.c(i), as_pile.c(i));
  }
}

TEST(PileImpedance, ZoneValuesAreReadOnlyWithTheWeakZoneSwitch) {
  Pile p = uniform_pile(4, 10.0, 0.3, 1000.0, 0.3, 0.05);
  const PileHeadTerms plain = head(p, 40.0f);
  for (int j = 1; j <= 4; ++j) {
    p.in.weak_ratio(j) = 0.3f;
    p.in.weak_t(j) = 0.2f;
  }
  const PileHeadTerms off = head(p, 40.0f);
  p.in.weak_zone_switch = 1;
  const PileHeadTerms on = head(p, 40.0f);
  for (int i = 1; i <= 6; ++i) {
    EXPECT_EQ(off.k(i), plain.k(i));
    EXPECT_EQ(off.c(i), plain.c(i));
  }
  // A softer ring around each element softens the head.
  EXPECT_LT(on.k(PILE_HORIZONTAL), 0.95f * plain.k(PILE_HORIZONTAL));
  EXPECT_LT(on.k(PILE_VERTICAL), 0.98f * plain.k(PILE_VERTICAL));
}

}  // namespace
}  // namespace zav
