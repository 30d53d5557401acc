// The single-precision Bessel functions against independent references: the
// standard library's real-order functions on the real and imaginary axes, and
// an extended-precision evaluation elsewhere in the plane.
#include "kernels/bessel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "kernels/tests/bessel_reference.h"

namespace zav {
namespace {

using test::lcplx;
using test::reference_bessel_i;
using test::reference_bessel_k;

enum class Fn { K0, K1, I0, I1 };

const char* name(Fn f) {
  switch (f) {
    case Fn::K0: return "K0";
    case Fn::K1: return "K1";
    case Fn::I0: return "I0";
    case Fn::I1: return "I1";
  }
  return "?";
}
int order(Fn f) { return f == Fn::K1 || f == Fn::I1 ? 1 : 0; }
bool second_kind(Fn f) { return f == Fn::K0 || f == Fn::K1; }

cplx evaluate(Fn f, const cplx& z) {
  cplx result;
  switch (f) {
    case Fn::K0: BESSEL_K0(result, z); break;
    case Fn::K1: BESSEL_K1(result, z); break;
    case Fn::I0: BESSEL_I0(result, z); break;
    case Fn::I1: BESSEL_I1(result, z); break;
  }
  return result;
}

constexpr double kPi = 3.14159265358979323846;
constexpr double kSwitchRadius = 9.0;
// Twenty terms of the series of I0 and I1 serve up to |z| = 12; the soil
// reactions need them within the weakened zone around a cylinder.
constexpr double kFirstKindRadius = 12.0;

cplx polar_float(double r, double degrees) {
  return {static_cast<float>(r * std::cos(degrees * kPi / 180.0)),
          static_cast<float>(r * std::sin(degrees * kPi / 180.0))};
}

// The ascending series adds terms as large as I0(|z|) in single precision to
// reach |K(z)|, which falls as e^(-|Re z|): the rounding error relative to K
// grows as I0(|z|) e^|Re z|, from single precision at |z| = 3 to about 1e-3
// at the switch radius.
double series_tolerance(const cplx& z) {
  const double r = std::abs(z);
  return 1e-6 * std::max(1.0, std::cyl_bessel_i(0.0, r) * std::exp(std::fabs(z.real())) / std::cyl_bessel_i(0.0, 3.0));
}

// Beyond the switch radius the expansion keeps the first-order term and the
// real part of the second-order term of the classical series in 1/(8z); what
// it leaves out is the imaginary part of the second-order term and the
// third-order term.
double asymptotic_tolerance(int n, const cplx& z) {
  const double m = 4.0 * n * n - 1.0;
  const double r = std::abs(z);
  const double theta = std::arg(std::complex<double>(z));
  const double second = std::fabs(m * (m - 8.0)) / (2.0 * 64.0 * r * r) * std::fabs(std::sin(2 * theta));
  const double third = std::fabs(m * (m - 8.0) * (m - 24.0)) / (6.0 * 512.0 * r * r * r);
  return 1.5 * (second + third) + 1e-6;
}

// The error measure and its bound. K: relative to |K(z)|. I: relative to
// I_n(|z|), the sum of the moduli of the series terms; I0 and I1 have zeros
// on the imaginary axis, where a relative error says nothing.
struct Check {
  double error;
  double tolerance;
};

Check check(Fn f, const cplx& z, std::complex<double> reference) {
  const std::complex<double> got(evaluate(f, z));
  const double r = std::abs(z);
  if (second_kind(f)) {
    const double tol = r > kSwitchRadius ? asymptotic_tolerance(order(f), z) : series_tolerance(z);
    return {std::abs(got - reference) / std::abs(reference), tol};
  }
  return {std::abs(got - reference) / std::cyl_bessel_i(order(f), r), 3e-7};
}

// One ray of arguments z = r e^(i theta) over the radii of a table. On the
// axes the angle is exact (z = r or z = i r).
struct Ray {
  Fn fn;
  double degrees;
  const std::vector<double>* radii;
};

void PrintTo(const Ray& ray, std::ostream* os) { *os << name(ray.fn) << " at " << ray.degrees << " deg"; }

cplx on_ray(const Ray& ray, double r) {
  if (ray.degrees == 0.0) return {float(r), 0.0f};
  if (ray.degrees == 90.0) return {0.0f, float(r)};
  return polar_float(r, ray.degrees);
}

template <class Reference>
void check_ray(const Ray& ray, Reference reference) {
  for (double r : *ray.radii) {
    if (!second_kind(ray.fn) && r > kFirstKindRadius) continue;
    const cplx z = on_ray(ray, r);
    SCOPED_TRACE(::testing::Message() << name(ray.fn) << "(" << z.real() << ", " << z.imag() << ")");
    const Check c = check(ray.fn, z, reference(ray.fn, z));
    EXPECT_LE(c.error, c.tolerance);
  }
}

const std::vector<double> kAllRadii = {0.01, 0.1,  0.5,  1.0,  2.0,  3.0,  4.5,  6.0,  7.5,
                                       8.5,  8.99, 9.01, 10.0, 12.0, 15.0, 20.0, 30.0, 50.0};
// On the real axis between |z| = 3 and the switch radius the single-precision
// series cancels to nothing (terms near I0(9) ~ 1e3 against K0(9) ~ 5e-5);
// the soil reactions evaluate the functions close to the imaginary axis.
const std::vector<double> kRealAxisRadiiK = {0.01, 0.1, 0.5, 1.0, 2.0, 3.0, 9.01, 10.0, 12.0, 15.0, 20.0, 30.0, 50.0};

// K0(iy) = -(pi/2) (Y0(y) + i J0(y)), K1(iy) = -(pi/2) (J1(y) - i Y1(y)),
// I0(iy) = J0(y), I1(iy) = i J1(y).
std::complex<double> standard_library_value(Fn f, const cplx& z) {
  const int n = order(f);
  if (z.imag() == 0.0f) {
    const double x = z.real();
    return second_kind(f) ? std::cyl_bessel_k(n, x) : std::cyl_bessel_i(n, x);
  }
  const double y = z.imag();
  const double J = std::cyl_bessel_j(n, y);
  switch (f) {
    case Fn::K0: return -kPi / 2 * std::complex<double>(std::cyl_neumann(0, y), J);
    case Fn::K1: return -kPi / 2 * std::complex<double>(J, -std::cyl_neumann(1, y));
    case Fn::I0: return J;
    case Fn::I1: return {0.0, J};
  }
  return 0.0;
}

class BesselAgainstStandardLibrary : public ::testing::TestWithParam<Ray> {};

TEST_P(BesselAgainstStandardLibrary, AgreesOnTheAxes) { check_ray(GetParam(), standard_library_value); }

// clang-format off
INSTANTIATE_TEST_SUITE_P(RealAndImaginaryAxis, BesselAgainstStandardLibrary, ::testing::Values(
  Ray{Fn::K0, 0.0,  &kRealAxisRadiiK}, Ray{Fn::K0, 90.0, &kAllRadii},
  Ray{Fn::K1, 0.0,  &kRealAxisRadiiK}, Ray{Fn::K1, 90.0, &kAllRadii},
  Ray{Fn::I0, 0.0,  &kAllRadii},       Ray{Fn::I0, 90.0, &kAllRadii},
  Ray{Fn::I1, 0.0,  &kAllRadii},       Ray{Fn::I1, 90.0, &kAllRadii}));
// clang-format on

// Near the imaginary axis in all four quadrants, where the shear- and
// compression-wave arguments i a / sqrt(1 + i D) of a damped soil lie, and
// on the diagonals where both forms are sound (small |z|, or beyond the
// switch radius).
const std::vector<double> kNearAxisRadii = {0.01, 0.3,  1.0,  2.0,  3.0,  4.5,  6.0,  7.5,
                                            8.9,  9.01, 11.0, 12.0, 14.0, 20.0, 35.0, 50.0};
const std::vector<double> kDiagonalRadii = {0.01, 0.3, 1.0, 2.0, 3.0, 9.01, 11.0, 12.0, 14.0, 20.0, 35.0, 50.0};

std::vector<Ray> plane_rays() {
  std::vector<Ray> rays;
  for (Fn f : {Fn::K0, Fn::K1, Fn::I0, Fn::I1}) {
    for (double quadrant : {0.0, 90.0, 180.0, 270.0}) {
      for (double offset : {80.0, 85.0, 88.0}) {
        const double degrees = quadrant + (int(quadrant) % 180 == 0 ? offset : 90.0 - offset);
        rays.push_back({f, degrees, &kNearAxisRadii});
      }
      rays.push_back({f, quadrant + 45.0, &kDiagonalRadii});
    }
  }
  return rays;
}

// Within the switch radius the phase of ln(z/2) comes from the one-argument
// arctangent, so for Re z < 0 (and on the negative imaginary axis) the series
// is that of K_n(-z), times (-1)^n for K1. Beyond it the expansion follows the
// principal branch.
std::complex<double> extended_value(Fn f, const cplx& z) {
  const lcplx zl(z.real(), z.imag());
  const int n = order(f);
  lcplx value;
  if (!second_kind(f)) {
    value = reference_bessel_i(n, zl);
  } else if (std::abs(zl) <= kSwitchRadius && (z.real() < 0.0f || (z.real() == 0.0f && z.imag() < 0.0f))) {
    value = (n == 1 ? -1.0L : 1.0L) * reference_bessel_k(n, -zl);
  } else {
    value = reference_bessel_k(n, zl);
  }
  return {double(value.real()), double(value.imag())};
}

class BesselAgainstExtendedPrecision : public ::testing::TestWithParam<Ray> {};

TEST_P(BesselAgainstExtendedPrecision, AgreesInTheFourQuadrants) { check_ray(GetParam(), extended_value); }

INSTANTIATE_TEST_SUITE_P(ComplexPlane, BesselAgainstExtendedPrecision, ::testing::ValuesIn(plane_rays()));

// |z| = 9 exactly still takes the series, the next float above it the
// expansion. On the negative imaginary axis the two differ in kind: the
// series takes the phase +pi/2 and gives K(+iy), the expansion the
// principal K(-iy), its conjugate for K0.
TEST(BesselSwitchRadius, NineItselfTakesTheSeries) {
  const float nine = 9.0f;
  const float above = std::nextafter(nine, 20.0f);
  const std::complex<double> k0_up = standard_library_value(Fn::K0, cplx(0.0f, nine));
  const std::complex<double> k0_up_above = standard_library_value(Fn::K0, cplx(0.0f, above));
  const std::complex<double> series(evaluate(Fn::K0, cplx(0.0f, -nine)));
  const std::complex<double> expansion(evaluate(Fn::K0, cplx(0.0f, -above)));
  EXPECT_LE(std::abs(series - k0_up) / std::abs(k0_up), 1e-3);
  EXPECT_LE(std::abs(expansion - std::conj(k0_up_above)) / std::abs(k0_up_above), 1e-3);
  // K0(iy) and its conjugate lie far apart against that tolerance.
  EXPECT_GT(2.0 * std::abs(k0_up.imag()) / std::abs(k0_up), 0.1);
}

// Beyond the switch radius on the real axis the expansion is
// sqrt(pi/(2z)) e^-z (1 - 1/(8z) + 9/(2 (8z)^2)): 0.986993 at z = 9.01, and
// the true K0(9.01) within 1e-4.
TEST(BesselSwitchRadius, JustBeyondNineTakesTheShortExpansion) {
  const double z = 9.01f;
  const double factor = 1.0 - 1.0 / (8 * z) + 9.0 / (2 * 64 * z * z);
  EXPECT_NEAR(factor, 0.98699, 5e-6);
  const double expected = std::sqrt(kPi / (2 * z)) * std::exp(-z) * factor;
  const cplx k0 = evaluate(Fn::K0, cplx(float(z), 0.0f));
  EXPECT_NEAR(k0.real() / expected, 1.0, 1e-6);
  EXPECT_EQ(k0.imag(), 0.0f);
  EXPECT_NEAR(k0.real() / std::cyl_bessel_k(0.0, z), 1.0, 1e-4);
}

TEST(BesselFirstKind, ValuesAtTheOrigin) {
  EXPECT_EQ(evaluate(Fn::I0, cplx(0.0f)), cplx(1.0f));
  EXPECT_EQ(evaluate(Fn::I1, cplx(0.0f)), cplx(0.0f));
}

TEST(BesselSecondKind, IsInfiniteAtItsPoleAndFollowsItsLimitsNearIt) {
  for (Fn f : {Fn::K0, Fn::K1}) {
    SCOPED_TRACE(name(f));
    const cplx at_zero = evaluate(f, cplx(0.0f));
    EXPECT_TRUE(std::isinf(at_zero.real()));
    const cplx of_nan = evaluate(f, cplx(std::nanf(""), 0.0f));
    EXPECT_TRUE(std::isnan(of_nan.real()) && std::isnan(of_nan.imag()));
  }
  // Below the range of the squares of single precision: K0(z) = -ln(z/2) -
  // gamma and K1(z) = 1/z to single precision.
  const cplx z(0.0f, 1e-30f);
  const cplx k0 = evaluate(Fn::K0, z);
  EXPECT_NEAR(k0.real(), -std::log(0.5e-30) - 0.5772156649, 1e-4);
  EXPECT_NEAR(k0.imag(), -1.5707963, 1e-6);
  const cplx k1 = evaluate(Fn::K1, z);
  EXPECT_NEAR(k1.imag() / -1e30, 1.0, 1e-6);
}

}  // namespace
}  // namespace zav
