// The pile-group impedance against hand-worked single-pile and two-pile
// cases in double precision, each pile carried to the reference by the rigid
// cap, a group turned about z and a group shifted in plan, the factorised
// solve against the in-place inversion, the solves at a group's resonance against
// the same systems solved in double precision, and the failures.
#include "kernels/group_impedance.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <complex>
#include <functional>
#include <limits>
#include <memory>
#include <numbers>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "allocation_count.h"
#include "group_deck.h"
#include "kernels/solvers.h"

namespace zav {
namespace {

using dcplx = std::complex<double>;
using D6 = std::array<std::array<dcplx, 6>, 6>;  // [i - 1][j - 1]

constexpr double PI = std::numbers::pi;

D6 to_double(const Cmat6& K) {
  D6 d{};
  for (int i = 1; i <= 6; ++i)
    for (int j = 1; j <= 6; ++j) d[i - 1][j - 1] = dcplx(K(i, j));
  return d;
}

// Gauss-Jordan with partial pivoting in double precision.
D6 inverse(D6 a) {
  D6 b{};
  for (int i = 0; i < 6; ++i) b[i][i] = 1.0;
  for (int k = 0; k < 6; ++k) {
    int p = k;
    for (int i = k + 1; i < 6; ++i)
      if (std::abs(a[i][k]) > std::abs(a[p][k])) p = i;
    std::swap(a[k], a[p]);
    std::swap(b[k], b[p]);
    const dcplx d = a[k][k];
    for (int j = 0; j < 6; ++j) {
      a[k][j] /= d;
      b[k][j] /= d;
    }
    for (int i = 0; i < 6; ++i) {
      if (i == k) continue;
      const dcplx f = a[i][k];
      for (int j = 0; j < 6; ++j) {
        a[i][j] -= f * a[k][j];
        b[i][j] -= f * b[k][j];
      }
    }
  }
  return b;
}

D6 product(const D6& a, const D6& b) {
  D6 c{};
  for (int i = 0; i < 6; ++i)
    for (int j = 0; j < 6; ++j)
      for (int m = 0; m < 6; ++m) c[i][j] += a[i][m] * b[m][j];
  return c;
}

D6 transposed(const D6& a) {
  D6 t{};
  for (int i = 0; i < 6; ++i)
    for (int j = 0; j < 6; ++j) t[i][j] = a[j][i];
  return t;
}

D6 sum(const D6& a, const D6& b, double sign = 1.0) {
  D6 c{};
  for (int i = 0; i < 6; ++i)
    for (int j = 0; j < 6; ++j) c[i][j] = a[i][j] + sign * b[i][j];
  return c;
}

// The rigid cap's motion (u, theta) at the reference carried to a point at
// the lever arm r = (x, y, z) from it: u + r x theta, in the sign convention
// of the engine's axes (it gives a pile head at zc below the reference the
// terms K15 - zc K11 and K24 + zc K22).
D6 rigid_transfer(double x, double y, double z) {
  D6 t{};
  for (int i = 0; i < 6; ++i) t[i][i] = 1.0;
  const double R[3][3] = {{0.0, -z, y}, {z, 0.0, -x}, {-y, x, 0.0}};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) t[i][j + 3] = R[i][j];
  return t;
}

// Forces at the reference from a head stiffness K(p, q) that takes the
// motion of a point at r_q to the forces on a point at r_p: T_p^T K T_q.
D6 moved(const D6& K, const D6& Tp, const D6& Tq) { return product(transposed(Tp), product(K, Tq)); }

// Each entry within tol of the scale of its row and column, the geometric
// mean of the two diagonal entries (the units of an entry).
void expect_matrix_near(const Cmat6& got, const D6& expected, double tol) {
  for (int i = 1; i <= 6; ++i) {
    for (int j = 1; j <= 6; ++j) {
      const double scale = std::sqrt(std::abs(expected[i - 1][i - 1]) * std::abs(expected[j - 1][j - 1]));
      EXPECT_LE(std::abs(dcplx(got(i, j)) - expected[i - 1][j - 1]), tol * scale)
          << "entry (" << i << ", " << j << "): got " << got(i, j) << ", expected " << expected[i - 1][j - 1];
    }
  }
}

void expect_zero(const Cmat6& K) {
  for (const cplx& v : K.a) EXPECT_EQ(v, cplx(0.0f));
}

// Tables and work as a run allocates them: once.
GroupInteraction& tables(int which = 0) {
  static std::array<GroupInteraction*, 2> t{new GroupInteraction, new GroupInteraction};
  return *t[which];
}
GroupImpedanceWork& work() {
  static GroupImpedanceWork* w = new GroupImpedanceWork;
  return *w;
}

// A group with its deck, set-up and context: d = 1 (element radii 0.5), the
// tip-level velocity 100, zc = 1.5.
struct Group {
  GroupDeck deck;
  std::vector<real> angles = std::vector<real>(static_cast<std::size_t>(GROUP_MAX_PILES) * 9, 0.0f);
  GroupInteraction& pairs;
  GroupImpedanceContext ctx;
  GroupSetupStatus setup = GroupSetupStatus::ok;

  Group(std::vector<real> x, std::vector<real> y, bool interaction, int head, int table = 0)
      : deck(std::move(x), std::move(y), 20.0f), pairs(tables(table)), ctx(pairs, work()) {
    ctx.n_piles = static_cast<int>(deck.x.size());
    ctx.head = head;
    ctx.interaction = interaction;
    ctx.pile_x = deck.x;
    ctx.pile_y = deck.y;
    ctx.batter_angles = Mat<const real>{angles.data(), GROUP_MAX_PILES};
    ctx.zc = 1.5f;
    ctx.radius_x = 0.5f;
    ctx.radius_y = 0.5f;
    ctx.Vl = deck.in.tip_velocity;
    for (int p = 1; p <= ctx.n_piles; ++p) deck.batter(p, true, 0.0f);  // vertical
  }
  void batter(int p, bool xz, real theta) {
    deck.batter(p, xz, theta);
    ctx.battered = true;
    deck.in.battered = true;
  }
  // Interaction tables for the present piles, as the run sets them up.
  void set_up() {
    for (int p = 1; p <= ctx.n_piles; ++p)
      for (int m = 1; m <= 9; ++m) Mat<real>{angles.data(), GROUP_MAX_PILES}(p, m) = deck.angles[m - 1][p - 1];
    if (ctx.interaction && ctx.n_piles > 1) setup = GROUP_INTERACTION_SETUP(deck.input(), pairs);
  }
  GroupImpedanceStatus run(const Cmat6& K1, real omega, Cmat6& Kg, GroupSolver solver) {
    GroupImpedanceContext c = ctx;
    c.solver = solver;
    return GROUP_IMPEDANCE(K1, Kg, omega, c);
  }
};

// Piles on a jittered grid, at least 2.2 diameters apart.
Group jittered_grid(int n, bool interaction, int head, unsigned seed, int table = 0) {
  std::mt19937 gen(seed);
  std::uniform_real_distribution<float> jitter(-0.4f, 0.4f);
  const int side = static_cast<int>(std::ceil(std::sqrt(static_cast<double>(n))));
  std::vector<real> x, y;
  for (int p = 0; p < n; ++p) {
    x.push_back(3.0f * static_cast<real>(p % side) + jitter(gen) + 0.7f);
    y.push_back(3.0f * static_cast<real>(p / side) + jitter(gen) - 1.1f);
  }
  return Group(x, y, interaction, head, table);
}

// ---------------------------------------------------------------- in-place inversion

struct InversionRow {
  int n;
  int singular_at;  // 0: regular; else this row repeats row 1
  bool nan;
  SolveStatus status;
  const char* what;
  friend void PrintTo(const InversionRow& r, std::ostream* os) { *os << r.what; }
};

class GaussJordan : public testing::TestWithParam<InversionRow> {};

// A complex matrix with a dominant diagonal: the inverse times the matrix
// is the identity, in double precision on the stored values.
TEST_P(GaussJordan, InvertsOrReportsSingular) {
  const InversionRow& row = GetParam();
  const int n = row.n;
  const int ld = n + 3;
  std::mt19937 gen(7);
  std::uniform_real_distribution<float> u(-1.0f, 1.0f);
  std::vector<cplx> a(static_cast<std::size_t>(ld) * n, cplx(-9.0f));
  const Mat<cplx> A{a.data(), ld};
  for (int j = 1; j <= n; ++j)
    for (int i = 1; i <= n; ++i) A(i, j) = cplx(u(gen), u(gen)) + (i == j ? cplx(2.0f * n, 1.0f) : cplx(0.0f));
  if (row.singular_at > 0)
    for (int j = 1; j <= n; ++j) A(row.singular_at, j) = A(1, j);
  if (row.nan) A(n, n) = cplx(std::numeric_limits<real>::quiet_NaN(), 0.0f);
  const std::vector<cplx> original = a;
  std::vector<cplx> wk(2 * n);
  const SolveStatus status = COMPLEX_GAUSS_JORDAN(A, n, wk);
  EXPECT_EQ(status, row.status);
  if (status != SolveStatus::ok) return;
  const Mat<const cplx> A0{original.data(), ld};
  double worst = 0.0;
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) {
      dcplx sum = 0.0;
      for (int k = 1; k <= n; ++k) sum += dcplx(A(i, k)) * dcplx(A0(k, j));
      worst = std::max(worst, std::abs(sum - (i == j ? 1.0 : 0.0)));
    }
  }
  EXPECT_LT(worst, 1e-5);
  for (int j = 1; j <= n; ++j) EXPECT_EQ(A(n + 1, j), cplx(-9.0f)) << "rows below n are left alone";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Matrices, GaussJordan, testing::Values(
    InversionRow{  1, 0, false, SolveStatus::ok,       "one by one"},
    InversionRow{  6, 0, false, SolveStatus::ok,       "six by six"},
    InversionRow{ 40, 0, false, SolveStatus::ok,       "forty by forty"},
    InversionRow{  6, 4, false, SolveStatus::singular, "a repeated row"},
    InversionRow{ 40, 40, false, SolveStatus::singular, "a repeated last row"},
    InversionRow{  6, 0, true,  SolveStatus::singular, "a NaN on the diagonal"}));
// clang-format on

// ---------------------------------------------------------------- single pile

struct SingleRow {
  bool interaction;
  int head;
  real x0, y0, zc, omega;
  const char* what;
  friend void PrintTo(const SingleRow& r, std::ostream* os) { *os << r.what; }
};

class SinglePile : public testing::TestWithParam<SingleRow> {};

// One vertical pile: the group matrix is K1 moved from the pile head at
// (x0, y0) to the reference zc above it, T^T K1 T with T the rigid cap's
// transfer over the lever arm, whatever the interaction switch.
TEST_P(SinglePile, IsTheHeadImpedanceMoved) {
  const SingleRow& row = GetParam();
  Group g({row.x0}, {row.y0}, row.interaction, row.head);
  g.ctx.zc = row.zc;
  g.set_up();
  const Cmat6 K1 = pile_head();
  const D6 T = rigid_transfer(row.x0, row.y0, row.zc);
  const D6 e = moved(to_double(K1), T, T);
  Cmat6 Kg;
  ASSERT_EQ(g.run(K1, row.omega, Kg, GroupSolver::factor_and_solve), GroupImpedanceStatus::ok);
  expect_matrix_near(Kg, e, 1e-6);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Heads, SinglePile, testing::Values(
    SingleRow{false, 1, 0.0f,  0.0f, 1.5f, 20.0f, "at the origin"},
    SingleRow{true,  1, 0.0f,  0.0f, 1.5f, 20.0f, "interaction changes nothing for one pile"},
    SingleRow{true,  0, 0.0f,  0.0f, 1.5f,  5.0f, "pinned head with the interaction switch"},
    SingleRow{false, 1, 0.0f,  0.0f, 0.0f, 20.0f, "reference at the pile head"},
    SingleRow{false, 1, 2.0f, -3.0f, 0.8f, 20.0f, "off the origin"},
    SingleRow{true,  1, 2.0f, -3.0f, 0.8f, 40.0f, "off the origin, interaction switch on"}));
// clang-format on

class SingleBatteredPile : public testing::TestWithParam<bool> {};

// A pile battered by 20 degrees in the XZ plane: its translations mix x and
// z, its rotations about x and z; rotation about y is unchanged.
TEST_P(SingleBatteredPile, TurnsTheHeadImpedance) {
  Group g({0.0f}, {0.0f}, GetParam(), 1);
  g.ctx.zc = 0.0f;
  g.batter(1, true, 20.0f);
  g.set_up();
  const Cmat6 K1 = pile_head();
  const D6 k = to_double(K1);
  const double c = std::cos(20.0 * PI / 180), s = std::sin(20.0 * PI / 180);
  Cmat6 Kg;
  ASSERT_EQ(g.run(K1, 20.0f, Kg, GroupSolver::factor_and_solve), GroupImpedanceStatus::ok);
  D6 e{};
  auto set = [&e](int i, int j, dcplx v) { e[i - 1][j - 1] = e[j - 1][i - 1] = v; };
  set(1, 1, c * c * k[0][0] + s * s * k[2][2]);
  set(1, 5, c * k[0][4]);
  set(2, 2, k[1][1]);
  set(2, 4, c * k[1][3]);
  set(3, 3, s * s * k[0][0] + c * c * k[2][2]);
  set(4, 4, c * c * k[3][3] + s * s * k[5][5]);
  set(5, 5, k[4][4]);
  set(6, 6, s * s * k[3][3] + c * c * k[5][5]);
  expect_matrix_near(Kg, e, 1e-5);
}

INSTANTIATE_TEST_SUITE_P(InteractionSwitch, SingleBatteredPile, testing::Bool());

// ---------------------------------------------------------------- two piles

struct TwoRow {
  real omega;
  int head;
  real spacing;  // centre to centre, in diameters
  bool dynamic;  // the factors expected: dynamic or static
  const char* what;
  friend void PrintTo(const TwoRow& r, std::ostream* os) { *os << r.what; }
};

class TwoPiles : public testing::TestWithParam<TwoRow> {};

// Two vertical piles at (c - a, y0) and (c + a, y0): the heads' stiffness in
// closed form from the two modes of the pair (both piles alike, through own
// + mutual flexibility; opposite, through own - mutual), each pile's then
// carried to the reference by the rigid cap. In x the pair lies along the
// load, in y across it.
TEST_P(TwoPiles, FollowTheirTwoModes) {
  const TwoRow& row = GetParam();
  const double a = row.spacing / 2.0, c = 0.75, y0 = -1.25;
  Group g({static_cast<real>(c - a), static_cast<real>(c + a)}, {static_cast<real>(y0), static_cast<real>(y0)}, true,
          row.head);
  g.set_up();
  ASSERT_EQ(g.setup, GroupSetupStatus::ok);
  const GroupInteraction& t = g.ctx.pairs;
  const real s_d = t.spacing_axial(2, 1);
  const real a0 = row.omega * 1.0f / 100.0f;
  cplx av = t.spacing_axial(1, 2);
  cplx ax[3] = {t.lateral[0](1, 2), t.lateral[1](1, 2), t.lateral[2](1, 2)};
  cplx ay[3] = {t.lateral[0](2, 1), t.lateral[1](2, 1), t.lateral[2](2, 1)};
  if (row.dynamic) {
    DYNAMIC_FACTOR_AXIAL(a0, s_d, t.spacing_axial(1, 2), av);
    const real along[3] = {t.lateral[0](1, 2), t.lateral[1](1, 2), t.lateral[2](1, 2)};
    const real across[3] = {t.lateral[0](2, 1), t.lateral[1](2, 1), t.lateral[2](2, 1)};
    DYNAMIC_FACTOR_LATERAL(a0, s_d, t.angle(1, 2), along[0], along[1], along[2], across[0], across[1], across[2], ax[0],
                           ax[1], ax[2]);
    DYNAMIC_FACTOR_LATERAL(a0, s_d, t.angle(2, 1), along[0], along[1], along[2], across[0], across[1], across[2], ay[0],
                           ay[1], ay[2]);
  }
  const Cmat6 K1 = pile_head();
  const D6 F = inverse(to_double(K1));
  // A pile's own flexibility and the pair's mutual one, each entry of the
  // vertical pile's flexibility times the pair's factor for it; no
  // interaction in torsion. A pinned head carries no moment about x or y:
  // those unknowns are kept apart (a unit entry) and dropped after.
  D6 own = F, mutual{};
  const auto factor = [&mutual, &F](int i, int j, cplx alpha) {
    mutual[i - 1][j - 1] = mutual[j - 1][i - 1] = F[i - 1][j - 1] * dcplx(alpha);
  };
  factor(3, 3, av);
  factor(1, 1, ax[0]);
  factor(2, 2, ay[0]);
  if (row.head == 1) {
    factor(1, 5, ax[1]);
    factor(5, 5, ax[2]);
    factor(2, 4, ay[1]);
    factor(4, 4, ay[2]);
  } else {
    for (int r : {4, 5}) {
      for (int m = 0; m < 6; ++m) own[r - 1][m] = own[m][r - 1] = 0.0;
      own[r - 1][r - 1] = 1.0;
    }
  }
  // The pair alike about its centre: its stiffness splits into the mode in
  // which both piles move alike, the inverse of own + mutual, and the one in
  // which they move oppositely, the inverse of own - mutual.
  D6 alike = inverse(sum(own, mutual)), opposite = inverse(sum(own, mutual, -1.0));
  if (row.head == 0) {
    for (D6* m : {&alike, &opposite})
      for (int r : {4, 5})
        for (int i = 0; i < 6; ++i) (*m)[r - 1][i] = (*m)[i][r - 1] = 0.0;
  }
  D6 self{}, cross{};
  for (int i = 0; i < 6; ++i) {
    for (int j = 0; j < 6; ++j) {
      self[i][j] = (alike[i][j] + opposite[i][j]) / 2.0;
      cross[i][j] = (alike[i][j] - opposite[i][j]) / 2.0;
    }
  }
  const D6 T1 = rigid_transfer(c - a, y0, 1.5), T2 = rigid_transfer(c + a, y0, 1.5);
  const D6 e = sum(sum(moved(self, T1, T1), moved(self, T2, T2)), sum(moved(cross, T1, T2), moved(cross, T2, T1)));
  for (GroupSolver solver : {GroupSolver::factor_and_solve, GroupSolver::in_place_inversion}) {
    SCOPED_TRACE(solver == GroupSolver::factor_and_solve ? "factorised" : "in place");
    Cmat6 Kg;
    ASSERT_EQ(g.run(K1, row.omega, Kg, solver), GroupImpedanceStatus::ok);
    expect_matrix_near(Kg, e, 2e-5);
  }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Frequencies, TwoPiles, testing::Values(
    TwoRow{  5.0f,                              1, 3.0f, false, "low frequency, static factors"},
    TwoRow{ 10.0f,                              1, 3.0f, false, "10 rad/s exactly: static factors"},
    TwoRow{ std::nextafter(10.0f, 11.0f),       1, 3.0f, true,  "just above 10 rad/s: dynamic factors"},
    TwoRow{ 40.0f,                              1, 2.5f, true,  "dynamic, close pair"},
    TwoRow{150.0f,                              1, 6.0f, true,  "a0 above 1"},
    TwoRow{ 10.0f,                              0, 3.0f, false, "pinned head, static"},
    TwoRow{ std::nextafter(10.0f, 11.0f),       0, 3.0f, true,  "pinned head, dynamic"},
    TwoRow{ 40.0f,                              0, 2.0f, true,  "pinned head, close pair"}));
// clang-format on

class TwoPilesFarApart : public testing::TestWithParam<real> {};

// Piles 2000 diameters apart hardly interact: the group takes twice the
// vertical and horizontal stiffness of one pile.
TEST_P(TwoPilesFarApart, AddUpAsSinglePiles) {
  Group g({-1000.0f, 1000.0f}, {0.0f, 0.0f}, true, 1);
  g.set_up();
  const Cmat6 K1 = pile_head();
  Cmat6 Kg;
  ASSERT_EQ(g.run(K1, GetParam(), Kg, GroupSolver::factor_and_solve), GroupImpedanceStatus::ok);
  EXPECT_LT(std::abs(Kg(3, 3) / (2.0f * K1(3, 3)) - 1.0f), 5e-3f) << Kg(3, 3);
  EXPECT_LT(std::abs(Kg(2, 2) / (2.0f * K1(2, 2)) - 1.0f), 5e-3f) << Kg(2, 2);
}

INSTANTIATE_TEST_SUITE_P(Frequencies, TwoPilesFarApart, testing::Values(5.0f, 40.0f));

// Pile 2 battered by 15 degrees in the YZ plane, the pair's factors zero:
// each pile adds the stiffness condensed from its own flexibility, pile 2's
// from the inverse of its turned head matrix, and its own turned torsion.
TEST(BatteredPileInAGroup, BringsItsTurnedFlexibility) {
  const double a = 5.0;
  Group g({static_cast<real>(-a), static_cast<real>(a)}, {0.0f, 0.0f}, true, 1);
  g.batter(2, false, 15.0f);
  g.set_up();
  GroupInteraction& t = tables(0);
  t.spacing_axial(1, 2) = 0.0f;
  for (PairTable& l : t.lateral) l(1, 2) = l(2, 1) = 0.0f;
  const Cmat6 K1 = pile_head();
  const D6 k = to_double(K1);
  // T^T K T with T = [[L, 0], [0, L]], L(r, c) the cosines of the pile's angles.
  const double angle_set[9] = {0, 90, 90, 90, 15, 105, 90, 75, 15};
  double T[6][6] = {};
  for (int r = 0; r < 3; ++r)
    for (int col = 0; col < 3; ++col) T[r][col] = T[r + 3][col + 3] = std::cos(angle_set[3 * r + col] * PI / 180);
  D6 kp{};
  for (int i = 0; i < 6; ++i)
    for (int j = 0; j < 6; ++j)
      for (int m = 0; m < 6; ++m)
        for (int l = 0; l < 6; ++l) kp[i][j] += T[m][i] * k[m][l] * T[l][j];
  const D6 f1 = inverse(k), f2 = inverse(kp);
  // Stiffness of a head fixed against rotation, from a pile's flexibility.
  const auto condensed = [](const D6& f, int u, int th) {
    return f[th][th] / (f[u][u] * f[th][th] - f[u][th] * f[u][th]);
  };
  Cmat6 Kg;
  ASSERT_EQ(g.run(K1, 5.0f, Kg, GroupSolver::factor_and_solve), GroupImpedanceStatus::ok);
  const auto expect_near = [](cplx got, dcplx expected) {
    EXPECT_LT(std::abs(dcplx(got) - expected), 1e-5 * std::abs(expected)) << got << " against " << expected;
  };
  expect_near(Kg(3, 3), 1.0 / f1[2][2] + 1.0 / f2[2][2]);
  expect_near(Kg(1, 1), condensed(f1, 0, 4) + condensed(f2, 0, 4));
  const dcplx hy = condensed(f1, 1, 3) + condensed(f2, 1, 3);
  expect_near(Kg(2, 2), hy);
  expect_near(Kg(6, 6), a * a * hy + k[5][5] + kp[5][5]);
}

// ---------------------------------------------------------------- symmetry

struct PathRow {
  bool interaction;
  int head;
  real omega;
  const char* what;
  friend void PrintTo(const PathRow& r, std::ostream* os) { *os << r.what; }
};

// clang-format off
const PathRow kPaths[] = {
    PathRow{false, 1, 20.0f, "without interaction"},
    PathRow{true,  1,  5.0f, "static factors"},
    PathRow{true,  1, 40.0f, "dynamic factors"},
    PathRow{true,  0, 40.0f, "pinned head, dynamic factors"}};
// clang-format on

// The group impedance of an irregular group of nine piles, and of the same
// group with every pile moved to move(x, y).
std::array<Cmat6, 2> original_and_moved(const PathRow& row, unsigned seed,
                                        const std::function<std::array<real, 2>(real, real)>& move) {
  Group g = jittered_grid(9, row.interaction, row.head, seed, 0);
  std::vector<real> xm, ym;
  for (int p = 0; p < 9; ++p) {
    const std::array<real, 2> m = move(g.deck.x[p], g.deck.y[p]);
    xm.push_back(m[0]);
    ym.push_back(m[1]);
  }
  Group moved_group(xm, ym, row.interaction, row.head, 1);
  g.set_up();
  moved_group.set_up();
  const Cmat6 K1 = pile_head();
  std::array<Cmat6, 2> K;
  EXPECT_EQ(g.run(K1, row.omega, K[0], GroupSolver::factor_and_solve), GroupImpedanceStatus::ok);
  EXPECT_EQ(moved_group.run(K1, row.omega, K[1], GroupSolver::factor_and_solve), GroupImpedanceStatus::ok);
  return K;
}

class TurnedGroup : public testing::TestWithParam<PathRow> {};

// Turning an irregular group by 90 degrees about z, (x, y) -> (-y, x), with
// a pile alike in x and y: x and y terms trade places, with the signs of a
// rotation, Kg'(i, j) = s_i s_j Kg(pi(i), pi(j)).
TEST_P(TurnedGroup, SwapsTheXAndYTerms) {
  const auto [Kg, Kt] = original_and_moved(GetParam(), 3, [](real x, real y) { return std::array<real, 2>{-y, x}; });
  const int pi[6] = {2, 1, 3, 5, 4, 6};
  const double sign[6] = {-1, 1, 1, -1, 1, 1};
  D6 e{};
  for (int i = 0; i < 6; ++i)
    for (int j = 0; j < 6; ++j) e[i][j] = sign[i] * sign[j] * dcplx(Kg(pi[i], pi[j]));
  expect_matrix_near(Kt, e, 5e-5);
  EXPECT_GT(std::abs(Kg(3, 4)), 1e-3f * std::abs(Kg(3, 3))) << "the group is not symmetric about the origin";
}

INSTANTIATE_TEST_SUITE_P(Paths, TurnedGroup, testing::ValuesIn(kPaths));

class ShiftedGroup : public testing::TestWithParam<PathRow> {};

// Moving every pile by (dx, dy) leaves the pairs as they were: the group
// matrix is the original's carried over the shift by the rigid cap,
// T^T Kg T. A wrong lever-arm term of the group matrix breaks this.
TEST_P(ShiftedGroup, IsTheRigidTransferOfTheOriginal) {
  const double dx = 2.5, dy = -1.75;
  const auto [Kg, Ks] = original_and_moved(GetParam(), 29, [dx, dy](real x, real y) {
    return std::array<real, 2>{x + static_cast<real>(dx), y + static_cast<real>(dy)};
  });
  const D6 T = rigid_transfer(dx, dy, 0.0);
  expect_matrix_near(Ks, moved(to_double(Kg), T, T), 5e-5);
}

INSTANTIATE_TEST_SUITE_P(Paths, ShiftedGroup, testing::ValuesIn(kPaths));

// ---------------------------------------------------------------- the two paths

class NoShearVelocity : public testing::TestWithParam<int> {};

// Vl = 0 leaves no dimensionless frequency: the interaction is switched off.
TEST_P(NoShearVelocity, SwitchesTheInteractionOff) {
  Group with = jittered_grid(9, true, GetParam(), 5);
  with.set_up();
  Group without = jittered_grid(9, false, GetParam(), 5);
  with.ctx.Vl = 0.0f;
  const Cmat6 K1 = pile_head();
  Cmat6 a, b;
  ASSERT_EQ(with.run(K1, 40.0f, a, GroupSolver::factor_and_solve), GroupImpedanceStatus::ok);
  ASSERT_EQ(without.run(K1, 40.0f, b, GroupSolver::factor_and_solve), GroupImpedanceStatus::ok);
  for (int i = 0; i < 36; ++i) EXPECT_EQ(a.a[i], b.a[i]) << "entry " << i;
}

INSTANTIATE_TEST_SUITE_P(Heads, NoShearVelocity, testing::Values(1, 0));

struct AgreeRow {
  int n;
  int head;
  real omega;
  bool battered;
  const char* what;
  friend void PrintTo(const AgreeRow& r, std::ostream* os) { *os << r.n << " piles, " << r.what; }
};

class SolversAgree : public testing::TestWithParam<AgreeRow> {};

// One factorisation and a solve with the weight vectors give the group terms
// of the in-place inversion, to single-precision rounding: pivoted, and tiled
// (for 50 piles and more several tiles; from 200 piles on the team's).
TEST_P(SolversAgree, FactorisedEqualsInPlace) {
  const AgreeRow& row = GetParam();
  Group g = jittered_grid(row.n, true, row.head, 11);
  if (row.battered) {
    for (int p = 1; p <= row.n; p += 3) g.batter(p, p % 2 == 1, 8.0f + static_cast<real>(p % 5));
  }
  g.set_up();
  ASSERT_EQ(g.setup, GroupSetupStatus::ok);
  const Cmat6 K1 = pile_head();
  Cmat6 pivoted, tiled, reference;
  ASSERT_EQ(g.run(K1, row.omega, pivoted, GroupSolver::pivoted), GroupImpedanceStatus::ok);
  ASSERT_EQ(g.run(K1, row.omega, tiled, GroupSolver::tiled), GroupImpedanceStatus::ok);
  ASSERT_EQ(g.run(K1, row.omega, reference, GroupSolver::in_place_inversion), GroupImpedanceStatus::ok);
  {
    SCOPED_TRACE("pivoted against in place");
    expect_matrix_near(pivoted, to_double(reference), 1e-4);
  }
  {
    SCOPED_TRACE("tiled against in place");
    expect_matrix_near(tiled, to_double(reference), 1e-4);
  }
  {
    SCOPED_TRACE("tiled against pivoted");
    expect_matrix_near(tiled, to_double(pivoted), 1e-4);
  }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Groups, SolversAgree, testing::Values(
    AgreeRow{  2, 1,  5.0f, false, "fixed head, static"},
    AgreeRow{  2, 0, 40.0f, false, "pinned head, dynamic"},
    AgreeRow{  9, 1,  5.0f, false, "fixed head, static"},
    AgreeRow{  9, 1, 40.0f, true,  "fixed head, dynamic, battered piles"},
    AgreeRow{  9, 0, 40.0f, false, "pinned head, dynamic"},
    AgreeRow{ 50, 1,  5.0f, false, "fixed head, static"},
    AgreeRow{ 50, 1, 60.0f, false, "fixed head, dynamic"},
    AgreeRow{ 50, 0, 60.0f, true,  "pinned head, dynamic, battered piles"},
    AgreeRow{200, 0, 60.0f, false, "pinned head, dynamic"}));
// clang-format on

struct ResonanceRow {
  int columns, rows;
  real spacing;  // in diameters
  real omega;
  const char* what;
  friend void PrintTo(const ResonanceRow& r, std::ostream* os) { *os << r.what; }
};

class GroupResonance : public testing::TestWithParam<ResonanceRow> {};

// Near a resonance of a large regular group the superposed interaction
// factors give the group a vertical damping below zero, which no passive
// foundation has: the interaction method's own limit there, not the solve's.
// The systems are near singular, and the single-precision solves, the tiled
// one above 200 piles included, still give the group terms of the same
// systems solved in double precision.
TEST_P(GroupResonance, SolvesAsInDoublePrecision) {
  const ResonanceRow& row = GetParam();
  std::vector<real> x, y;
  for (int p = 0; p < row.columns * row.rows; ++p) {
    x.push_back(row.spacing * static_cast<real>(p % row.columns));
    y.push_back(row.spacing * static_cast<real>(p / row.columns));
  }
  Group g(x, y, true, 1);
  g.set_up();
  ASSERT_EQ(g.setup, GroupSetupStatus::ok);
  GroupPairClasses classes;
  GROUP_PAIR_CLASSES(g.pairs, g.ctx.n_piles, classes);
  g.ctx.classes = &classes;
  const Cmat6 K1 = pile_head();
  Cmat6 reference, pivoted, tiled;
  ASSERT_EQ(g.run(K1, row.omega, reference, GroupSolver::double_precision), GroupImpedanceStatus::ok);
  EXPECT_LT(reference(3, 3).imag(), 0.0f);
  ASSERT_EQ(g.run(K1, row.omega, pivoted, GroupSolver::pivoted), GroupImpedanceStatus::ok);
  ASSERT_EQ(g.run(K1, row.omega, tiled, GroupSolver::tiled), GroupImpedanceStatus::ok);
  {
    SCOPED_TRACE("pivoted against double precision");
    expect_matrix_near(pivoted, to_double(reference), 1e-4);
  }
  {
    SCOPED_TRACE("tiled against double precision");
    expect_matrix_near(tiled, to_double(reference), 1e-4);
  }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Groups, GroupResonance, testing::Values(
    ResonanceRow{25, 20, 3.0f,  93.0f, "500 piles three diameters apart"},
    ResonanceRow{20, 20, 2.0f, 133.0f, "400 piles two diameters apart"}));
// clang-format on

struct ClassRow {
  bool grid;  // a regular grid, or jittered
  int head;
  real omega;
  GroupSolver solver;
  const char* what;
  friend void PrintTo(const ClassRow& r, std::ostream* os) { *os << r.what; }
};

class PairClasses : public testing::TestWithParam<ClassRow> {};

// Pairs alike in their table entries share their factors: a regular grid has
// no more classes than distinct offsets |dx|, |dy|, and the group impedance
// is the same, bit for bit, as with every pair's factors formed on its own.
TEST_P(PairClasses, GiveTheSameImpedance) {
  const ClassRow& row = GetParam();
  constexpr int columns = 9, rows = 25;
  Group g = jittered_grid(columns * rows, true, row.head, 23);
  if (row.grid) {
    for (int p = 0; p < columns * rows; ++p) {
      g.deck.x[static_cast<std::size_t>(p)] = 2.5f * static_cast<real>(p % columns);
      g.deck.y[static_cast<std::size_t>(p)] = 3.0f * static_cast<real>(p / columns);
    }
  }
  g.set_up();
  ASSERT_EQ(g.setup, GroupSetupStatus::ok);
  GroupPairClasses classes;
  GROUP_PAIR_CLASSES(g.pairs, g.ctx.n_piles, classes);
  if (row.grid) {
    EXPECT_LE(classes.keys.size(), static_cast<std::size_t>(columns * rows - 1));
  }
  const Cmat6 K1 = pile_head();
  Cmat6 alone, shared;
  ASSERT_EQ(g.run(K1, row.omega, alone, row.solver), GroupImpedanceStatus::ok);
  g.ctx.classes = &classes;
  ASSERT_EQ(g.run(K1, row.omega, shared, row.solver), GroupImpedanceStatus::ok);
  for (int k = 0; k < 36; ++k) EXPECT_EQ(shared.a[k], alone.a[k]) << "entry " << k;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Groups, PairClasses, testing::Values(
    ClassRow{true,  1,  5.0f, GroupSolver::pivoted, "grid, fixed head, static, pivoted"},
    ClassRow{true,  1, 40.0f, GroupSolver::tiled,   "grid, fixed head, dynamic, tiled"},
    ClassRow{true,  0, 40.0f, GroupSolver::pivoted, "grid, pinned head, dynamic, pivoted"},
    ClassRow{false, 1, 40.0f, GroupSolver::tiled,   "jittered, fixed head, dynamic, tiled"}));
// clang-format on

// ---------------------------------------------------------------- failures

struct CoincidentRow {
  int n;
  int head;
  GroupSolver solver;
  friend void PrintTo(const CoincidentRow& r, std::ostream* os) {
    *os << r.n << " piles, " << (r.head ? "fixed" : "pinned") << ", "
        << (r.solver == GroupSolver::factor_and_solve ? "factorised" : "in place");
  }
};

class CoincidentPiles : public testing::TestWithParam<CoincidentRow> {};

// The last pile stands on another one: the set-up flags the pair, and the
// group flexibility with the static factors, two of its rows equal, is
// singular. (The dynamic fits extended to s/d = 0 are not 1, so above
// 10 rad/s the matrix is regular but meaningless: the run must stop on the
// set-up's flag.) Without interaction the piles simply add up.
TEST_P(CoincidentPiles, MakeTheGroupSingular) {
  const CoincidentRow& row = GetParam();
  Group g = jittered_grid(row.n, true, row.head, 13);
  g.deck.x.back() = g.deck.x[row.n / 2 - 1];
  g.deck.y.back() = g.deck.y[row.n / 2 - 1];
  g.set_up();
  EXPECT_EQ(g.setup, GroupSetupStatus::overlapping_piles);
  const Cmat6 K1 = pile_head();
  Cmat6 Kg;
  Kg(1, 1) = 7.0f;
  EXPECT_EQ(g.run(K1, 5.0f, Kg, row.solver), GroupImpedanceStatus::singular_group);
  EXPECT_EQ(g.ctx.work.failed_system, GroupSystem::vertical);
  expect_zero(Kg);
  // With the pair's axial factor lowered the vertical system is regular and
  // the x system is found singular.
  g.pairs.spacing_axial(row.n / 2, row.n) = 0.5f;
  Kg(1, 1) = 7.0f;
  EXPECT_EQ(g.run(K1, 5.0f, Kg, row.solver), GroupImpedanceStatus::singular_group);
  EXPECT_EQ(g.ctx.work.failed_system, GroupSystem::horizontal_x);
  expect_zero(Kg);
  g.ctx.interaction = false;
  EXPECT_EQ(g.run(K1, 5.0f, Kg, row.solver), GroupImpedanceStatus::ok);
  EXPECT_FLOAT_EQ(Kg(3, 3).real(), static_cast<real>(row.n) * K1(3, 3).real());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Groups, CoincidentPiles, testing::Values(
    CoincidentRow{  2, 1, GroupSolver::factor_and_solve}, CoincidentRow{  2, 1, GroupSolver::in_place_inversion},
    CoincidentRow{  9, 0, GroupSolver::factor_and_solve}, CoincidentRow{  9, 0, GroupSolver::in_place_inversion},
    CoincidentRow{ 50, 1, GroupSolver::factor_and_solve}, CoincidentRow{ 50, 1, GroupSolver::in_place_inversion},
    CoincidentRow{500, 1, GroupSolver::factor_and_solve}));
// clang-format on

struct BadRow {
  bool interaction;
  std::function<void(Group&, Cmat6&)> spoil;
  GroupImpedanceStatus status;
  GroupSystem system;
  const char* what;
  friend void PrintTo(const BadRow& r, std::ostream* os) { *os << r.what; }
};

class BadInput : public testing::TestWithParam<BadRow> {};

// A spoilt input gives a status and a zero matrix, never a NaN.
TEST_P(BadInput, GivesAStatusAndNoNaN) {
  const BadRow& row = GetParam();
  Group g = jittered_grid(50, row.interaction, 1, 17);
  g.set_up();
  Cmat6 K1 = pile_head();
  row.spoil(g, K1);
  for (GroupSolver solver : {GroupSolver::factor_and_solve, GroupSolver::in_place_inversion}) {
    Cmat6 Kg;
    Kg(2, 2) = 7.0f;
    EXPECT_EQ(g.run(K1, 40.0f, Kg, solver), row.status);
    EXPECT_EQ(g.ctx.work.failed_system, row.system);
    expect_zero(Kg);
  }
}

constexpr real kNaN = std::numeric_limits<real>::quiet_NaN();
constexpr real kInf = std::numeric_limits<real>::infinity();

// clang-format off
INSTANTIATE_TEST_SUITE_P(Spoilt, BadInput, testing::Values(
    BadRow{true,  [](Group&, Cmat6& K) { K(3, 3) = cplx(kNaN, 0.0f); },
           GroupImpedanceStatus::non_finite, GroupSystem::none, "NaN in the head matrix"},
    BadRow{false, [](Group&, Cmat6& K) { K(5, 5) = cplx(0.0f, kInf); },
           GroupImpedanceStatus::non_finite, GroupSystem::none, "infinite head matrix, no interaction"},
    BadRow{true,  [](Group& g, Cmat6&) { g.deck.y[7] = kInf; },
           GroupImpedanceStatus::non_finite, GroupSystem::none, "infinite coordinate"},
    BadRow{false, [](Group& g, Cmat6&) { g.ctx.zc = kNaN; },
           GroupImpedanceStatus::non_finite, GroupSystem::none, "NaN height of the centre of gravity"},
    BadRow{true,  [](Group&, Cmat6&) { tables(0).lateral[1](3, 9) = kNaN; },
           GroupImpedanceStatus::non_finite, GroupSystem::none, "NaN in a pair table"},
    BadRow{false, [](Group&, Cmat6& K) { for (cplx& v : K.a) v *= 1e32f; },
           GroupImpedanceStatus::non_finite, GroupSystem::none, "sums beyond the single-precision range"},
    BadRow{true,  [](Group&, Cmat6& K) { K(4, 4) = K(5, 5) = K(2, 4) = K(4, 2) = K(1, 5) = K(5, 1) = 0.0f; },
           GroupImpedanceStatus::singular_pile, GroupSystem::pile_head, "head matrix without rocking"}));
// clang-format on

// ---------------------------------------------------------------- storage

class NoAllocation : public testing::TestWithParam<GroupSolver> {};

// The frequency loop works in the storage allocated before it.
TEST_P(NoAllocation, DuringAFrequencyLine) {
  Group g = jittered_grid(50, true, 1, 19);
  g.batter(4, true, 10.0f);
  g.set_up();
  const Cmat6 K1 = pile_head();
  Cmat6 Kg;
  GroupImpedanceContext c = g.ctx;
  c.solver = GetParam();
  for (real omega : {5.0f, 40.0f}) {
    start_counting_allocations();
    const GroupImpedanceStatus status = GROUP_IMPEDANCE(K1, Kg, omega, c);
    const long allocations = stop_counting_allocations();
    EXPECT_EQ(status, GroupImpedanceStatus::ok);
    EXPECT_EQ(allocations, 0) << "omega " << omega;
  }
}

INSTANTIATE_TEST_SUITE_P(Solvers, NoAllocation,
                         testing::Values(GroupSolver::factor_and_solve, GroupSolver::in_place_inversion));

}  // namespace
}  // namespace zav
