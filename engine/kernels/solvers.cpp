// Complex linear solvers.
#include "kernels/solvers.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <utility>

namespace zav {
namespace {

constexpr int kMaxImprovementSteps = 50;

// sqrt(re^2 + im^2) without overflow of the squares, rounded once.
real modulus(const cplx& v) {
  const double re = v.real();
  const double im = v.imag();
  return static_cast<real>(std::sqrt(re * re + im * im));
}

// The largest absolute value of any real or imaginary part.
real max_part(const cplx* v, int n) {
  real m = 0.0f;
  for (int i = 0; i < n; ++i) m = std::max({m, std::fabs(v[i].real()), std::fabs(v[i].imag())});
  return m;
}

}  // namespace

void COMPLEX_ELIMINATE(int M, int N, int W, Mat<cplx> A, Mat<cplx> B) {
  assert(M >= 1 && N >= 1 && W >= 1 && N <= A.ld && N <= B.ld);
  for (int i = 1; i <= N - 1; ++i) {
    const int L = std::min(W, N - i + 1);
    for (int k = 1; k <= M; ++k) B(i, k) = B(i, k) / A(i, 1);
    for (int j = 2; j <= L; ++j) A(i, j) = A(i, j) / A(i, 1);
    // With the divided row, A(i, l) A(i, l + c - 1) A(i, 1) is
    // a(i, r) a(i, r + c - 1) / a(i, i) of the unreduced entries.
    for (int r = i + 1; r <= i + L - 1; ++r) {
      const int l = r - i + 1;
      for (int c = 1; c <= L - l + 1; ++c) A(r, c) = A(r, c) - A(i, l) * A(i, l + c - 1) * A(i, 1);
      for (int k = 1; k <= M; ++k) B(r, k) = B(r, k) - A(i, l) * A(i, 1) * B(i, k);
    }
  }
  for (int k = 1; k <= M; ++k) B(N, k) = B(N, k) / A(N, 1);
  for (int i = N - 1; i >= 1; --i) {
    const int L = std::min(W, N - i + 1);
    for (int k = 1; k <= M; ++k) {
      cplx sum(0.0f);
      for (int j = 2; j <= L; ++j) sum = sum + A(i, j) * B(i + j - 1, k);
      B(i, k) = B(i, k) - sum;
    }
  }
}

SolveStatus COMPLEX_LU_SOLVE(cplx* A, int N, int IA, cplx* B, int M, int IB, int IJOB, real* WK) {
  assert(N >= 1 && IA >= N && IJOB >= 0 && IJOB <= 2 && WK);
  assert(IJOB == 1 || (B && M >= 0 && IB >= N));
  const Mat<cplx> a{A, IA};
  if (IJOB != 2) {
    // Row scales: the reciprocal of each row's largest modulus.
    for (int i = 1; i <= N; ++i) {
      real big = 0.0f;
      for (int j = 1; j <= N; ++j) big = std::max(big, modulus(a(i, j)));
      if (big == 0.0f) return SolveStatus::singular;
      WK[i - 1] = 1.0f / big;
    }
    for (int k = 1; k <= N; ++k) {
      real p = 0.0f;
      int pivot = k;
      for (int i = k; i <= N; ++i) {
        const real scaled = modulus(a(i, k)) * WK[i - 1];
        if (scaled > p) {
          p = scaled;
          pivot = i;
        }
      }
      // Negligible against the order, compared in extended precision: only a
      // pivot that vanishes to working accuracy counts as singular.
      const long double order = N;
      if (static_cast<long double>(p) + order == order) return SolveStatus::singular;
      if (pivot != k) {
        for (int j = 1; j <= N; ++j) std::swap(a(k, j), a(pivot, j));
        WK[pivot - 1] = WK[k - 1];  // the scale travels with its row
      }
      WK[k - 1] = static_cast<real>(pivot);
      for (int i = k + 1; i <= N; ++i) {
        a(i, k) = a(i, k) / a(k, k);
        const cplx multiplier = a(i, k);
        for (int j = k + 1; j <= N; ++j) a(i, j) = a(i, j) - multiplier * a(k, j);
      }
    }
  }
  if (IJOB == 1) return SolveStatus::ok;
  for (int col = 0; col < M; ++col) {
    cplx* b = B + static_cast<long>(col) * IB;
    for (int k = 1; k <= N; ++k) {
      const int pivot = static_cast<int>(WK[k - 1]);
      if (pivot != k) std::swap(b[k - 1], b[pivot - 1]);
    }
    for (int i = 2; i <= N; ++i) {
      for (int j = 1; j < i; ++j) b[i - 1] = b[i - 1] - a(i, j) * b[j - 1];
    }
    for (int i = N; i >= 1; --i) {
      for (int j = i + 1; j <= N; ++j) b[i - 1] = b[i - 1] - a(i, j) * b[j - 1];
      b[i - 1] = b[i - 1] / a(i, i);
    }
  }
  return SolveStatus::ok;
}

SolveStatus LEQ2C(const cplx* A, int N, int IA, cplx* B, int M, int IB, int IJOB, cplx* WA, real* WK,
                  const MessageSink& report) {
  assert(N >= 1 && IA >= N && IJOB >= 0 && IJOB <= 2 && WA && WK);
  assert(IJOB == 1 || (B && M >= 0 && IB >= N));
  const Mat<const cplx> a{A, IA};
  const Mat<cplx> factors{WA, N};
  cplx* x = WA + static_cast<long>(N) * N;
  cplx* d = x + N;
  if (IJOB != 2) {
    for (int j = 1; j <= N; ++j)
      for (int i = 1; i <= N; ++i) factors(i, j) = a(i, j);
    if (COMPLEX_LU_SOLVE(WA, N, N, nullptr, 0, N, 1, WK) != SolveStatus::ok) {
      if (report) report(LEQ2C_ERROR_MESSAGE);
      return SolveStatus::singular;
    }
    if (IJOB == 1) return SolveStatus::ok;
  }
  SolveStatus status = SolveStatus::ok;
  for (int col = 0; col < M; ++col) {
    cplx* b = B + static_cast<long>(col) * IB;
    std::copy(b, b + N, x);
    // A solve with the factors already formed (IJOB 2) always ends ok.
    (void)COMPLEX_LU_SOLVE(WA, N, N, x, 1, N, 2, WK);
    real x_norm = max_part(x, N);
    if (x_norm != 0.0f) {
      bool settled = false;
      for (int step = 1; step <= kMaxImprovementSteps && !settled; ++step) {
        // The residual of the single-precision solution carries information
        // only when it is formed in higher precision.
        for (int i = 1; i <= N; ++i) {
          std::complex<double> r(b[i - 1]);
          for (int j = 1; j <= N; ++j) r -= std::complex<double>(a(i, j)) * std::complex<double>(x[j - 1]);
          d[i - 1] = cplx(r);
        }
        (void)COMPLEX_LU_SOLVE(WA, N, N, d, 1, N, 2, WK);
        for (int i = 0; i < N; ++i) x[i] = x[i] + d[i];
        const real d_norm = max_part(d, N);
        x_norm = max_part(x, N);
        // Settled once the correction no longer shows in the solution.
        const real sum = x_norm + d_norm;
        settled = sum == x_norm;
      }
      if (!settled) status = SolveStatus::no_convergence;
    }
    std::copy(x, x + N, b);
  }
  return status;
}

}  // namespace zav
