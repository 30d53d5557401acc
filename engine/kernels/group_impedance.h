// Impedance of a pile group under its rigid cap at one circular frequency,
// referred to the height of the centre of gravity: the piles' impedances
// summed over their positions, or, with pile-soil-pile interaction, the
// piles' flexibilities coupled by the interaction factors and the coupled
// group flexibility inverted in the vertical, x and y directions.
#pragma once

#include <array>
#include <memory>
#include <span>
#include <vector>

#include "common/types.h"
#include "kernels/group_factors.h"
#include "kernels/solvers.h"
#include "kernels/symmetric_factor.h"
#include "kernels/thread_team.h"

namespace zav {

// A := A^-1 in place by Gauss-Jordan elimination without pivoting, for the
// leading N by N block of A. WK is work of at least 2 N values. ok on
// success; singular when a pivot is not finite or negligible (N times the
// rounding unit) against the diagonal entry it grew from. A is then partly
// reduced and of no use.
[[nodiscard]] SolveStatus COMPLEX_GAUSS_JORDAN(Mat<cplx> A, int N, std::span<cplx> WK);

// How the coupled group systems are solved. The in-place inversion costs
// about n^3 complex multiply-adds per system; the group terms need only sums
// of the inverse weighted by 1, x and y, so one factorisation and a solve
// with those few weight vectors give them. The systems are complex
// symmetric, scaled to a unit diagonal. Pivoted: LAPACK's symmetric
// indefinite factorisation (Bunch-Kaufman pivoting, n^3/3), blocked, on one
// core. Tiled: C C^T (n^3/6) in tiles whose updates are matrix products
// shared out over the cores, the three systems at once, the weights carried
// through as rows below them. factor_and_solve takes the pivoted one for
// groups that one core solves in a few milliseconds, the tiled one from 200
// piles on. The in-place inversion stays as the reference the factorised
// paths are checked and measured against. Double precision: the unscaled
// systems in single precision as the in-place inversion has them, solved by
// LAPACK's LU with partial pivoting in double precision, the group terms
// summed in double: what a single-precision solve is measured against where
// a system is near singular (a group's resonance). It allocates its work
// when it solves and is no solve of a run.
enum class GroupSolver { factor_and_solve, pivoted, tiled, in_place_inversion, double_precision };

enum class GroupImpedanceStatus {
  ok,
  // An input (the pile head matrix, a coordinate, zc, omega, an interaction
  // factor) or a result is not a finite number.
  non_finite,
  // The pile head matrix, or the turned matrix of a battered pile, has no
  // inverse: the pile has no flexibility to couple.
  singular_pile,
  // A group flexibility matrix is singular to working precision, as with
  // coincident piles.
  singular_group,
};

// Which system failed, for the report.
enum class GroupSystem { none, pile_head, vertical, horizontal_x, horizontal_y };

// Storage of one coupled group system of up to `order` unknowns.
struct GroupSystemStorage {
  explicit GroupSystemStorage(int order);
  // The matrix, column by column, each column starting on a cache line with
  // room below for three rows: the tiled factorisation carries the weights
  // there.
  std::vector<cplx> matrix;
  // Three weight vectors, then their solutions.
  std::vector<cplx> weights;
  // The symmetric scaling that gives every diagonal entry unit modulus.
  std::vector<real> scale;
  // Pivots and work of the pivoted factorisation.
  std::vector<int> pivots;
  std::vector<cplx> factor_work;
  // The double-precision solve: the matrix, then the solutions of the
  // weights; empty until that solve is used.
  std::vector<std::complex<double>> in_double;
};

// The flexibility entries of a pair at one frequency: the vertical pile's
// own ones times the pair's interaction factors, in the vertical system (v)
// and the x and y systems (translation, coupling both ways, rotation).
struct PairBlocks {
  cplx v;
  cplx x11, x15, x51, x55;
  cplx y22, y24, y42, y44;
};

// Storage for GROUP_IMPEDANCE, allocated once for up to max_piles piles and
// reused at every frequency line.
struct GroupImpedanceWork {
  explicit GroupImpedanceWork(int max_piles = GROUP_MAX_PILES);

  int max_piles;
  // Each pile's own flexibility terms F11, F22, F33, F44, F55, F66, F15, F24.
  std::vector<std::array<cplx, 8>> records;
  // The vertical, x and y systems.
  GroupSystemStorage vertical, along_x, along_y;
  // Work of the in-place inversion.
  std::vector<cplx> inversion;
  // The run's classes of pairs, and their entries at the line's frequency.
  GroupPairClasses classes;
  std::vector<PairBlocks> class_blocks;
  // Tiles of the tiled factorisation, and the threads large groups are
  // filled and factored on (none below the size of the tiled one).
  SymmetricFactorWork tiles;
  std::unique_ptr<ThreadTeam> team;

  // After a failure: the system and, for singular_pile, the pile (0 for the
  // vertical pile's own matrix).
  GroupSystem failed_system = GroupSystem::none;
  int failed_pile = 0;
};

// What GROUP_IMPEDANCE reads from the run. The driver fills it once from its
// state; the tables and the work are the run's own.
struct GroupImpedanceContext {
  GroupImpedanceContext(const GroupInteraction& pairs_, GroupImpedanceWork& work_) : pairs(pairs_), work(work_) {}

  // Interaction tables of GROUP_INTERACTION_SETUP (read only when interaction
  // applies) and the work storage.
  const GroupInteraction& pairs;
  GroupImpedanceWork& work;
  // Number of piles (1..work.max_piles) and head condition (1 fixed, 0
  // pinned), both the nearest integers of the stored values.
  int n_piles = 0;
  int head = 1;
  // Classes of the pairs (GROUP_PAIR_CLASSES of the same tables), or none:
  // the factorised solve then forms every pair's factors on its own. The
  // in-place inversion always does, from the tables.
  const GroupPairClasses* classes = nullptr;
  // Interaction and batter switches.
  bool interaction = false;
  bool battered = false;
  // Pile-location table, pile p at index p - 1.
  std::span<const real> pile_x;
  std::span<const real> pile_y;
  // Direction angles in degrees, angles(p, m) for pile p and m = 1..9 with
  // leading dimension GROUP_MAX_PILES; angle 9 is the batter angle. Read
  // only when the batter switch is on.
  Mat<const real> batter_angles{nullptr, GROUP_MAX_PILES};
  // Height of the centre of gravity above the pile heads.
  real zc = 0.0f;
  // The two radii of pile element 1.
  real radius_x = 0.0f;
  real radius_y = 0.0f;
  // Shear-wave velocity of the last soil layer (for a parabolic medium the
  // velocity given for it); 0 switches the interaction off.
  real Vl = 0.0f;
  GroupSolver solver = GroupSolver::factor_and_solve;
};

// Kg := the group impedance at omega (rad/s) from the head impedance K1 of a
// single vertical pile. Kg is symmetric; its entries (1,2), (1,3), (1,4),
// (2,3), (2,5), (3,6) and their mirrors are zero. On any status other than
// ok, Kg is all zero and ctx.work says which system failed.
// With interaction the tables must come from a set-up that reported ok: for
// piles closer than a diameter the static system is singular and the dynamic
// factors (fits extended below two diameters) are meaningless.
// Large groups are filled and solved on the work's team; the matrix library
// is left on its caller's thread (MATRIX_LIBRARY_ON_CALLER).
GroupImpedanceStatus GROUP_IMPEDANCE(const Cmat6& K1, Cmat6& Kg, real omega, const GroupImpedanceContext& ctx);

}  // namespace zav
