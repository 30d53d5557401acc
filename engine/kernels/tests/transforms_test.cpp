// Congruence transforms against plain double-precision products, the
// rigid-body lever-arm law and the stiffness of a battered pile.
#include "kernels/transforms.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <complex>
#include <limits>
#include <random>
#include <vector>

namespace zav {
namespace {

using dcplx = std::complex<double>;
using Real6 = std::array<real, 36>;  // column by column, leading dimension 6

constexpr double kPi = 3.14159265358979323846;

Mat<const real> view(const Real6& t) { return {t.data(), 6}; }

// T^T K T in double precision, and the same product of the moduli, which
// bounds the rounding of a single-precision evaluation entry by entry.
struct Reference {
  dcplx value[6][6];
  double scale[6][6];
};

// Over the leading n by n block.
Reference reference_product(const Cmat6& K, const Real6& t, int n = 6) {
  auto T = [&t](int i, int j) { return double(t[i + 6 * j]); };
  Reference ref{};
  for (int j = 0; j < n; ++j)
    for (int l = 0; l < n; ++l)
      for (int a = 0; a < n; ++a)
        for (int b = 0; b < n; ++b) {
          const dcplx k(K(a + 1, b + 1));
          ref.value[j][l] += T(a, j) * k * T(b, l);
          ref.scale[j][l] += std::fabs(T(a, j)) * std::abs(k) * std::fabs(T(b, l));
        }
  return ref;
}

Cmat6 random_symmetric(std::mt19937& gen) {
  std::uniform_real_distribution<float> u(-1.0f, 1.0f);
  Cmat6 K;
  for (int j = 1; j <= 6; ++j)
    for (int i = j; i <= 6; ++i) K(i, j) = K(j, i) = cplx(u(gen), u(gen)) * 1e6f;
  return K;
}

// The driver's move of an impedance from the base to the centre of gravity
// at (xc, yc, hc): the identity with the lever arms above the diagonal.
Real6 lever_arms(real xc, real yc, real hc) {
  Real6 t{};
  const Mat<real> T{t.data(), 6};
  for (int i = 1; i <= 6; ++i) T(i, i) = 1.0f;
  T(1, 5) = -hc;
  T(1, 6) = yc;
  T(2, 4) = hc;
  T(2, 6) = -xc;
  T(3, 4) = -yc;
  T(3, 5) = xc;
  return t;
}

struct TransformRow {
  const char* what;
  unsigned seed;
  bool random_transform;  // otherwise lever arms
};

void PrintTo(const TransformRow& r, std::ostream* os) { *os << r.what; }

class ComplexTransform : public ::testing::TestWithParam<TransformRow> {};

TEST_P(ComplexTransform, MatchesTheDoublePrecisionProduct) {
  const TransformRow& row = GetParam();
  std::mt19937 gen(row.seed);
  std::uniform_real_distribution<float> u(-2.0f, 2.0f);
  const Cmat6 K = random_symmetric(gen);
  Real6 t = row.random_transform ? Real6{} : lever_arms(u(gen), u(gen), u(gen));
  if (row.random_transform)
    for (real& v : t) v = u(gen);
  const Reference ref = reference_product(K, t);

  Cmat6 R;
  COMPLEX_TRANSFORM_6(K, view(t), R, 6);
  for (int j = 1; j <= 6; ++j)
    for (int l = 1; l <= 6; ++l) {
      SCOPED_TRACE(::testing::Message() << "R(" << j << ", " << l << ")");
      EXPECT_LE(std::abs(dcplx(R(j, l)) - ref.value[j - 1][l - 1]), 1e-6 * ref.scale[j - 1][l - 1]);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(SymmetricImpedances, ComplexTransform, ::testing::Values(
  TransformRow{"lever arms to the centre of gravity", 11, false},
  TransformRow{"other lever arms",                    12, false},
  TransformRow{"dense transformation",                13, true},
  TransformRow{"another dense transformation",        14, true}));
// clang-format on

// A diagonal base impedance moved to the centre of gravity gains the
// lever-arm terms of rigid-body statics, e.g. rocking about y
// kry + hc^2 kx + xc^2 kz, and the coupling -hc kx.
TEST(ComplexTransformLevers, RigidBodyStatics) {
  const double kx = 3e5, ky = 4e5, kz = 7e5, krx = 2e6, kry = 3e6, kt = 5e6;
  Cmat6 K;
  K(1, 1) = cplx(kx, 0.1 * kx);
  K(2, 2) = float(ky);
  K(3, 3) = float(kz);
  K(4, 4) = float(krx);
  K(5, 5) = float(kry);
  K(6, 6) = float(kt);
  const double xc = 0.5, yc = -0.25, hc = 1.5;  // exact in single precision
  Cmat6 R;
  COMPLEX_TRANSFORM_6(K, view(lever_arms(xc, yc, hc)), R, 6);
  auto near = [](cplx got, dcplx expected) { return std::abs(dcplx(got) - expected) <= 1e-6 * std::abs(expected); };
  const dcplx Kx(kx, 0.1 * kx);
  EXPECT_TRUE(near(R(5, 5), kry + hc * hc * Kx + xc * xc * kz));
  EXPECT_TRUE(near(R(4, 4), krx + hc * hc * ky + yc * yc * kz));
  EXPECT_TRUE(near(R(6, 6), kt + yc * yc * Kx + xc * xc * ky));
  EXPECT_TRUE(near(R(1, 5), -hc * Kx));
  EXPECT_TRUE(near(R(2, 4), hc * ky));
  EXPECT_TRUE(near(R(3, 5), xc * kz));
  EXPECT_TRUE(near(R(4, 5), -xc * yc * kz));
  EXPECT_TRUE(near(R(5, 6), -hc * yc * Kx));
  EXPECT_EQ(R(1, 1), K(1, 1));
}

// Only the leading block is transformed; the rest of R keeps its contents.
TEST(ComplexTransformBlock, SmallerOrderLeavesTheRestAlone) {
  std::mt19937 gen(21);
  const Cmat6 K = random_symmetric(gen);
  const Real6 t = lever_arms(0.5f, 0.25f, 1.0f);
  const int n = 4;
  Cmat6 R;
  const cplx sentinel(-7.0f, 3.0f);
  for (cplx& v : R.a) v = sentinel;
  COMPLEX_TRANSFORM_6(K, view(t), R, n);
  const Reference ref = reference_product(K, t, n);
  for (int j = 1; j <= 6; ++j)
    for (int l = 1; l <= 6; ++l) {
      SCOPED_TRACE(::testing::Message() << "R(" << j << ", " << l << ")");
      if (j > n || l > n) {
        EXPECT_EQ(R(j, l), sentinel);
      } else {
        EXPECT_LE(std::abs(dcplx(R(j, l)) - ref.value[j - 1][l - 1]), 1e-6 * ref.scale[j - 1][l - 1]);
      }
    }
}

// R may overwrite K; a matrix that is not symmetric comes out symmetric with
// the values below the diagonal, computed last.
TEST(ComplexTransformBlock, InPlaceAndMirrored) {
  std::mt19937 gen(31);
  Cmat6 K = random_symmetric(gen);
  K(2, 5) = cplx(5e5f, -2e5f);  // breaks the symmetry
  const Real6 t = lever_arms(0.3f, -0.6f, 1.2f);
  Cmat6 separate;
  COMPLEX_TRANSFORM_6(K, view(t), separate, 6);
  const Reference ref = reference_product(K, t);
  Cmat6 in_place = K;
  COMPLEX_TRANSFORM_6(in_place, view(t), in_place, 6);
  for (int j = 1; j <= 6; ++j)
    for (int l = 1; l <= j; ++l) {
      SCOPED_TRACE(::testing::Message() << "R(" << j << ", " << l << ")");
      EXPECT_EQ(in_place(j, l), separate(j, l));
      EXPECT_EQ(separate(l, j), separate(j, l));
      EXPECT_LE(std::abs(dcplx(separate(j, l)) - ref.value[j - 1][l - 1]), 1e-6 * ref.scale[j - 1][l - 1]);
    }
}

// The batter table, 500 piles by nine angles; only the pile asked for is
// set, the others hold NaN so that reading them shows.
struct BatterTable {
  std::vector<real> data = std::vector<real>(500 * 9, std::numeric_limits<real>::quiet_NaN());
  void set(int pile, const std::array<double, 9>& degrees) {
    for (int m = 0; m < 9; ++m) data[(pile - 1) + 500 * m] = static_cast<real>(degrees[m]);
  }
  Mat<const real> view() const { return {data.data(), 500}; }
};

// A vertical pile: 0 degrees on the diagonal, 90 off it. 90 degrees in
// single precision is 1.5707964, whose cosine is -4.371139e-8, not 0.
TEST(BatterTransform, VerticalPileIsAlmostTheIdentity) {
  BatterTable table;
  table.set(7, {0, 90, 90, 90, 0, 90, 90, 90, 0});
  Cmat6 K;
  for (int i = 1; i <= 6; ++i) K(i, i) = cplx(float(i) * 1e5f, float(i) * 1e4f);
  K(1, 5) = K(5, 1) = cplx(-2e5f, -1e4f);
  K(2, 4) = K(4, 2) = cplx(2e5f, 1e4f);
  Cmat6 R;
  BATTER_TRANSFORM(K, 7, R, table.view());
  const double largest = 6e5;
  for (int j = 1; j <= 6; ++j)
    for (int l = 1; l <= 6; ++l) EXPECT_LE(std::abs(dcplx(R(j, l)) - dcplx(K(j, l))), 1e-6 * largest);
  const double cos90 = -4.371139e-8;
  // R(1, 2) = (K11 + K22) cos90 to first order.
  EXPECT_NEAR(R(1, 2).real(), (1e5 + 2e5) * cos90, 1e-3 * 3e5 * std::fabs(cos90));
  EXPECT_NE(R(1, 2), cplx(0.0f));
}

// A pile battered by alpha in the x-z plane: lateral stiffness kl across it
// and axial stiffness ka along it give, in the axes of the cap, the
// horizontal kl cos^2 + ka sin^2, the vertical kl sin^2 + ka cos^2 and the
// cross term (kl - ka) sin cos.
TEST(BatterTransform, BatteredPileTurnsItsStiffnesses) {
  const double alpha = 20.0;
  BatterTable table;
  table.set(3, {alpha, 90, 90 - alpha, 90, 0, 90, 90 + alpha, 90, alpha});
  const double kl = 2e5, ka = 9e5, kr = 4e6, kt = 1e6;
  Cmat6 K;
  K(1, 1) = K(2, 2) = float(kl);
  K(3, 3) = float(ka);
  K(4, 4) = K(5, 5) = float(kr);
  K(6, 6) = float(kt);
  Cmat6 R;
  BATTER_TRANSFORM(K, 3, R, table.view());
  const double c = std::cos(alpha * kPi / 180), s = std::sin(alpha * kPi / 180);
  const double tol = 1e-6 * ka;
  EXPECT_NEAR(R(1, 1).real(), kl * c * c + ka * s * s, tol);
  EXPECT_NEAR(R(3, 3).real(), kl * s * s + ka * c * c, tol);
  EXPECT_NEAR(R(1, 3).real(), (kl - ka) * s * c, tol);
  EXPECT_NEAR(R(2, 2).real(), kl, tol);
  EXPECT_NEAR(R(4, 4).real(), kr * c * c + kt * s * s, 1e-6 * kr);
  EXPECT_NEAR(R(6, 6).real(), kr * s * s + kt * c * c, 1e-6 * kr);
  EXPECT_NEAR(std::abs(dcplx(R(1, 4))), 0.0, tol);  // translations and rotations stay apart
}

}  // namespace
}  // namespace zav
