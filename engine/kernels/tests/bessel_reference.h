// Extended-precision modified Bessel functions of complex argument, as an
// independent reference for the single-precision kernels: ascending series
// with as many terms as convergence needs for |z| <= 12, the Hankel
// asymptotic expansion summed to its smallest term beyond. Principal branch.
#pragma once

#include <cmath>
#include <complex>

namespace zav::test {

using lcplx = std::complex<long double>;

inline constexpr long double kRefEulerGamma = 0.577215664901532860606512090082L;
inline constexpr long double kRefPi = 3.14159265358979323846264338328L;

// I_n(z) = sum (z/2)^(2k+n) / (k! (k+n)!), n = 0 or 1.
inline lcplx reference_bessel_i(int n, lcplx z) {
  const lcplx w = z / 2.0L;
  const lcplx w2 = w * w;
  lcplx term = n == 0 ? lcplx(1.0L) : w;
  lcplx sum = term;
  for (int k = 1; k < 1000; ++k) {
    term *= w2 / static_cast<long double>(k * (k + n));
    sum += term;
    if (k > 2 * std::abs(z) && std::abs(term) < 1e-22L * std::abs(sum)) break;
  }
  return sum;
}

inline lcplx reference_bessel_k(int n, lcplx z) {
  if (std::abs(z) <= 12.0L) {
    const lcplx w = z / 2.0L;
    const lcplx w2 = w * w;
    const lcplx log_term = std::log(w) + kRefEulerGamma;
    // (z^2/4)^k / (k! (k+n)!) and the harmonic numbers H_k, H_(k+n).
    lcplx t(1.0L);
    long double Hk = 0.0L;
    lcplx series(0.0L);
    for (int k = 0; k < 1000; ++k) {
      if (k > 0) {
        t *= w2 / static_cast<long double>(k * (k + n));
        Hk += 1.0L / k;
      }
      const long double Hkn = n == 0 ? Hk : Hk + 1.0L / (k + 1);
      const lcplx add = (Hk + Hkn) * t;
      series += add;
      if (k > 2 * std::abs(z) && std::abs(add) < 1e-22L * std::abs(series)) break;
    }
    if (n == 0) return -log_term * reference_bessel_i(0, z) + 0.5L * series;
    return 1.0L / z + log_term * reference_bessel_i(1, z) - 0.5L * w * series;
  }
  // sqrt(pi/(2z)) e^(-z) sum a_k(n) / z^k, a_k = prod (4n^2 - (2j-1)^2) / (k! 8^k).
  const long double mu = 4.0L * n * n;
  lcplx term(1.0L);
  lcplx sum(1.0L);
  long double last = 1.0L;
  for (int k = 1; k < 200; ++k) {
    const long double odd = 2.0L * k - 1.0L;
    const lcplx next = term * (mu - odd * odd) / (static_cast<long double>(k) * 8.0L * z);
    const long double size = std::abs(next);
    if (size > last || size < 1e-24L) break;
    term = next;
    sum += term;
    last = size;
  }
  return std::sqrt(kRefPi / (2.0L * z)) * std::exp(-z) * sum;
}

}  // namespace zav::test
