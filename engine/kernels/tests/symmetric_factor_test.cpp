// The tiled factorisation of complex symmetric systems against a
// double-precision solve: the weighted sums R A^-1 R^T it gives, the same
// bits on a team as on one thread and with the matrices filled tile by tile
// as the work goes on, and the singular systems it finds.
#include "kernels/symmetric_factor.h"

#include <gtest/gtest.h>

#include <complex>
#include <limits>
#include <ostream>
#include <random>
#include <vector>

#include "kernels/thread_team.h"

namespace zav {
namespace {

using dcplx = std::complex<double>;

// A complex symmetric matrix with a unit-modulus diagonal and off-diagonal
// entries that leave it well conditioned, with `weights` rows below it.
std::vector<cplx> system_matrix(int m, int weights, unsigned seed) {
  std::mt19937 gen(seed);
  std::uniform_real_distribution<float> u(-1.0f, 1.0f);
  const int ld = m + weights;
  std::vector<cplx> a(static_cast<std::size_t>(ld) * m);
  for (int j = 0; j < m; ++j) {
    a[j + static_cast<std::size_t>(j) * ld] = std::polar(1.0f, 0.3f * u(gen));
    for (int i = j + 1; i < m; ++i) {
      a[i + static_cast<std::size_t>(j) * ld] = cplx(u(gen), u(gen)) * (0.6f / static_cast<float>(m));
    }
    for (int i = m; i < ld; ++i) a[i + static_cast<std::size_t>(j) * ld] = cplx(u(gen), u(gen));
  }
  return a;
}

// R A^-1 R^T by Gaussian elimination with partial pivoting in double
// precision, from the lower triangle and the weight rows.
std::vector<dcplx> reference_sums(const std::vector<cplx>& a, int m, int weights) {
  const int ld = m + weights;
  std::vector<dcplx> A(static_cast<std::size_t>(m) * m), B(static_cast<std::size_t>(m) * weights);
  const auto lower = [&](int i, int j) {
    return dcplx(a[std::max(i, j) + static_cast<std::size_t>(std::min(i, j)) * ld]);
  };
  for (int i = 0; i < m; ++i) {
    for (int j = 0; j < m; ++j) A[i + static_cast<std::size_t>(j) * m] = lower(i, j);
    for (int k = 0; k < weights; ++k)
      B[i + static_cast<std::size_t>(k) * m] = dcplx(a[m + k + static_cast<std::size_t>(i) * ld]);
  }
  std::vector<dcplx> R = B;
  for (int k = 0; k < m; ++k) {
    int p = k;
    for (int i = k + 1; i < m; ++i)
      if (std::abs(A[i + static_cast<std::size_t>(k) * m]) > std::abs(A[p + static_cast<std::size_t>(k) * m])) p = i;
    for (int j = 0; j < m; ++j)
      std::swap(A[k + static_cast<std::size_t>(j) * m], A[p + static_cast<std::size_t>(j) * m]);
    for (int j = 0; j < weights; ++j)
      std::swap(R[k + static_cast<std::size_t>(j) * m], R[p + static_cast<std::size_t>(j) * m]);
    for (int i = k + 1; i < m; ++i) {
      const dcplx f = A[i + static_cast<std::size_t>(k) * m] / A[k + static_cast<std::size_t>(k) * m];
      for (int j = k; j < m; ++j) A[i + static_cast<std::size_t>(j) * m] -= f * A[k + static_cast<std::size_t>(j) * m];
      for (int j = 0; j < weights; ++j)
        R[i + static_cast<std::size_t>(j) * m] -= f * R[k + static_cast<std::size_t>(j) * m];
    }
  }
  for (int j = 0; j < weights; ++j) {
    for (int i = m - 1; i >= 0; --i) {
      dcplx v = R[i + static_cast<std::size_t>(j) * m];
      for (int c = i + 1; c < m; ++c)
        v -= A[i + static_cast<std::size_t>(c) * m] * R[c + static_cast<std::size_t>(j) * m];
      R[i + static_cast<std::size_t>(j) * m] = v / A[i + static_cast<std::size_t>(i) * m];
    }
  }
  std::vector<dcplx> S(static_cast<std::size_t>(weights) * weights);
  for (int a1 = 0; a1 < weights; ++a1)
    for (int b = 0; b < weights; ++b)
      for (int i = 0; i < m; ++i)
        S[a1 + static_cast<std::size_t>(b) * weights] +=
            B[i + static_cast<std::size_t>(a1) * m] * R[i + static_cast<std::size_t>(b) * m];
  return S;
}

struct FactorRow {
  int orders[3];
  int weights;
  friend void PrintTo(const FactorRow& r, std::ostream* os) {
    *os << "orders " << r.orders[0] << ", " << r.orders[1] << ", " << r.orders[2] << ", " << r.weights << " weights";
  }
};

class TiledFactor : public testing::TestWithParam<FactorRow> {};

// Fills tiles from the systems' original matrices into matrices that hold
// only their weight rows, and counts how often each entry is asked for.
// Tiles are distinct entries, so members of a team count apart.
class CopyFill final : public TileFill {
 public:
  CopyFill(const std::vector<std::vector<cplx>>& from, std::vector<std::vector<cplx>>& to, const int (&orders)[3],
           int weights)
      : from_(from), to_(to), orders_(orders), weights_(weights) {
    for (const std::vector<cplx>& a : to) asked_.emplace_back(a.size(), 0);
  }
  void operator()(int system, int row, int rows, int col, int cols) const override {
    const auto k = static_cast<std::size_t>(system);
    for (int j = col; j < col + cols; ++j) {
      for (int i = std::max(row, j); i < row + rows; ++i) {
        const std::size_t at = index(k, i, j);
        to_[k][at] = from_[k][at];
        ++asked_[k][at];
      }
    }
  }
  // Each entry on or below the diagonal asked for once, none above it.
  bool each_once() const {
    for (std::size_t k = 0; k < asked_.size(); ++k) {
      for (int j = 0; j < orders_[k]; ++j) {
        for (int i = 0; i < orders_[k]; ++i) {
          if (asked_[k][index(k, i, j)] != (i >= j ? 1 : 0)) return false;
        }
      }
    }
    return true;
  }

 private:
  std::size_t index(std::size_t k, int i, int j) const {
    return static_cast<std::size_t>(i) + static_cast<std::size_t>(j) * static_cast<std::size_t>(orders_[k] + weights_);
  }
  const std::vector<std::vector<cplx>>& from_;
  std::vector<std::vector<cplx>>& to_;
  const int (&orders_)[3];
  int weights_;
  mutable std::vector<std::vector<int>> asked_;
};

// The weight rows left by the factorisation give R A^-1 R^T within
// single-precision rounding of the double-precision solve; a team of four
// gives the same bits as the caller alone, and so does filling each tile of
// the lower triangle once, before its first update.
TEST_P(TiledFactor, GivesTheWeightedInverse) {
  const FactorRow& row = GetParam();
  SymmetricFactorWork work(300);
  ThreadTeam team(4);
  std::vector<std::vector<cplx>> alone, shared;
  std::vector<SymmetricSystem> one, many;
  int count = 0;
  for (int k = 0; k < 3 && row.orders[k] > 0; ++k, ++count) {
    alone.push_back(system_matrix(row.orders[k], row.weights, 5u + static_cast<unsigned>(k)));
    shared.push_back(alone.back());
  }
  for (int k = 0; k < count; ++k) {
    const int m = row.orders[k];
    one.push_back({alone[static_cast<std::size_t>(k)].data(), m, row.weights, m + row.weights, false});
    many.push_back({shared[static_cast<std::size_t>(k)].data(), m, row.weights, m + row.weights, false});
  }
  std::vector<std::vector<dcplx>> expected;
  for (int k = 0; k < count; ++k)
    expected.push_back(reference_sums(alone[static_cast<std::size_t>(k)], row.orders[k], row.weights));
  // Filled as the work goes on, into matrices whose entries are not a
  // number until then, from `alone` before the caller's run below factors it.
  std::vector<std::vector<cplx>> filled = alone;
  std::vector<SymmetricSystem> as_filled = many;
  const real nan = std::numeric_limits<real>::quiet_NaN();
  for (int k = 0; k < count; ++k) {
    const int m = row.orders[k];
    for (int j = 0; j < m; ++j) {
      for (int i = 0; i < m; ++i)
        filled[static_cast<std::size_t>(k)][i + static_cast<std::size_t>(j) * (m + row.weights)] = cplx(nan, nan);
    }
    as_filled[static_cast<std::size_t>(k)].A = filled[static_cast<std::size_t>(k)].data();
  }
  const CopyFill fill(alone, filled, row.orders, row.weights);
  FACTOR_SYMMETRIC(as_filled, work, &team, &fill);
  FACTOR_SYMMETRIC(one, work, nullptr);
  FACTOR_SYMMETRIC(many, work, &team);
  EXPECT_TRUE(fill.each_once());
  for (int k = 0; k < count; ++k) {
    SCOPED_TRACE("system " + std::to_string(k));
    const int m = row.orders[k], ld = m + row.weights;
    ASSERT_TRUE(one[static_cast<std::size_t>(k)].regular);
    ASSERT_TRUE(many[static_cast<std::size_t>(k)].regular);
    ASSERT_TRUE(as_filled[static_cast<std::size_t>(k)].regular);
    EXPECT_EQ(alone[static_cast<std::size_t>(k)], shared[static_cast<std::size_t>(k)]);
    // Above the diagonal, never asked for nor read, the filled matrices
    // still hold NaN; the rest must be alone's bits.
    for (int j = 0; j < m; ++j) {
      for (int i = 0; i < j; ++i)
        filled[static_cast<std::size_t>(k)][i + static_cast<std::size_t>(j) * ld] =
            alone[static_cast<std::size_t>(k)][i + static_cast<std::size_t>(j) * ld];
    }
    EXPECT_EQ(filled[static_cast<std::size_t>(k)], alone[static_cast<std::size_t>(k)]);
    const std::vector<cplx>& a = alone[static_cast<std::size_t>(k)];
    for (int r = 0; r < row.weights; ++r) {
      for (int c = 0; c < row.weights; ++c) {
        dcplx sum = 0.0;
        for (int i = 0; i < m; ++i) {
          sum +=
              dcplx(a[m + r + static_cast<std::size_t>(i) * ld]) * dcplx(a[m + c + static_cast<std::size_t>(i) * ld]);
        }
        const dcplx e = expected[static_cast<std::size_t>(k)][r + static_cast<std::size_t>(c) * row.weights];
        EXPECT_LE(std::abs(sum - e), 1e-4 * std::abs(e) + 1e-5 * m) << "sum (" << r << ", " << c << ")";
      }
    }
  }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Systems, TiledFactor, testing::Values(
    FactorRow{{  1,   0,   0}, 1},
    FactorRow{{ 17,   0,   0}, 2},
    FactorRow{{ 64,  64,   0}, 3},
    FactorRow{{ 65, 130,  33}, 3},
    FactorRow{{300, 300, 150}, 3},
    FactorRow{{200, 129,   0}, 0}));
// clang-format on

// A system with two equal rows is singular; it is found whether the rows
// meet in one tile or in two, and the regular systems beside it are not
// held up.
TEST(TiledFactor, FindsTheSingularSystem) {
  for (int repeated : {3, 100}) {
    SCOPED_TRACE("row " + std::to_string(repeated) + " repeats row 2");
    const int m = 150, ld = m + 3;
    std::vector<cplx> singular = system_matrix(m, 3, 9), regular = system_matrix(m, 3, 10);
    // Row and column `repeated` := row and column 2 (from 1), in the lower
    // triangle, including the diagonal entry.
    const auto at = [&](int i, int j) -> cplx& {
      return singular[static_cast<std::size_t>(std::max(i, j) - 1) + static_cast<std::size_t>(std::min(i, j) - 1) * ld];
    };
    for (int j = 1; j <= m; ++j) {
      if (j != repeated) at(repeated, j) = at(2, j == repeated ? 2 : j);
    }
    at(repeated, repeated) = at(2, 2);
    at(repeated, 2) = at(2, 2);
    SymmetricFactorWork work(m);
    ThreadTeam team(3);
    std::vector<SymmetricSystem> systems{{regular.data(), m, 3, ld, false}, {singular.data(), m, 3, ld, false}};
    FACTOR_SYMMETRIC(systems, work, &team);
    EXPECT_TRUE(systems[0].regular);
    EXPECT_FALSE(systems[1].regular);
  }
}

}  // namespace
}  // namespace zav
