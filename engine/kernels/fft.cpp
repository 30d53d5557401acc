// Singleton's mixed-radix transform: the length is split into square factors,
// placed at both ends of the factor list, and a square-free middle; the passes
// run by decimation in frequency over that list (two adjacent factors 2 as one
// radix-4 pass), and a final permutation undoes the digit reversal: swaps for
// the symmetric square digits, permutation cycles for the square-free part.
#include "kernels/fft.h"

#include <cassert>
#include <cmath>
#include <utility>

#include "common/constants.h"

namespace zav {
namespace {

constexpr real SIN60 = 0.8660254f;

cplx times_i(cplx z) { return {-z.imag(), z.real()}; }

// Repeated rotation by exp(+i theta). The step is applied as
// w + w * (-2 sin^2(theta/2) + i sin theta), which keeps each step's rounding
// near one ulp for the small angles of long series, and a first-order
// renormalisation holds |w| at 1 however many steps are taken.
struct Rotation {
  real cd;
  real sd;
  explicit Rotation(real theta) {
    const real h = std::sin(0.5f * theta);
    cd = 2.0f * h * h;
    sd = std::sin(theta);
  }
  void advance(cplx& w) const {
    w += cplx(-cd * w.real() - sd * w.imag(), sd * w.real() - cd * w.imag());
    w *= 1.5f - 0.5f * std::norm(w);
  }
};

// Factors of N: the square roots of the square factors (4, 9, 25, ... each as
// often as it divides), the square-free part in rising order, then the square
// roots again in reverse, so the list reads the same from both ends except
// for its middle. Returns the number of factors; nsq is the count of square
// roots at each end.
int factorize(int N, int* factor, int& nsq) {
  int m = 0;
  int k = N;
  for (int j = 2; j * j <= k; j = (j == 2) ? 3 : j + 2) {
    while (k % (j * j) == 0) {
      factor[m++] = j;
      k /= j * j;
    }
  }
  nsq = m;
  for (int j = 2; j * j <= k; j = (j == 2) ? 3 : j + 2) {
    if (k % j == 0) {
      factor[m++] = j;
      k /= j;
    }
  }
  if (k > 1) factor[m++] = k;
  for (int i = nsq - 1; i >= 0; --i) factor[m++] = factor[i];
  assert(m <= FFT_MAX_FACTORS);
  return m;
}

// One decimation-in-frequency pass of radix f over every block of `span`
// values: for each offset k below sub = span/f the f values sub apart are
// combined, and output q is multiplied by the twiddle exp(+2 pi i q k/span)
// and stored q*sub further on. The radix-4 pass stores its outputs 0, 2, 1, 3,
// which is where two radix-2 passes would leave them.
void radix_pass(cplx* A, int N, int span, int f, real* wk) {
  const int sub = span / f;
  const Rotation step(two_pi / static_cast<real>(span));

  const real theta = two_pi / static_cast<real>(f);
  const real c72 = std::cos(theta);
  const real s72 = std::sin(theta);
  const real c144 = std::cos(2.0f * theta);
  const real s144 = std::sin(2.0f * theta);

  // General odd factor: cosines and sines of the multiples of 2 pi/f, then
  // the sums and differences of the pairs r, f - r.
  const int half = (f - 1) / 2;
  real* cosm = wk;
  real* sinm = wk + f;
  real* pair_sum = wk + 2 * f;
  real* pair_dif = pair_sum + 2 * half;
  if (f > 5) {
    for (int j = 0; j < f; ++j) {
      cosm[j] = std::cos(theta * static_cast<real>(j));
      sinm[j] = std::sin(theta * static_cast<real>(j));
    }
  }

  cplx w(1.0f, 0.0f);
  for (int k = 0; k < sub; ++k) {
    if (k > 0) step.advance(w);
    const bool twiddle = k > 0;
    const cplx w2 = w * w;
    const cplx w3 = w2 * w;
    const cplx w4 = w3 * w;
    for (int base = k; base < N; base += span) {
      auto X = [A, base, sub](int r) -> cplx& { return A[base + r * sub]; };
      switch (f) {
        case 2: {
          const cplx t = X(0) - X(1);
          X(0) += X(1);
          X(1) = twiddle ? t * w : t;
          break;
        }
        case 3: {
          const cplx x0 = X(0);
          const cplx t = X(1) + X(2);
          const cplx u = x0 - 0.5f * t;
          const cplx v = times_i(SIN60 * (X(1) - X(2)));
          X(0) = x0 + t;
          X(1) = u + v;
          X(2) = u - v;
          if (twiddle) {
            X(1) *= w;
            X(2) *= w2;
          }
          break;
        }
        case 4: {
          const cplx a = X(0) + X(2);
          const cplx b = X(0) - X(2);
          const cplx c = X(1) + X(3);
          const cplx d = times_i(X(1) - X(3));
          X(0) = a + c;
          X(1) = a - c;
          X(2) = b + d;
          X(3) = b - d;
          if (twiddle) {
            X(1) *= w2;
            X(2) *= w;
            X(3) *= w3;
          }
          break;
        }
        case 5: {
          const cplx x0 = X(0);
          const cplx a1 = X(1) + X(4);
          const cplx b1 = X(1) - X(4);
          const cplx a2 = X(2) + X(3);
          const cplx b2 = X(2) - X(3);
          const cplx c1 = x0 + c72 * a1 + c144 * a2;
          const cplx s1 = times_i(s72 * b1 + s144 * b2);
          const cplx c2 = x0 + c144 * a1 + c72 * a2;
          const cplx s2 = times_i(s144 * b1 - s72 * b2);
          X(0) = x0 + a1 + a2;
          X(1) = c1 + s1;
          X(2) = c2 + s2;
          X(3) = c2 - s2;
          X(4) = c1 - s1;
          if (twiddle) {
            X(1) *= w;
            X(2) *= w2;
            X(3) *= w3;
            X(4) *= w4;
          }
          break;
        }
        default: {
          const cplx x0 = X(0);
          cplx sum = x0;
          for (int r = 1; r <= half; ++r) {
            const cplx a = X(r) + X(f - r);
            const cplx b = X(r) - X(f - r);
            pair_sum[2 * r - 2] = a.real();
            pair_sum[2 * r - 1] = a.imag();
            pair_dif[2 * r - 2] = b.real();
            pair_dif[2 * r - 1] = b.imag();
            sum += a;
          }
          X(0) = sum;
          for (int q = 1; q <= half; ++q) {
            cplx even = x0;
            cplx odd(0.0f, 0.0f);
            int mult = 0;
            for (int r = 1; r <= half; ++r) {
              mult += q;
              if (mult >= f) mult -= f;
              even += cosm[mult] * cplx(pair_sum[2 * r - 2], pair_sum[2 * r - 1]);
              odd += sinm[mult] * cplx(pair_dif[2 * r - 2], pair_dif[2 * r - 1]);
            }
            X(q) = even + times_i(odd);
            X(f - q) = even - times_i(odd);
          }
          if (twiddle) {
            const Rotation by_w(two_pi * static_cast<real>(k) / static_cast<real>(span));
            cplx wq = w;
            for (int q = 1; q < f; ++q) {
              X(q) *= wq;
              by_w.advance(wq);
            }
          }
          break;
        }
      }
    }
  }
}

// The value whose digits, taken with the radices in reverse order, are the
// digits of n (lowest digit first, radix[0] first); total is their product.
int digit_reversed(int n, const int* radix, int count, int total) {
  int rev = 0;
  for (int i = 0; i < count; ++i) {
    total /= radix[i];
    rev += (n % radix[i]) * total;
    n /= radix[i];
  }
  return rev;
}

// After the passes the transform value of index n lies at the digit reversal
// of n over the factor list. Taking the square-free factors as one digit, the
// list is symmetric and its reversal pairs positions, so swaps undo it; the
// square-free digits are then reversed inside that middle digit by moving
// whole runs of values around the cycles of their permutation.
void permute(cplx* A, int N, const int* factor, int m, int nsq, int* cycle) {
  const int nfree = m - 2 * nsq;
  int outer[FFT_MAX_FACTORS];
  int mo = 0;
  int low = 1;  // product of the square roots
  int R = 1;    // square-free part
  for (int i = 0; i < nsq; ++i) {
    outer[mo++] = factor[i];
    low *= factor[i];
  }
  for (int i = 0; i < nfree; ++i) R *= factor[nsq + i];
  if (R > 1) outer[mo++] = R;
  for (int i = nsq - 1; i >= 0; --i) outer[mo++] = factor[i];

  if (mo > 1) {
    for (int n = 0; n < N; ++n) {
      const int r = digit_reversed(n, outer, mo, N);
      if (r > n) std::swap(A[n], A[r]);
    }
  }
  if (nfree < 2) return;

  for (int c = 0; c < R; ++c) cycle[c] = digit_reversed(c, factor + nsq, nfree, R);
  const int block = low * R;
  for (int c0 = 0; c0 < R; ++c0) {
    if (cycle[c0] < 0 || cycle[c0] == c0) continue;
    for (int high = 0; high < N; high += block) {
      for (int a = 0; a < low; ++a) {
        cplx* run = A + high + a;
        const cplx first = run[low * c0];
        int c = c0;
        while (cycle[c] != c0) {
          run[low * c] = run[low * cycle[c]];
          c = cycle[c];
        }
        run[low * c] = first;
      }
    }
    int c = c0;
    do {
      const int next = cycle[c];
      cycle[c] = -1 - next;
      c = next;
    } while (c != c0);
  }
}

}  // namespace

void FFT_MIXED_RADIX(cplx* A, int N, std::span<int> IWK, std::span<real> WK) {
  assert(A != nullptr && N >= 1);
  if (N == 1) return;
  assert(IWK.size() >= static_cast<std::size_t>(fft_iwk_size(N)));
  assert(WK.size() >= static_cast<std::size_t>(fft_wk_size(N)));

  int* factor = IWK.data();
  int nsq = 0;
  const int m = factorize(N, factor, nsq);

  int span = N;
  for (int i = 0; i < m;) {
    int f = factor[i++];
    if (f == 2 && i < m && factor[i] == 2) {
      f = 4;
      ++i;
    }
    radix_pass(A, N, span, f, WK.data());
    span /= f;
  }
  permute(A, N, factor, m, nsq, IWK.data() + FFT_MAX_FACTORS);
}

}  // namespace zav
