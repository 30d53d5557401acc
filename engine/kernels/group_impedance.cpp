// Pile-group impedance.
#include "kernels/group_impedance.h"

#include <algorithm>
#include <atomic>
#include <cassert>
#include <cmath>
#include <cstdint>
#include <limits>

#include "kernels/solvers.h"
#include "kernels/transforms.h"

// LAPACK's complex symmetric factorisation and solve, single precision (the
// Fortran interface; the trailing argument is the hidden length of the
// character argument).
extern "C" {
void csytrf_(const char* uplo, const int* n, zav::cplx* a, const int* lda, int* ipiv, zav::cplx* work, const int* lwork,
             int* info, std::size_t uplo_len);
void csytrs_(const char* uplo, const int* n, const int* nrhs, const zav::cplx* a, const int* lda, const int* ipiv,
             zav::cplx* b, const int* ldb, int* info, std::size_t uplo_len);
void zgesv_(const int* n, const int* nrhs, std::complex<double>* a, const int* lda, int* ipiv, std::complex<double>* b,
            const int* ldb, int* info);
}

namespace zav {
namespace {

constexpr real kEps = std::numeric_limits<real>::epsilon();

// From this many piles on, the group systems are filled and factored tiled
// on the team (below it a line takes a few milliseconds on one core).
constexpr int kThreadedPiles = 200;

// Up to this circular frequency, in rad/s, a pair's interaction factors are
// the static ones, real numbers; above it they are the dynamic fits in the
// dimensionless frequency a0 = omega d / Vl. The switch is on omega itself,
// as the group impedance was designed, although the fits are written in a0;
// that design gives the value but no reason for it. What the fits show: at
// a0 = 0 they are the static factors turned by a small fixed phase (0.0936
// rad axial, 0.0757, 0.05157 and 0.02596 rad for the three lateral ones),
// and their amplitudes and phases move away from that to first order in a0.
// At 10 rad/s a0 is 10 d / Vl, 0.05 for a pile of 1 m in soil of 200 m/s,
// so the static factors stand in for dynamic ones that hardly differ from
// them there; crossing the switch the factors step by about those phases.
// For thick piles in soft soil, where a0 at 10 rad/s is larger, the step is
// larger by as much as the fits change up to that a0.
constexpr real kStaticFactorsUpToOmega = 10.0f;

bool finite(const cplx& v) { return std::isfinite(v.real()) && std::isfinite(v.imag()); }

// Entries of a pile's flexibility record.
enum Record { F11, F22, F33, F44, F55, F66, F15, F24 };

std::array<cplx, 8> record_of(const Cmat6& F) {
  return {F(1, 1), F(2, 2), F(3, 3), F(4, 4), F(5, 5), F(6, 6), F(1, 5), F(2, 4)};
}

// M := M^-1 for a 6 by 6 matrix; false when it has none.
bool invert6(Cmat6& M) {
  std::array<cplx, 12> wk;
  return COMPLEX_GAUSS_JORDAN(M.view(), 6, wk) == SolveStatus::ok &&
         std::all_of(std::begin(M.a), std::end(M.a), finite);
}

// The terms the group matrix is formed from.
struct GroupSums {
  cplx Hx, Hxy, Hxyy, Cx, Cxy, Rx;
  cplx Hy, Hyx, Hyxx, Cy, Cyx, Ry;
  cplx Vz, Vx, Vy, Vxx, Vyy, Vxy;
  cplx T;
};

void form_group_matrix(const GroupSums& s, real zc, Cmat6& Kg) {
  Kg = Cmat6{};
  auto set = [&Kg](int i, int j, cplx v) {
    Kg(i, j) = v;
    Kg(j, i) = v;
  };
  set(1, 1, s.Hx);
  set(1, 5, s.Cx - zc * s.Hx);
  set(1, 6, s.Hxy);
  set(2, 2, s.Hy);
  set(2, 4, s.Cy + zc * s.Hy);
  set(2, 6, -s.Hyx);
  set(3, 3, s.Vz);
  set(3, 4, -s.Vy);
  set(3, 5, s.Vx);
  set(4, 4, zc * zc * s.Hy + 2.0f * zc * s.Cy + s.Ry + s.Vyy);
  set(4, 5, -s.Vxy);
  set(4, 6, -zc * s.Hyx - s.Cyx);
  set(5, 5, zc * zc * s.Hx - 2.0f * zc * s.Cx + s.Rx + s.Vxx);
  set(5, 6, s.Cxy - zc * s.Hxy);
  set(6, 6, s.Hyxx + s.Hxyy + s.T);
}

// Without interaction the piles' own impedances add up over their positions;
// of a turned matrix only the terms below enter.
void sum_without_interaction(const Cmat6& K1, const GroupImpedanceContext& ctx, GroupSums& s) {
  Cmat6 Kp = K1;
  for (int p = 1; p <= ctx.n_piles; ++p) {
    if (ctx.battered) BATTER_TRANSFORM(K1, p, Kp, ctx.batter_angles);
    const real xp = ctx.pile_x[p - 1];
    const real yp = ctx.pile_y[p - 1];
    s.Hx += Kp(1, 1);
    s.Hxy += yp * Kp(1, 1);
    s.Hxyy += yp * yp * Kp(1, 1);
    s.Cx += Kp(1, 5);
    s.Cxy += yp * Kp(1, 5);
    s.Rx += Kp(5, 5);
    s.Hy += Kp(2, 2);
    s.Hyx += xp * Kp(2, 2);
    s.Hyxx += xp * xp * Kp(2, 2);
    s.Cy += Kp(2, 4);
    s.Cyx += xp * Kp(2, 4);
    s.Ry += Kp(4, 4);
    s.Vz += Kp(3, 3);
    s.Vx += xp * Kp(3, 3);
    s.Vy += yp * Kp(3, 3);
    s.Vxx += xp * xp * Kp(3, 3);
    s.Vyy += yp * yp * Kp(3, 3);
    s.Vxy += xp * yp * Kp(3, 3);
    s.T += Kp(6, 6);
  }
}

// Interaction factors of a pair: axial, and the three lateral ones for loads
// along x and along y.
struct PairFactors {
  cplx v;
  std::array<cplx, 3> x, y;
};

PairFactors pair_factors(const PairKey& k, real omega, real a0) {
  PairFactors f;
  if (omega <= kStaticFactorsUpToOmega) {
    const real c = std::cos(k.beta) * std::cos(k.beta);
    const real w = std::sin(k.beta) * std::sin(k.beta);
    f.v = k.alpha_v;
    for (int i = 0; i < 3; ++i) {
      f.x[i] = k.along[i] * c + k.across[i] * w;
      f.y[i] = k.along[i] * w + k.across[i] * c;
    }
  } else {
    DYNAMIC_FACTOR_AXIAL(a0, k.s_d, k.alpha_v, f.v);
    DYNAMIC_FACTOR_LATERAL(a0, k.s_d, k.beta, k.along[0], k.along[1], k.along[2], k.across[0], k.across[1], k.across[2],
                           f.x[0], f.x[1], f.x[2]);
    DYNAMIC_FACTOR_LATERAL(a0, k.s_d, k.beta_y, k.along[0], k.along[1], k.along[2], k.across[0], k.across[1],
                           k.across[2], f.y[0], f.y[1], f.y[2]);
  }
  return f;
}

PairBlocks blocks_of(const PairFactors& a, const Cmat6& f) {
  return {f(3, 3) * a.v,    f(1, 1) * a.x[0], f(1, 5) * a.x[1], f(5, 1) * a.x[1], f(5, 5) * a.x[2],
          f(2, 2) * a.y[0], f(2, 4) * a.y[1], f(4, 2) * a.y[1], f(4, 4) * a.y[2]};
}

bool finite(const PairFactors& f) {
  return finite(f.v) && std::all_of(f.x.begin(), f.x.end(), [](const cplx& v) { return finite(v); }) &&
         std::all_of(f.y.begin(), f.y.end(), [](const cplx& v) { return finite(v); });
}

// The matrices' columns start on cache lines, so that the tiles the team's
// members work on side by side in one column share none: the rows of a
// column, with the three weight rows, padded to a whole number of lines.
constexpr std::size_t kLine = 64;
constexpr int kPerLine = static_cast<int>(kLine / sizeof(cplx));

int padded_rows(int order) { return (order + 3 + kPerLine - 1) / kPerLine * kPerLine; }

cplx* line_aligned(cplx* p) {
  const auto address = reinterpret_cast<std::uintptr_t>(p);
  return p + (kLine - address % kLine) % kLine / sizeof(cplx);
}

// One coupled group system: its matrix, the symmetric scaling that gives its
// diagonal unit modulus (all 1 for the in-place inversion, which works on the
// matrix unscaled), three weight vectors and their solutions.
struct GroupSystemData {
  GroupSystemData(GroupSystemStorage& st, int order, int weights)
      : A(line_aligned(st.matrix.data())),
        m(order),
        ld(padded_rows(order)),
        s(st.scale.data()),
        W(st.weights.data()),
        pivots(st.pivots.data()),
        factor_work(st.factor_work.data()),
        factor_work_size(static_cast<int>(st.factor_work.size())),
        n_weights(weights),
        in_double(st.in_double) {}
  cplx* A;
  int m;
  int ld;  // m and the three weight rows of the tiled factorisation, padded
  real* s;
  cplx* W;  // m by 3 weights, then m by 3 solutions
  int* pivots;
  cplx* factor_work;
  int factor_work_size;
  int n_weights;
  std::vector<std::complex<double>>& in_double;
  Mat<cplx> a() const { return {A, ld}; }
  // The double-precision solution of weight k.
  const std::complex<double>& x(int i, int k) const {
    return in_double[static_cast<std::size_t>(m) * m + (i - 1) + static_cast<std::size_t>(k - 1) * m];
  }
  cplx& w(int i, int k) const { return W[(i - 1) + static_cast<std::size_t>(k - 1) * m]; }
  cplx& y(int i, int k) const { return W[(i - 1) + static_cast<std::size_t>(k + 2) * m]; }
};

// Sets the scale of unknown i from its diagonal entry; false when the entry
// is zero or not finite.
bool set_scale(GroupSystemData& g, int i, const cplx& diagonal, bool scaled) {
  const real size = std::abs(diagonal);
  if (!(size > 0.0f) || !std::isfinite(size)) return false;
  g.s[i - 1] = scaled ? 1.0f / std::sqrt(size) : 1.0f;
  return true;
}

// v times a real number, part by part: the same numbers as the library's
// product, which goes through memory on the way, a stall at every entry of
// a matrix being filled.
cplx times(const cplx& v, real f) { return {v.real() * f, v.imag() * f}; }

// A(i, j) = A(j, i) = v, scaled.
void put(const GroupSystemData& g, int i, int j, const cplx& v) {
  const cplx scaled = times(v, g.s[i - 1] * g.s[j - 1]);
  g.a()(i, j) = scaled;
  g.a()(j, i) = scaled;
}

void put_diagonal(const GroupSystemData& g, int i, const cplx& v) { g.a()(i, i) = times(v, g.s[i - 1] * g.s[i - 1]); }

// The weighted sum sum_p sum_q w_a(p) w_b(q) S(p, q) of the inverse S.
// Pivoted: w~_a . (A~^-1 w~_b) with the scaled weights. Tiled:
// (C^-1 w~_a) . (C^-1 w~_b), from the weight rows the factorisation left.
// In place: over the inverse itself, accumulated in single precision pile by
// pile. In double precision: w_a . (A^-1 w_b) in double.
cplx weighted_sum(const GroupSystemData& g, int a, int b, GroupSolver solver) {
  cplx sum(0.0f);
  if (solver == GroupSolver::double_precision) {
    std::complex<double> d(0.0);
    for (int i = 1; i <= g.m; ++i) d += std::complex<double>(g.w(i, a)) * g.x(i, b);
    return cplx(static_cast<real>(d.real()), static_cast<real>(d.imag()));
  }
  if (solver == GroupSolver::pivoted) {
    for (int i = 1; i <= g.m; ++i) sum += g.w(i, a) * g.y(i, b);
  } else if (solver == GroupSolver::tiled) {
    const Mat<cplx> r = g.a();
    for (int i = 1; i <= g.m; ++i) sum += r(g.m + a, i) * r(g.m + b, i);
  } else {
    const Mat<cplx> S = g.a();
    for (int p = 1; p <= g.m; ++p) {
      const cplx wp = g.w(p, a);
      if (wp == cplx(0.0f)) continue;
      for (int q = 1; q <= g.m; ++q) {
        const cplx wq = g.w(q, b);
        if (wq == cplx(0.0f)) continue;
        sum += (wp * wq) * S(p, q);
      }
    }
  }
  return sum;
}

// The terms of one horizontal direction, w the cross weight (y for x, x for
// y): translation H, Hw, Hww; coupling C, Cw; rotation R. A pinned head has
// no rotation unknowns and leaves C, Cw and R at zero.
void direction_sums(const GroupSystemData& g, bool fixed, GroupSolver solver, cplx& H, cplx& Hw, cplx& Hww, cplx& C,
                    cplx& Cw, cplx& R) {
  H = weighted_sum(g, 1, 1, solver);
  if (fixed) {
    Hw = weighted_sum(g, 3, 1, solver);
    Hww = weighted_sum(g, 3, 3, solver);
    C = weighted_sum(g, 1, 2, solver);
    Cw = weighted_sum(g, 3, 2, solver);
    R = weighted_sum(g, 2, 2, solver);
  } else {
    Hw = weighted_sum(g, 2, 1, solver);
    Hww = weighted_sum(g, 2, 2, solver);
  }
}

// Factors one system with pivoting and solves for its weights; false when it
// is singular to working precision.
bool solve_pivoted(const GroupSystemData& g) {
  const int m = g.m;
  int info = 0;
  csytrf_("L", &m, g.A, &g.ld, g.pivots, g.factor_work, &g.factor_work_size, &info, 1);
  if (info != 0) return false;
  // The scaled matrix has a unit diagonal and entries of order one: a pivot
  // block at rounding level means linearly dependent rows.
  const real negligible = static_cast<real>(m) * kEps;
  const Mat<cplx> a = g.a();
  for (int k = 1; k <= m; ++k) {
    if (g.pivots[k - 1] > 0) {
      if (!(std::abs(a(k, k)) > negligible)) return false;
    } else {
      // A 2 by 2 block in rows k and k + 1: its smaller eigenvalue is about
      // its determinant over its larger row.
      const cplx p = a(k, k), q = a(k + 1, k), r = a(k + 1, k + 1);
      const real row = std::max(std::abs(p) + std::abs(q), std::abs(q) + std::abs(r));
      if (!(std::abs(p * r - q * q) > negligible * row)) return false;
      ++k;
    }
  }
  for (int k = 1; k <= g.n_weights; ++k) {
    for (int i = 1; i <= m; ++i) g.y(i, k) = g.w(i, k);
  }
  csytrs_("L", &m, &g.n_weights, g.A, &g.ld, g.pivots, &g.y(1, 1), &m, &info, 1);
  return info == 0;
}

// Solves one unscaled system for its weights by LU with partial pivoting in
// double precision; false when it is singular there.
bool solve_in_double(const GroupSystemData& g) {
  const int m = g.m;
  const auto mm = static_cast<std::size_t>(m) * m;
  g.in_double.assign(mm + static_cast<std::size_t>(m) * g.n_weights, 0.0);
  const Mat<cplx> a = g.a();
  for (int j = 1; j <= m; ++j) {
    for (int i = 1; i <= m; ++i) g.in_double[(i - 1) + static_cast<std::size_t>(j - 1) * m] = a(i, j);
  }
  for (int k = 1; k <= g.n_weights; ++k) {
    for (int i = 1; i <= m; ++i) g.in_double[mm + (i - 1) + static_cast<std::size_t>(k - 1) * m] = g.w(i, k);
  }
  int info = 0;
  zgesv_(&m, &g.n_weights, g.in_double.data(), &m, g.pivots, g.in_double.data() + mm, &m, &info);
  return info == 0 && std::all_of(g.in_double.begin() + static_cast<long>(mm), g.in_double.end(),
                                  [](const std::complex<double>& v) { return std::isfinite(std::abs(v)); });
}

// Where a system's entries come from: one unknown a pile (the vertical
// system, or the translations of a pinned head) or two (translation, then
// rotation); for each kind of row and column unknown the entry of a pair's
// blocks, and of a pile's own record (row kind not below column kind).
struct SystemEntries {
  int per_pile;
  cplx PairBlocks::*pair[2][2];
  Record own[2][2];
};

constexpr SystemEntries kVertical{1, {{&PairBlocks::v}}, {{F33}}};
constexpr SystemEntries kAlongXPinned{1, {{&PairBlocks::x11}}, {{F11}}};
constexpr SystemEntries kAlongYPinned{1, {{&PairBlocks::y22}}, {{F22}}};
constexpr SystemEntries kAlongXFixed{
    2, {{&PairBlocks::x11, &PairBlocks::x51}, {&PairBlocks::x15, &PairBlocks::x55}}, {{F11, F11}, {F15, F55}}};
constexpr SystemEntries kAlongYFixed{
    2, {{&PairBlocks::y22, &PairBlocks::y42}, {&PairBlocks::y24, &PairBlocks::y44}}, {{F22, F22}, {F24, F44}}};

// Rows [r0, r1) of columns [c0, c1) of the lower triangle of g, unknowns
// from 0, scaled, from the piles' records and the pair classes' blocks.
template <int per_pile>
void fill_columns(const GroupSystemData& g, const SystemEntries& e, const GroupPairClasses& classes,
                  const GroupImpedanceWork& work, int r0, int r1, int c0, int c1) {
  const int n = classes.n_piles;
  for (int c = c0; c < c1; ++c) {
    const int p = c / per_pile + 1;
    const int ck = c % per_pile;
    // Pair (p, q), q > p, at q - p - 1.
    const int* pair_class = classes.pair_class.data() + GroupPairClasses::first(p, n);
    cplx* column = g.A + static_cast<std::size_t>(c) * g.ld;
    const real sc = g.s[c];
    for (int r = std::max(r0, c); r < r1; ++r) {
      const int q = r / per_pile + 1;
      const int rk = r % per_pile;
      const cplx& v = q == p ? work.records[static_cast<std::size_t>(p - 1)][e.own[rk][ck]]
                             : work.class_blocks[static_cast<std::size_t>(pair_class[q - p - 1])].*e.pair[rk][ck];
      column[r] = times(v, g.s[r] * sc);
    }
  }
}

void fill_from_classes(const GroupSystemData& g, const SystemEntries& e, const GroupPairClasses& classes,
                       const GroupImpedanceWork& work, int r0, int r1, int c0, int c1) {
  if (e.per_pile == 1) {
    fill_columns<1>(g, e, classes, work, r0, r1, c0, c1);
  } else {
    fill_columns<2>(g, e, classes, work, r0, r1, c0, c1);
  }
}

// The tiled factorisation's filling of the three systems (x, y, vertical).
class ClassTileFill final : public TileFill {
 public:
  ClassTileFill(GroupSystemData* const (&systems)[3], const std::array<SystemEntries, 3>& entries,
                const GroupPairClasses* classes, const GroupImpedanceWork& work)
      : systems_(systems), entries_(entries), classes_(classes), work_(work) {}
  void operator()(int system, int row, int rows, int col, int cols) const override {
    const auto k = static_cast<std::size_t>(system);
    fill_from_classes(*systems_[k], entries_[k], *classes_, work_, row, row + rows, col, col + cols);
  }

 private:
  GroupSystemData* const (&systems_)[3];
  const std::array<SystemEntries, 3>& entries_;
  const GroupPairClasses* classes_;
  const GroupImpedanceWork& work_;
};

GroupImpedanceStatus fail(const GroupImpedanceContext& ctx, Cmat6& Kg, GroupImpedanceStatus status, GroupSystem system,
                          int pile = 0) {
  Kg = Cmat6{};
  ctx.work.failed_system = system;
  ctx.work.failed_pile = pile;
  return status;
}

// Why a step of the interaction path stopped: the status, the system it
// names and, for a battered pile's head matrix, the pile.
struct Stop {
  GroupImpedanceStatus status = GroupImpedanceStatus::ok;
  GroupSystem system = GroupSystem::none;
  int pile = 0;
  bool stopped() const { return status != GroupImpedanceStatus::ok; }
};

// How a line's three systems are filled and solved, chosen once from the
// context: the solver, whether the systems are scaled to a unit diagonal
// (the factorisations) or left as they are with both triangles written (the
// in-place inversion and the double-precision solve), the team that shares
// the work of a large group, and the pair classes whose factors serve all
// pairs alike.
struct SolvePlan {
  GroupSolver solver;
  bool scaled;
  ThreadTeam* team;
  const GroupPairClasses* classes;
};

SolvePlan plan_of(const GroupImpedanceContext& ctx) {
  const int n = ctx.n_piles;
  const GroupSolver solver = ctx.solver != GroupSolver::factor_and_solve ? ctx.solver
                             : n >= kThreadedPiles                       ? GroupSolver::tiled
                                                                         : GroupSolver::pivoted;
  const bool scaled = solver != GroupSolver::in_place_inversion && solver != GroupSolver::double_precision;
  ThreadTeam* team = n >= kThreadedPiles ? ctx.work.team.get() : nullptr;
  const GroupPairClasses* classes = scaled && ctx.classes && ctx.classes->n_piles == n ? ctx.classes : nullptr;
  return {solver, scaled, team, classes};
}

// The body on every member of the plan's team, or on the caller alone.
template <class Body>
void on_team(const SolvePlan& plan, const Body& body) {
  if (plan.team) {
    plan.team->run(body);
  } else {
    body(0);
  }
}

// The vertical, x and y systems of a group: one unknown a pile in the
// vertical system and, with a pinned head, in the horizontal ones; with a
// fixed head two, the translation u and the rotation th of the pile. Their
// weights: 1, x, y for the vertical; for x (y) the translations, the
// rotations and the translations weighted by y (x) with a fixed head, 1 and
// y (x) with a pinned one.
struct GroupSystems {
  GroupSystems(GroupImpedanceWork& work, int piles, bool fixed_head)
      : n(piles),
        fixed(fixed_head),
        m(fixed_head ? 2 * piles : piles),
        V(work.vertical, piles, 3),
        X(work.along_x, m, fixed_head ? 3 : 2),
        Y(work.along_y, m, fixed_head ? 3 : 2),
        entries{fixed_head ? kAlongXFixed : kAlongXPinned, fixed_head ? kAlongYFixed : kAlongYPinned, kVertical} {}
  GroupSystems(const GroupSystems&) = delete;
  GroupSystems& operator=(const GroupSystems&) = delete;

  int u(int p) const { return fixed ? 2 * p - 1 : p; }
  static int th(int p) { return 2 * p; }

  int n;
  bool fixed;
  int m;  // unknowns of the x and y systems
  GroupSystemData V, X, Y;
  // In the order the tiled factorisation takes them, with where their
  // entries come from.
  GroupSystemData* all[3] = {&X, &Y, &V};
  std::array<SystemEntries, 3> entries;
};

// F := the vertical pile's flexibility K1^-1, and each pile's own record,
// from F or from the inverse of its turned head matrix; T, the sum of the
// piles' torsional stiffnesses.
Stop pile_flexibilities(const Cmat6& K1, const GroupImpedanceContext& ctx, Cmat6& F, GroupSums& s) {
  GroupImpedanceWork& work = ctx.work;
  F = K1;
  if (!invert6(F)) return {GroupImpedanceStatus::singular_pile, GroupSystem::pile_head};
  const std::array<cplx, 8> vertical_record = record_of(F);
  for (int p = 1; p <= ctx.n_piles; ++p) {
    if (ctx.battered && ctx.batter_angles(p, 9) != 0.0f) {
      Cmat6 Kp;
      BATTER_TRANSFORM(K1, p, Kp, ctx.batter_angles);
      s.T += Kp(6, 6);
      if (!invert6(Kp)) return {GroupImpedanceStatus::singular_pile, GroupSystem::pile_head, p};
      work.records[p - 1] = record_of(Kp);
    } else {
      s.T += K1(6, 6);
      work.records[p - 1] = vertical_record;
    }
  }
  return {};
}

// The scale of every unknown from its pile's own flexibility.
Stop scale_systems(const SolvePlan& plan, const GroupImpedanceWork& work, GroupSystems& g) {
  const bool scaled = plan.scaled;
  for (int p = 1; p <= g.n; ++p) {
    const std::array<cplx, 8>& r = work.records[p - 1];
    if (!set_scale(g.V, p, r[F33], scaled)) return {GroupImpedanceStatus::singular_group, GroupSystem::vertical};
    if (!set_scale(g.X, g.u(p), r[F11], scaled))
      return {GroupImpedanceStatus::singular_group, GroupSystem::horizontal_x};
    if (!set_scale(g.Y, g.u(p), r[F22], scaled))
      return {GroupImpedanceStatus::singular_group, GroupSystem::horizontal_y};
    if (g.fixed) {
      if (!set_scale(g.X, g.th(p), r[F55], scaled))
        return {GroupImpedanceStatus::singular_group, GroupSystem::horizontal_x};
      if (!set_scale(g.Y, g.th(p), r[F44], scaled))
        return {GroupImpedanceStatus::singular_group, GroupSystem::horizontal_y};
    }
  }
  return {};
}

// With classes: the blocks of every class of pairs at this line, then (but
// for the tiled solve, which fills each tile as its factoring reaches it)
// the systems from the piles' records and the classes' blocks.
bool fill_from_pair_classes(const SolvePlan& plan, const Cmat6& f, real omega, real a0, GroupImpedanceWork& work,
                            GroupSystems& g) {
  const GroupPairClasses& classes = *plan.classes;
  const int count = static_cast<int>(classes.keys.size());
  assert(classes.keys.size() <= work.class_blocks.size());
  std::atomic<bool> factors_finite{true};
  std::atomic<int> next{0};
  on_team(plan, [&](int) {
    constexpr int chunk = 64;
    bool finite_here = true;
    for (int c0 = next.fetch_add(chunk); c0 < count; c0 = next.fetch_add(chunk)) {
      for (int c = c0; c < std::min(c0 + chunk, count); ++c) {
        const PairFactors a = pair_factors(classes.keys[static_cast<std::size_t>(c)], omega, a0);
        finite_here = finite_here && finite(a);
        work.class_blocks[static_cast<std::size_t>(c)] = blocks_of(a, f);
      }
    }
    if (!finite_here) factors_finite = false;
  });
  if (plan.solver != GroupSolver::tiled) {
    for (int k = 0; k < 3; ++k)
      fill_from_classes(*g.all[k], g.entries[k], classes, work, 0, g.all[k]->m, 0, g.all[k]->m);
  }
  return factors_finite;
}

// Without classes: the piles' own blocks on the diagonal and every pair's
// blocks, its factors formed once for the three systems; column by column
// of the lower triangle, where the factorisations read, and the upper one as
// well for the unscaled solves.
bool fill_pair_by_pair(const SolvePlan& plan, const Cmat6& f, real omega, real a0, const GroupImpedanceContext& ctx,
                       GroupSystems& g) {
  const GroupImpedanceWork& work = ctx.work;
  const GroupInteraction& t = ctx.pairs;
  const int n = g.n;
  const bool fixed = g.fixed;
  GroupSystemData &V = g.V, &X = g.X, &Y = g.Y;
  for (int p = 1; p <= n; ++p) {
    const std::array<cplx, 8>& r = work.records[p - 1];
    put_diagonal(V, p, r[F33]);
    put_diagonal(X, g.u(p), r[F11]);
    put_diagonal(Y, g.u(p), r[F22]);
    if (fixed) {
      put(X, g.u(p), g.th(p), r[F15]);
      put_diagonal(X, g.th(p), r[F55]);
      put(Y, g.u(p), g.th(p), r[F24]);
      put_diagonal(Y, g.th(p), r[F44]);
    }
  }
  const bool both = !plan.scaled;
  const auto set = [both](const GroupSystemData& s, int i, int j, const cplx& v) {
    if (both) {
      put(s, i, j, v);
    } else {
      s.a()(i, j) = times(v, s.s[i - 1] * s.s[j - 1]);
    }
  };
  std::atomic<bool> factors_finite{true};
  std::atomic<int> next{1};
  on_team(plan, [&](int) {
    constexpr int chunk = 4;
    bool finite_here = true;
    for (int p0 = next.fetch_add(chunk); p0 < n; p0 = next.fetch_add(chunk)) {
      for (int p = p0; p < std::min(p0 + chunk, n); ++p) {
        for (int q = p + 1; q <= n; ++q) {
          const PairFactors a = pair_factors(pair_key(t, p, q), omega, a0);
          finite_here = finite_here && finite(a);
          const PairBlocks b = blocks_of(a, f);
          set(V, q, p, b.v);
          set(X, g.u(q), g.u(p), b.x11);
          set(Y, g.u(q), g.u(p), b.y22);
          if (fixed) {
            set(X, g.th(q), g.u(p), b.x15);
            set(X, g.u(q), g.th(p), b.x51);
            set(X, g.th(q), g.th(p), b.x55);
            set(Y, g.th(q), g.u(p), b.y24);
            set(Y, g.u(q), g.th(p), b.y42);
            set(Y, g.th(q), g.th(p), b.y44);
          }
        }
      }
    }
    if (!finite_here) factors_finite = false;
  });
  return factors_finite;
}

// The three systems at omega: scales, the piles' own blocks on the diagonal
// and the pairs' blocks, the vertical pile's flexibility f times the pairs'
// interaction factors. Large groups share the work out over the team.
Stop fill_systems(const SolvePlan& plan, const Cmat6& f, real omega, const GroupImpedanceContext& ctx,
                  GroupSystems& g) {
  if (const Stop stop = scale_systems(plan, ctx.work, g); stop.stopped()) return stop;
  const real r_mean = (ctx.radius_x + ctx.radius_y) / 2.0f;
  const real a0 = omega * (2.0f * r_mean) / ctx.Vl;
  const bool factors_finite = plan.classes ? fill_from_pair_classes(plan, f, omega, a0, ctx.work, g)
                                           : fill_pair_by_pair(plan, f, omega, a0, ctx, g);
  if (!factors_finite) return {GroupImpedanceStatus::non_finite, GroupSystem::none};
  return {};
}

// The weight vectors of the three systems, scaled as their unknowns.
void set_weights(const GroupImpedanceContext& ctx, GroupSystems& g) {
  GroupSystemData& V = g.V;
  for (int p = 1; p <= g.n; ++p) {
    const real xp = ctx.pile_x[p - 1];
    const real yp = ctx.pile_y[p - 1];
    V.w(p, 1) = V.s[p - 1];
    V.w(p, 2) = xp * V.s[p - 1];
    V.w(p, 3) = yp * V.s[p - 1];
  }
  for (GroupSystemData* s : {&g.X, &g.Y}) {
    for (int i = 1; i <= g.m; ++i) {
      for (int k = 1; k <= s->n_weights; ++k) s->w(i, k) = 0.0f;
    }
    const std::span<const real> weight = s == &g.X ? ctx.pile_y : ctx.pile_x;
    for (int p = 1; p <= g.n; ++p) {
      const real su = s->s[g.u(p) - 1];
      s->w(g.u(p), 1) = su;
      if (g.fixed) {
        s->w(g.th(p), 2) = s->s[g.th(p) - 1];
        s->w(g.u(p), 3) = weight[p - 1] * su;
      } else {
        s->w(g.u(p), 2) = weight[p - 1] * su;
      }
    }
  }
}

// Solves the three systems for their weights and forms the group terms.
// Tiled, they are factored at once with the weights as rows below them, the
// library single-threaded inside the team (its own threads synchronise by
// waiting actively, which stalls whenever the machine's cores are shared).
// Pivoted, in place or in double precision, they are solved in turn.
Stop solve_systems(const SolvePlan& plan, const GroupImpedanceContext& ctx, GroupSystems& g, GroupSums& s) {
  GroupImpedanceWork& work = ctx.work;
  const GroupSolver solver = plan.solver;
  bool solved[3] = {false, false, false};
  if (solver != GroupSolver::in_place_inversion) MATRIX_LIBRARY_ON_CALLER();
  if (solver == GroupSolver::pivoted) {
    for (int k = 0; k < 3; ++k) solved[k] = solve_pivoted(*g.all[k]);
  } else if (solver == GroupSolver::tiled) {
    std::array<SymmetricSystem, 3> factored;
    for (int k = 0; k < 3; ++k) {
      GroupSystemData& d = *g.all[k];
      for (int w = 1; w <= d.n_weights; ++w) {
        for (int i = 1; i <= d.m; ++i) d.a()(d.m + w, i) = d.w(i, w);
      }
      factored[k] = SymmetricSystem{d.A, d.m, d.n_weights, d.ld, false};
    }
    const ClassTileFill fill(g.all, g.entries, plan.classes, work);
    FACTOR_SYMMETRIC(factored, work.tiles, plan.team, plan.classes ? &fill : nullptr);
    for (int k = 0; k < 3; ++k) solved[k] = factored[k].regular;
  } else if (solver == GroupSolver::double_precision) {
    for (int k = 0; k < 3; ++k) solved[k] = solve_in_double(*g.all[k]);
  } else {
    for (int k = 0; k < 3; ++k)
      solved[k] = COMPLEX_GAUSS_JORDAN(g.all[k]->a(), g.all[k]->m, work.inversion) == SolveStatus::ok;
  }
  if (!solved[2]) return {GroupImpedanceStatus::singular_group, GroupSystem::vertical};
  if (!solved[0]) return {GroupImpedanceStatus::singular_group, GroupSystem::horizontal_x};
  if (!solved[1]) return {GroupImpedanceStatus::singular_group, GroupSystem::horizontal_y};
  const GroupSystemData& V = g.V;
  s.Vz = weighted_sum(V, 1, 1, solver);
  s.Vx = weighted_sum(V, 2, 1, solver);
  s.Vy = weighted_sum(V, 3, 1, solver);
  s.Vxx = weighted_sum(V, 2, 2, solver);
  s.Vyy = weighted_sum(V, 3, 3, solver);
  s.Vxy = weighted_sum(V, 3, 2, solver);
  direction_sums(g.X, g.fixed, solver, s.Hx, s.Hxy, s.Hxyy, s.Cx, s.Cxy, s.Rx);
  direction_sums(g.Y, g.fixed, solver, s.Hy, s.Hyx, s.Hyxx, s.Cy, s.Cyx, s.Ry);
  return {};
}

// The group terms with interaction: the piles' flexibilities, the three
// systems filled with them and the pairs' factors, their weights, and the
// solve.
GroupImpedanceStatus sum_with_interaction(const Cmat6& K1, real omega, const GroupImpedanceContext& ctx, GroupSums& s,
                                          Cmat6& Kg) {
  const SolvePlan plan = plan_of(ctx);
  Cmat6 F;
  Stop stop = pile_flexibilities(K1, ctx, F, s);
  GroupSystems g(ctx.work, ctx.n_piles, ctx.head == 1);
  if (!stop.stopped()) stop = fill_systems(plan, F, omega, ctx, g);
  if (!stop.stopped()) {
    set_weights(ctx, g);
    stop = solve_systems(plan, ctx, g, s);
  }
  if (stop.stopped()) return fail(ctx, Kg, stop.status, stop.system, stop.pile);
  return GroupImpedanceStatus::ok;
}

}  // namespace

SolveStatus COMPLEX_GAUSS_JORDAN(Mat<cplx> a, int N, std::span<cplx> WK) {
  assert(a.data && N >= 1 && a.ld >= N && WK.size() >= 2 * static_cast<std::size_t>(N));
  const std::span<cplx> f = WK.first(static_cast<std::size_t>(N));
  const std::span<cplx> original = WK.subspan(static_cast<std::size_t>(N), static_cast<std::size_t>(N));
  for (int k = 1; k <= N; ++k) original[k - 1] = a(k, k);
  const real negligible = static_cast<real>(N) * kEps;
  for (int k = 1; k <= N; ++k) {
    const cplx d = a(k, k);
    if (!finite(d) || !(std::abs(d) > negligible * std::abs(original[k - 1]))) return SolveStatus::singular;
    // Row k divided by the pivot; the pivot's own place becomes 1/d.
    a(k, k) = 1.0f;
    for (int j = 1; j <= N; ++j) a(k, j) = a(k, j) / d;
    // Every other row less f times row k, f its entry in column k, whose
    // place starts from zero. Worked column by column over the stored order,
    // each entry with the same single-precision operations as row by row:
    // the product's real and imaginary parts written out, so that no
    // library multiplication with its checks for infinities comes between.
    for (int i = 1; i <= N; ++i) {
      f[i - 1] = a(i, k);
      if (i != k) a(i, k) = 0.0f;
    }
    for (int j = 1; j <= N; ++j) {
      const real tr = a(k, j).real();
      const real ti = a(k, j).imag();
      const auto update = [&](int first, int last) {
        for (int i = first; i <= last; ++i) {
          const real fr = f[i - 1].real();
          const real fi = f[i - 1].imag();
          cplx& e = a(i, j);
          e = cplx(e.real() - (fr * tr - fi * ti), e.imag() - (fr * ti + fi * tr));
        }
      };
      update(1, k - 1);
      update(k + 1, N);
    }
  }
  return SolveStatus::ok;
}

GroupSystemStorage::GroupSystemStorage(int order)
    : matrix(static_cast<std::size_t>(padded_rows(order)) * order + kPerLine),
      weights(static_cast<std::size_t>(6) * order),
      scale(static_cast<std::size_t>(order)),
      pivots(static_cast<std::size_t>(order)),
      // The library's block size of 64 columns.
      factor_work(static_cast<std::size_t>(64) * order) {}

GroupImpedanceWork::GroupImpedanceWork(int max_piles_)
    : max_piles(max_piles_),
      records(static_cast<std::size_t>(max_piles_)),
      vertical(max_piles_),
      along_x(2 * max_piles_),
      along_y(2 * max_piles_),
      inversion(static_cast<std::size_t>(4) * max_piles_),
      class_blocks(static_cast<std::size_t>(max_piles_) * (max_piles_ - 1) / 2),
      tiles(2 * max_piles_),
      team(max_piles_ >= kThreadedPiles ? std::make_unique<ThreadTeam>() : nullptr) {
  assert(max_piles_ >= 1 && max_piles_ <= GROUP_MAX_PILES);
}

GroupImpedanceStatus GROUP_IMPEDANCE(const Cmat6& K1, Cmat6& Kg, real omega, const GroupImpedanceContext& ctx) {
  const int n = ctx.n_piles;
  assert(n >= 1 && n <= ctx.work.max_piles);
  assert(ctx.head == 0 || ctx.head == 1);
  assert(ctx.pile_x.size() >= static_cast<std::size_t>(n) && ctx.pile_y.size() >= static_cast<std::size_t>(n));
  assert(!ctx.battered || (ctx.batter_angles.data && ctx.batter_angles.ld >= n));
  ctx.work.failed_system = GroupSystem::none;
  ctx.work.failed_pile = 0;

  bool inputs_finite = std::isfinite(omega) && std::isfinite(ctx.zc) &&
                       std::all_of(std::begin(K1.a), std::end(K1.a), [](const cplx& v) { return finite(v); });
  for (int p = 0; p < n; ++p)
    inputs_finite = inputs_finite && std::isfinite(ctx.pile_x[p]) && std::isfinite(ctx.pile_y[p]);
  if (!inputs_finite) return fail(ctx, Kg, GroupImpedanceStatus::non_finite, GroupSystem::none);

  GroupSums s{};
  if (ctx.interaction && n != 1 && ctx.Vl != 0.0f) {
    const GroupImpedanceStatus status = sum_with_interaction(K1, omega, ctx, s, Kg);
    if (status != GroupImpedanceStatus::ok) return status;
  } else {
    sum_without_interaction(K1, ctx, s);
  }
  form_group_matrix(s, ctx.zc, Kg);
  if (!std::all_of(std::begin(Kg.a), std::end(Kg.a), [](const cplx& v) { return finite(v); }))
    return fail(ctx, Kg, GroupImpedanceStatus::non_finite, GroupSystem::none);
  return GroupImpedanceStatus::ok;
}

}  // namespace zav
