// Modified Bessel functions K0, K1, I0, I1 of a complex argument.
//
// Fixed term counts in single precision: the functions are called several
// times per soil layer and frequency. K0 and K1 switch from the ascending
// series to the asymptotic expansion at |z| = 9.
#include "kernels/bessel.h"

#include <cmath>
#include <limits>

#include "common/constants.h"

namespace zav {
namespace {

constexpr real kSwitchRadius = 9.0f;
constexpr int kSeriesTerms = 50;
constexpr int kAsymptoticTerms = 50;
constexpr int kFirstKindTerms = 20;

// What the series and the asymptotic form of K0 and K1 share: the modulus r,
// w = z/2 and lambda = -(ln(z/2) + gamma). The phase of ln(z/2) comes from the
// one-argument arctangent, so it stays within [-pi/2, pi/2] whatever the
// quadrant of z; a purely imaginary w takes +pi/2.
struct KPreparation {
  real r;
  cplx w;
  cplx lambda;
};

// False at the pole z = 0 and for a z that is no number.
bool prepare_k(const cplx& z, KPreparation& p) {
  p.r = std::sqrt(z.real() * z.real() + z.imag() * z.imag());
  // A z whose squares are below single precision still has a modulus.
  if (p.r == 0.0f) p.r = std::hypot(z.real(), z.imag());
  if (!(p.r > 0.0f)) return false;
  p.w = z * 0.5f;
  const real phi = p.w.real() == 0.0f ? half_pi : std::atan(p.w.imag() / p.w.real());
  p.lambda = cplx(-(std::log(p.r * 0.5f) + euler_gamma), -phi);
  return true;
}

// K0 and K1 at their pole are infinite; of no number, no number.
cplx at_pole(const cplx& z) {
  return z == cplx(0.0f) ? cplx(std::numeric_limits<real>::infinity(), 0.0f)
                         : cplx(std::numeric_limits<real>::quiet_NaN(), std::numeric_limits<real>::quiet_NaN());
}

// sqrt(pi/(2z)) e^(-z) (1 + m/(8z) + S) with m = 4n^2 - 1. The running
// product after the first-order term takes only the real part of each power
// of 1/(8z), so S is real: the second-order term of the classical expansion
// enters with its real part, and the later ones are negligible beyond |z| = 9.
cplx k_asymptotic(const cplx& z, real m) {
  const cplx q = std::sqrt(cplx(half_pi) / z);
  const cplx e = std::exp(-z);
  const cplx z8 = 8.0f * z;
  const cplx Q0 = 1.0f / z8;
  cplx Q = Q0;
  real N = m;
  real P = m;
  real S = 0.0f;
  for (int k = 1; k <= kAsymptoticTerms; ++k) {
    Q = Q / z8;
    N = N - static_cast<real>(8 * k);
    P = N * P * Q.real() / static_cast<real>(k + 1);
    S = S + P;
  }
  return q * e * (1.0f + m * Q0 + S);
}

// x^n for n >= 0 by repeated squaring, as the complex integer power does.
cplx integer_power(cplx x, int n) {
  cplx r(1.0f);
  while (n > 0) {
    if (n & 1) r *= x;
    n >>= 1;
    if (n > 0) x *= x;
  }
  return r;
}

// I0(z) = 1 + sum over k = 1..20 of (z/2)^2k / (k!)^2 and
// I1(z) = sum over k = 1..20 of k (z/2)^(2k-1) / (k!)^2, the powers taken by
// complex integer power and k! accumulated in single precision.
cplx first_kind_series(const cplx& z, int n) {
  const cplx w = z * 0.5f;
  real factorial = 1.0f;
  cplx sum(n == 0 ? 1.0f : 0.0f);
  for (int k = 1; k <= kFirstKindTerms; ++k) {
    factorial = factorial * static_cast<real>(k);
    const real coefficient = n == 0 ? 1.0f : static_cast<real>(k);
    sum = sum + coefficient * integer_power(w, 2 * k - n) / (factorial * factorial);
  }
  return sum;
}

}  // namespace

// K0(z): series -(ln(z/2) + gamma) I0(z) + sum (z/2)^2k/(k!)^2 H_k for |z| <= 9,
// asymptotic expansion beyond.
void BESSEL_K0(cplx& result, const cplx& z) {
  KPreparation p;
  if (!prepare_k(z, p)) {
    result = at_pole(z);
    return;
  }
  if (p.r > kSwitchRadius) {
    result = k_asymptotic(z, -1.0f);
    return;
  }
  const cplx w2 = p.w * p.w;
  cplx t(1.0f);
  real H = 0.0f;
  cplx sum = p.lambda;
  for (int k = 1; k <= kSeriesTerms; ++k) {
    t = t * w2 / static_cast<real>(k * k);
    H = H + 1.0f / static_cast<real>(k);
    sum = sum + t * (p.lambda + H);
  }
  result = sum;
}

// K1(z): series 1/z - lambda I1(z) - (z/4) sum (H_k + H_(k+1)) (z^2/4)^k/(k!(k+1)!)
// for |z| <= 9, asymptotic expansion beyond.
void BESSEL_K1(cplx& result, const cplx& z) {
  KPreparation p;
  if (!prepare_k(z, p)) {
    result = at_pole(z);
    return;
  }
  if (p.r > kSwitchRadius) {
    result = k_asymptotic(z, 3.0f);
    return;
  }
  const cplx w2 = p.w * p.w;
  cplx t(1.0f);   // (z/2)^2k / (k!)^2
  real H = 0.0f;  // H_k
  cplx i1_sum(0.0f);
  cplx h_sum(0.0f);
  for (int k = 0; k < kSeriesTerms; ++k) {
    if (k > 0) {
      t = t * w2 / static_cast<real>(k * k);
      H = H + 1.0f / static_cast<real>(k);
    }
    const real H_next = H + 1.0f / static_cast<real>(k + 1);
    const cplx term = t / static_cast<real>(k + 1);  // (z^2/4)^k / (k!(k+1)!)
    i1_sum = i1_sum + term;
    h_sum = h_sum + (H + H_next) * term;
  }
  const cplx I1 = p.w * i1_sum;
  result = 1.0f / z - p.lambda * I1 - z * 0.25f * h_sum;
}

void BESSEL_I0(cplx& result, const cplx& z) { result = first_kind_series(z, 0); }

void BESSEL_I1(cplx& result, const cplx& z) { result = first_kind_series(z, 1); }

}  // namespace zav
