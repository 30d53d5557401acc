#include "kernels/fft.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>
#include <ostream>
#include <random>
#include <vector>

namespace zav {
namespace {

using dcplx = std::complex<double>;

// Transforms a in place with work arrays of exactly the advertised sizes, so
// that the sanitizer sees any access beyond them.
void transform(std::vector<cplx>& a) {
  const int n = static_cast<int>(a.size());
  std::vector<int> iwk(fft_iwk_size(n));
  std::vector<real> wk(fft_wk_size(n));
  FFT_MIXED_RADIX(a.data(), n, iwk, wk);
}

// Direct O(N^2) sum in double precision, the sign and scaling of the engine's
// transform: X(k) = sum_j x(j) exp(+2 pi i j k / N).
std::vector<dcplx> direct_dft(const std::vector<cplx>& x) {
  const int n = static_cast<int>(x.size());
  std::vector<dcplx> root(n);
  for (int m = 0; m < n; ++m) root[m] = std::polar(1.0, 2.0 * std::numbers::pi * m / n);
  std::vector<dcplx> out(n);
  for (int k = 0; k < n; ++k) {
    dcplx s = 0.0;
    for (int j = 0; j < n; ++j) s += dcplx(x[j]) * root[(static_cast<long>(j) * k) % n];
    out[k] = s;
  }
  return out;
}

// ||a - b|| / ||b|| over the whole series.
double relative_error(const std::vector<cplx>& a, const std::vector<dcplx>& b) {
  double num = 0.0;
  double den = 0.0;
  for (std::size_t k = 0; k < a.size(); ++k) {
    num += std::norm(dcplx(a[k]) - b[k]);
    den += std::norm(b[k]);
  }
  return std::sqrt(num / den);
}

std::vector<cplx> random_series(int n, std::mt19937& gen) {
  std::uniform_real_distribution<float> u(-1.0f, 1.0f);
  std::vector<cplx> x(n);
  for (auto& v : x) v = cplx(u(gen), u(gen));
  return x;
}

// Every length a transient load can have, primes and 2^10 among them: the
// single-precision transform against the double-precision sum, and the
// engine's own round trip (conjugate, divide by N, transform again gives the
// conjugate of the series back).
TEST(FftMixedRadix, MatchesDirectSumForEveryLengthUpTo1024) {
  std::mt19937 gen(20240611);
  double worst_forward = 0.0;
  double worst_round_trip = 0.0;
  for (int n = 1; n <= FFT_MAX_POINTS; ++n) {
    SCOPED_TRACE(testing::Message() << "N = " << n);
    const std::vector<cplx> x = random_series(n, gen);
    std::vector<cplx> a = x;
    transform(a);
    const double forward = relative_error(a, direct_dft(x));
    EXPECT_LT(forward, 2e-6);

    for (auto& v : a) v = std::conj(v) / static_cast<real>(n);
    transform(a);
    std::vector<dcplx> expected(n);
    for (int j = 0; j < n; ++j) expected[j] = std::conj(dcplx(x[j]));
    const double round_trip = relative_error(a, expected);
    EXPECT_LT(round_trip, 2e-6);

    worst_forward = std::max(worst_forward, forward);
    worst_round_trip = std::max(worst_round_trip, round_trip);
  }
  RecordProperty("worst_forward_error", testing::PrintToString(worst_forward));
  RecordProperty("worst_round_trip_error", testing::PrintToString(worst_round_trip));
}

// A pure tone exp(-2 pi i m j / N) transforms to N at line m and 0 elsewhere:
// a closed form that fixes the sign of the exponent and the output order for
// each kind of factor list.
struct ToneRow {
  int n;
  int m;
  const char* what;
  friend void PrintTo(const ToneRow& r, std::ostream* os) { *os << "N " << r.n << ", tone " << r.m; }
};

class FftTone : public testing::TestWithParam<ToneRow> {};

TEST_P(FftTone, LandsOnItsLine) {
  const ToneRow& row = GetParam();
  SCOPED_TRACE(row.what);
  std::vector<cplx> a(row.n);
  for (int j = 0; j < row.n; ++j) {
    const double phase = -2.0 * std::numbers::pi * ((static_cast<long>(row.m) * j) % row.n) / row.n;
    a[j] = cplx(std::polar(1.0, phase));
  }
  transform(a);
  for (int k = 0; k < row.n; ++k) {
    const cplx expected = k == row.m ? cplx(static_cast<real>(row.n), 0.0f) : cplx(0.0f, 0.0f);
    EXPECT_LT(std::abs(a[k] - expected), 2e-5f * row.n) << "line " << k;
  }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(FactorLists, FftTone, testing::Values(
    ToneRow{   1,    0, "a single value is left as it is"},
    ToneRow{   2,    1, "one radix-2 pass"},
    ToneRow{   8,    3, "a radix-4 pass and a radix-2 pass"},
    ToneRow{  16,    5, "two radix-4 passes"},
    ToneRow{  25,   13, "square factor 5, both ends"},
    ToneRow{  49,   20, "square factor 7 by the general odd butterfly"},
    ToneRow{ 210,  101, "square-free 2*3*5*7, reordered by cycles"},
    ToneRow{ 360,  359, "squares 2 and 3 around a square-free 2*5"},
    ToneRow{1001,  400, "square-free 7*11*13, general butterflies only"},
    ToneRow{1004,  777, "a large odd factor with twiddles: 2*251*2"},
    ToneRow{1021,   17, "a prime: one general odd pass"},
    ToneRow{1024, 1023, "2^10: five radix-4 passes"}));
// clang-format on

}  // namespace
}  // namespace zav
