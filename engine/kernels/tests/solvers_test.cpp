// The complex solvers against a double-precision dense solve, residuals of
// random systems, and the singular cases.
#include "kernels/solvers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace zav {
namespace {

using dcplx = std::complex<double>;

// n rows by cols columns, column by column with leading dimension ld: a
// matrix or a block of right-hand sides.
struct Dense {
  int n, cols, ld;
  std::vector<cplx> a;
  Dense(int rows, int columns, int lead) : n(rows), cols(columns), ld(lead), a(static_cast<size_t>(lead) * columns) {}
  cplx& operator()(int i, int j) { return a[(i - 1) + static_cast<size_t>(j - 1) * ld]; }
  cplx operator()(int i, int j) const { return a[(i - 1) + static_cast<size_t>(j - 1) * ld]; }
};

// Gaussian elimination with partial pivoting in double precision on the
// single-precision entries as stored.
std::vector<dcplx> reference_solve(const Dense& A, const Dense& B, int column) {
  const int n = A.n;
  std::vector<dcplx> m(static_cast<size_t>(n) * n), x(n);
  for (int i = 0; i < n; ++i) {
    x[i] = dcplx(B(i + 1, column));
    for (int j = 0; j < n; ++j) m[i + n * j] = dcplx(A(i + 1, j + 1));
  }
  for (int k = 0; k < n; ++k) {
    int p = k;
    for (int i = k + 1; i < n; ++i)
      if (std::abs(m[i + n * k]) > std::abs(m[p + n * k])) p = i;
    for (int j = 0; j < n; ++j) std::swap(m[k + n * j], m[p + n * j]);
    std::swap(x[k], x[p]);
    for (int i = k + 1; i < n; ++i) {
      const dcplx f = m[i + n * k] / m[k + n * k];
      for (int j = k; j < n; ++j) m[i + n * j] -= f * m[k + n * j];
      x[i] -= f * x[k];
    }
  }
  for (int i = n - 1; i >= 0; --i) {
    for (int j = i + 1; j < n; ++j) x[i] -= m[i + n * j] * x[j];
    x[i] /= m[i + n * i];
  }
  return x;
}

// Largest component error relative to the largest component.
double solution_error(const Dense& X, int column, const std::vector<dcplx>& expected) {
  double err = 0.0, size = 0.0;
  for (int i = 0; i < X.n; ++i) {
    err = std::max(err, std::abs(dcplx(X(i + 1, column)) - expected[i]));
    size = std::max(size, std::abs(expected[i]));
  }
  return err / size;
}

// ||b - A x|| / (||A|| ||x||), max norms, in double precision.
double backward_error(const Dense& A, const Dense& B, const Dense& X, int column) {
  double r = 0.0, a = 0.0, x = 0.0;
  for (int i = 1; i <= A.n; ++i) {
    dcplx s(B(i, column));
    double row = 0.0;
    for (int j = 1; j <= A.n; ++j) {
      s -= dcplx(A(i, j)) * dcplx(X(j, column));
      row += std::abs(dcplx(A(i, j)));
    }
    r = std::max(r, std::abs(s));
    a = std::max(a, row);
    x = std::max(x, std::abs(dcplx(X(i, column))));
  }
  return r / (a * x);
}

// Rows beyond n, up to the leading dimension, hold a huge value that spoils
// any result it enters.
const cplx kPadding(1e30f, -1e30f);

Dense random_matrix(std::mt19937& gen, int n, int ld, float diagonal_weight) {
  std::uniform_real_distribution<float> u(-1.0f, 1.0f);
  Dense A(n, n, ld);
  std::fill(A.a.begin(), A.a.end(), kPadding);
  for (int j = 1; j <= n; ++j)
    for (int i = 1; i <= n; ++i) A(i, j) = cplx(u(gen), u(gen)) * (i == j ? diagonal_weight : 1.0f);
  return A;
}

Dense random_rhs(std::mt19937& gen, int n, int ld, int m) {
  std::uniform_real_distribution<float> u(-1.0f, 1.0f);
  Dense B(n, m, ld);
  std::fill(B.a.begin(), B.a.end(), kPadding);
  for (int j = 1; j <= m; ++j)
    for (int i = 1; i <= n; ++i) B(i, j) = cplx(u(gen), u(gen)) * 100.0f;
  return B;
}

// ---------------------------------------------------------------------------
// Band elimination

struct BandRow {
  int N, W, M;
  unsigned seed;
};

void PrintTo(const BandRow& r, std::ostream* os) { *os << "N " << r.N << " W " << r.W << " M " << r.M; }

class BandElimination : public ::testing::TestWithParam<BandRow> {};

// A complex symmetric band matrix dominated by its diagonal, like the
// single-pile systems, in band storage with NaN in every entry that lies
// beyond the matrix; against the dense solve of the full matrix.
TEST_P(BandElimination, MatchesTheDenseSolve) {
  const BandRow& row = GetParam();
  constexpr int ld = 60;
  std::mt19937 gen(row.seed);
  std::uniform_real_distribution<float> u(-1.0f, 1.0f);
  const real nan = std::numeric_limits<real>::quiet_NaN();
  std::vector<cplx> band(ld * row.W, cplx(nan, nan));
  std::vector<cplx> rhs(ld * row.M, cplx(nan, nan));
  const Mat<cplx> A{band.data(), ld}, B{rhs.data(), ld};
  Dense full(row.N, row.N, row.N), b(row.N, row.M, row.N);
  for (int i = 1; i <= row.N; ++i) {
    for (int j = 1; j <= row.W && i + j - 1 <= row.N; ++j) {
      const cplx v = j == 1 ? cplx(4.0f * row.W + u(gen), u(gen)) : cplx(u(gen), u(gen));
      A(i, j) = v;
      full(i, i + j - 1) = full(i + j - 1, i) = v;
    }
    for (int k = 1; k <= row.M; ++k) B(i, k) = b(i, k) = cplx(u(gen), u(gen));
  }
  COMPLEX_ELIMINATE(row.M, row.N, row.W, A, B);
  for (int k = 1; k <= row.M; ++k) {
    SCOPED_TRACE(::testing::Message() << "right-hand side " << k);
    Dense x(row.N, row.M, row.N);
    for (int i = 1; i <= row.N; ++i) x(i, k) = B(i, k);
    EXPECT_LE(solution_error(x, k, reference_solve(full, b, k)), 2e-6);
  }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(BandWidths, BandElimination, ::testing::Values(
  //      N   W  M  seed
  BandRow{1,  2, 1, 1},
  BandRow{2,  2, 1, 2},
  BandRow{12, 2, 1, 3},
  BandRow{60, 2, 1, 4},
  BandRow{2,  4, 2, 5},
  BandRow{3,  4, 2, 6},
  BandRow{20, 4, 2, 7},
  BandRow{60, 4, 2, 8},
  BandRow{30, 7, 3, 9},
  BandRow{5,  1, 1, 10}));
// clang-format on

// ---------------------------------------------------------------------------
// LU decomposition with scaled partial pivoting

struct DenseRow {
  int N, IA, M, IB;
  unsigned seed;
};

void PrintTo(const DenseRow& r, std::ostream* os) {
  *os << "N " << r.N << " IA " << r.IA << " M " << r.M << " IB " << r.IB;
}

struct RandomSystem {
  Dense A, B;
};

RandomSystem random_system(const DenseRow& row, float diagonal_weight) {
  std::mt19937 gen(row.seed);
  Dense A = random_matrix(gen, row.N, row.IA, diagonal_weight);
  return {A, random_rhs(gen, row.N, row.IB, row.M)};
}

class LuSolve : public ::testing::TestWithParam<DenseRow> {};

TEST_P(LuSolve, SmallResidualAndFactorsReused) {
  const DenseRow& row = GetParam();
  const auto [A, B] = random_system(row, 2.0f);
  Dense lu = A, X = B;
  std::vector<real> wk(row.N);
  ASSERT_EQ(COMPLEX_LU_SOLVE(lu.a.data(), row.N, row.IA, X.a.data(), row.M, row.IB, 0, wk.data()), SolveStatus::ok);
  for (int k = 1; k <= row.M; ++k) EXPECT_LE(backward_error(A, B, X, k), 1e-6);

  // Factor once, then solve with the kept factors: the same numbers.
  Dense lu2 = A, X2 = B;
  ASSERT_EQ(COMPLEX_LU_SOLVE(lu2.a.data(), row.N, row.IA, nullptr, 0, row.IB, 1, wk.data()), SolveStatus::ok);
  ASSERT_EQ(COMPLEX_LU_SOLVE(lu2.a.data(), row.N, row.IA, X2.a.data(), row.M, row.IB, 2, wk.data()), SolveStatus::ok);
  EXPECT_EQ(X2.a, X.a);
}

// Orders and leading dimensions, with several right-hand sides and leading
// dimensions larger than the order.
// clang-format off
const std::vector<DenseRow> kRandomSystems = {
  //       N   IA  M  IB  seed
  DenseRow{1,  1,  1, 1,  1},
  DenseRow{4,  4,  1, 4,  2},
  DenseRow{6,  6,  1, 6,  3},
  DenseRow{6,  6,  6, 6,  4},
  DenseRow{6,  9,  2, 8,  5},
  DenseRow{25, 30, 3, 27, 6}};
// clang-format on

INSTANTIATE_TEST_SUITE_P(RandomSystems, LuSolve, ::testing::ValuesIn(kRandomSystems));

Dense matrix(int n, std::initializer_list<cplx> by_rows) {
  Dense A(n, n, n);
  auto it = by_rows.begin();
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j) A(i, j) = *it++;
  return A;
}

Dense vector(std::initializer_list<cplx> values) {
  const int n = static_cast<int>(values.size());
  Dense b(n, 1, n);
  std::copy(values.begin(), values.end(), b.a.begin());
  return b;
}

struct SmallRow {
  const char* what;
  Dense A, b;
  SolveStatus status;
  std::vector<cplx> x;  // expected when the status is ok
};

void PrintTo(const SmallRow& r, std::ostream* os) { *os << r.what; }

class LuSolveSmall : public ::testing::TestWithParam<SmallRow> {};

TEST_P(LuSolveSmall, SolutionOrSingular) {
  const SmallRow& row = GetParam();
  Dense lu = row.A, x = row.b;
  std::vector<real> wk(row.A.n);
  EXPECT_EQ(COMPLEX_LU_SOLVE(lu.a.data(), row.A.n, row.A.n, x.a.data(), 1, row.A.n, 0, wk.data()), row.status);
  if (row.status != SolveStatus::ok) {
    EXPECT_EQ(x.a, row.b.a) << "the right-hand side stays as it was";
    return;
  }
  for (int i = 0; i < row.A.n; ++i) {
    SCOPED_TRACE(::testing::Message() << "x(" << i + 1 << ")");
    EXPECT_LE(std::abs(dcplx(x.a[i]) - dcplx(row.x[i])), 1e-6 * std::max(1.0f, std::abs(row.x[i])));
  }
}

const cplx k0(0.0f), k1(1.0f), k2(2.0f), k4(4.0f);
constexpr SolveStatus ok = SolveStatus::ok, singular = SolveStatus::singular;
const float k2m23 = std::ldexp(1.0f, -23);

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, LuSolveSmall, ::testing::Values(
  SmallRow{"1 by 1 gives b / a",
           matrix(1, {cplx(3, 4)}),                       vector({cplx(-1, 7)}),           ok,  {cplx(-1, 7) / cplx(3, 4)}},
  SmallRow{"a zero first pivot needs the exchange",
           matrix(2, {k0, k1, k1, k0}),                   vector({cplx(2, 1), cplx(3, -1)}), ok, {cplx(3, -1), cplx(2, 1)}},
  // Scaled, the first row's pivot is 1e-10 of its row: the second row is
  // chosen, where plain partial pivoting would take the first and lose x1.
  SmallRow{"rows of very different scale",
           matrix(2, {cplx(1.5f), cplx(1.5e10f), k1, k1}), vector({cplx(1.5e10f), k2}),    ok,  {k1, k1}},
  // The third row is taken first and changes place with the first; the
  // first row's small scale must travel with it, or it wins the second
  // column against the second row.
  SmallRow{"a row's scale follows it through an exchange",
           matrix(3, {k0, cplx(1.5f), cplx(1.5e10f), k0, k1, k1, k1, k0, k0}),
                                                          vector({cplx(1.5e10f), k2, k1}), ok,  {k1, k1, k1}},
  // Against the order 2 a pivot of 2^-23 vanishes in single precision, not
  // in the working precision of the comparison: a genuine, if small, pivot.
  SmallRow{"a small genuine pivot",
           matrix(2, {k1, k1, k1, cplx(1.0f + k2m23)}),   vector({k1, cplx(1.0f + k2m23)}), ok, {k0, k1}},
  SmallRow{"an all-zero row",
           matrix(2, {k1, k2, k0, k0}),                   vector({k1, k1}),                singular, {}},
  SmallRow{"a first column of zeros",
           matrix(2, {k0, k1, k0, k2}),                   vector({k1, k1}),                singular, {}},
  SmallRow{"a pivot that cancels exactly",
           matrix(2, {k1, k2, k2, k4}),                   vector({k1, k1}),                singular, {}}));
// clang-format on

// A zero row is found before any elimination: A is left as it was.
TEST(LuSolveSingular, ZeroRowLeavesTheMatrix) {
  Dense A = matrix(3, {k1, k2, k1, k2, k1, k1, k0, k0, k0});
  const Dense original = A;
  Dense b = vector({k1, k1, k1});
  std::vector<real> wk(3);
  EXPECT_EQ(COMPLEX_LU_SOLVE(A.a.data(), 3, 3, b.a.data(), 1, 3, 0, wk.data()), SolveStatus::singular);
  EXPECT_EQ(A.a, original.a);
}

// ---------------------------------------------------------------------------
// Solve with iterative improvement

struct Leq2cRun {
  Dense X;
  SolveStatus status;
  std::vector<std::string> messages;
};

Leq2cRun leq2c(const Dense& A, const Dense& B, int M) {
  const int N = A.n;
  Leq2cRun run{B, SolveStatus::ok, {}};
  std::vector<cplx> wa(static_cast<size_t>(N) * (N + 2));
  std::vector<real> wk(N);
  run.status = LEQ2C(A.a.data(), N, A.ld, run.X.a.data(), M, B.ld, 0, wa.data(), wk.data(),
                     [&run](std::string_view line) { run.messages.emplace_back(line); });
  return run;
}

class Leq2cRandom : public ::testing::TestWithParam<DenseRow> {};

// Improved with residuals formed in double precision, each solution is the
// exact solution of the stored system to single-precision rounding; A is
// left as it was.
TEST_P(Leq2cRandom, SolutionToSinglePrecision) {
  const DenseRow& row = GetParam();
  const auto [A, B] = random_system(row, 1.0f);
  const Dense A_before = A;
  const Leq2cRun run = leq2c(A, B, row.M);
  EXPECT_EQ(run.status, SolveStatus::ok);
  EXPECT_TRUE(run.messages.empty());
  EXPECT_EQ(A.a, A_before.a);
  for (int k = 1; k <= row.M; ++k) {
    SCOPED_TRACE(::testing::Message() << "right-hand side " << k);
    EXPECT_LE(solution_error(run.X, k, reference_solve(A, B, k)), 3e-7);
  }
}

INSTANTIATE_TEST_SUITE_P(RandomSystems, Leq2cRandom, ::testing::ValuesIn(kRandomSystems));

// A complex Hilbert-like matrix, condition near 1e5: the plain solve keeps
// only two or three digits, the improved one all of single precision.
Dense hilbert(int n) {
  Dense A(n, n, n);
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j) A(i, j) = cplx(1.0f / float(i + j - 1), 0.01f / float(i * j));
  return A;
}

TEST(Leq2cImprovement, RecoversWhatThePlainSolveLoses) {
  const Dense A = hilbert(5);
  const Dense B = vector({k1, cplx(0, 1), k2, cplx(-1, 0), cplx(0.5f, 0.5f)});
  const std::vector<dcplx> exact = reference_solve(A, B, 1);

  Dense lu = A, plain = B;
  std::vector<real> wk(5);
  ASSERT_EQ(COMPLEX_LU_SOLVE(lu.a.data(), 5, 5, plain.a.data(), 1, 5, 0, wk.data()), SolveStatus::ok);
  EXPECT_GT(solution_error(plain, 1, exact), 1e-5) << "the case must need the improvement";

  const Leq2cRun run = leq2c(A, B, 1);
  EXPECT_EQ(run.status, SolveStatus::ok);
  EXPECT_LE(solution_error(run.X, 1, exact), 3e-7);
}

// Condition far beyond single precision: the improvement cannot settle and
// says so, but every right-hand side still gets its best solution.
TEST(Leq2cImprovement, NoConvergenceStillSolvesEveryColumn) {
  const Dense A = hilbert(9);
  std::mt19937 gen(5);
  const Dense B = random_rhs(gen, 9, 9, 3);
  const Leq2cRun run = leq2c(A, B, 3);
  EXPECT_EQ(run.status, SolveStatus::no_convergence);
  EXPECT_TRUE(run.messages.empty());
  for (int k = 1; k <= 3; ++k) {
    SCOPED_TRACE(::testing::Message() << "right-hand side " << k);
    EXPECT_LE(backward_error(A, B, run.X, k), 1e-5);
  }
}

TEST(Leq2cSingular, ReportsAndLeavesTheRightHandSides) {
  const Dense A = matrix(3, {k1, k2, k1, k0, k0, k0, k2, k1, k1});
  const Dense B = vector({k1, k2, cplx(3.0f)});
  const Leq2cRun run = leq2c(A, B, 1);
  EXPECT_EQ(run.status, SolveStatus::singular);
  EXPECT_EQ(run.messages, std::vector<std::string>{"ERROR ENCOUNTERED IN LEQ2C SUBROUTINE"});
  EXPECT_EQ(run.X.a, B.a);
}

TEST(Leq2cSingular, WithoutASink) {
  const Dense A = matrix(2, {k1, k2, k2, k4});
  Dense X = vector({k1, k1});
  std::vector<cplx> wa(2 * 4);
  std::vector<real> wk(2);
  EXPECT_EQ(LEQ2C(A.a.data(), 2, 2, X.a.data(), 1, 2, 0, wa.data(), wk.data()), SolveStatus::singular);
}

TEST(Leq2cEdges, ZeroRightHandSideAndFactorsReused) {
  std::mt19937 gen(41);
  const Dense A = random_matrix(gen, 6, 6, 1.0f);
  Dense B = random_rhs(gen, 6, 6, 3);
  for (int i = 1; i <= 6; ++i) B(i, 2) = k0;
  const Leq2cRun once = leq2c(A, B, 3);
  ASSERT_EQ(once.status, SolveStatus::ok);
  for (int i = 1; i <= 6; ++i) EXPECT_EQ(once.X(i, 2), k0);

  // Factor only, then solve column by column with the kept factors.
  std::vector<cplx> wa(6 * 8);
  std::vector<real> wk(6);
  ASSERT_EQ(LEQ2C(A.a.data(), 6, 6, nullptr, 0, 6, 1, wa.data(), wk.data()), SolveStatus::ok);
  Dense X = B;
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(LEQ2C(A.a.data(), 6, 6, X.a.data() + 6 * k, 1, 6, 2, wa.data(), wk.data()), SolveStatus::ok);
  }
  EXPECT_EQ(X.a, once.X.a);
}

}  // namespace
}  // namespace zav
