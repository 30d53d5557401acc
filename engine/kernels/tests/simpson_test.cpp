#include "kernels/simpson.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <vector>

namespace zav {
namespace {

// Samples of c0 + c1 x + c2 x^2 + c3 x^3 at x0, x0 + h, ...; the expected
// value is the exact integral over [x0, x0 + (N - 1) h], worked by hand.
struct SimpsonRow {
  int n;
  double c0, c1, c2, c3;
  double x0, h;
  double integral;
  const char* what;
  friend void PrintTo(const SimpsonRow& r, std::ostream* os) { *os << "N " << r.n << ", h " << r.h; }
};

class Simpson : public testing::TestWithParam<SimpsonRow> {};

TEST_P(Simpson, IntegratesPolynomialsExactly) {
  const SimpsonRow& row = GetParam();
  SCOPED_TRACE(row.what);
  std::vector<real> y(row.n);
  for (int i = 0; i < row.n; ++i) {
    const double x = row.x0 + i * row.h;
    y[i] = static_cast<real>(row.c0 + x * (row.c1 + x * (row.c2 + x * row.c3)));
  }
  real result = -1.0f;
  SIMPSON(y.data(), row.n, static_cast<real>(row.h), result);
  EXPECT_NEAR(result, row.integral, 2e-6 * std::max(1.0, std::abs(row.integral)));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Counts, Simpson, testing::Values(
    SimpsonRow{  1, 5, 0, 0, 0,  0.0, 1.0,  0.0,        "one sample spans no interval"},
    SimpsonRow{  2, 1, 1, 0, 0,  0.0, 2.0,  4.0,        "two samples: the trapezoid"},
    SimpsonRow{  3, 0, 0, 1, 0,  0.0, 1.0,  8.0 / 3.0,  "(Y1 + 4 Y2 + Y3) h/3"},
    SimpsonRow{  4, 0, 0, 0, 1,  0.0, 1.0,  20.25,      "four samples: three-eighths rule"},
    SimpsonRow{  5, 0, 0, 0, 1,  0.0, 0.5,  4.0,        "odd count, cubic"},
    SimpsonRow{  6, 1,-1, 2, 1,  0.0, 0.5,  19.5572916666667, "even count: Simpson then three-eighths"},
    SimpsonRow{  7, 3, 0, 0,-2,  1.0, 0.5, -118.5,      "odd count away from the origin"},
    SimpsonRow{200, 1, 0, 0, 0,  0.0, 0.1,  19.9,       "longest random spectrum, a constant"},
    SimpsonRow{201, 0, 0, 1, 0, -1.0, 0.01, 2.0 / 3.0,  "odd count, many samples"}));
// clang-format on

}  // namespace
}  // namespace zav
