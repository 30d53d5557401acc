// Pile-soil-pile interaction factors of a pile group: the extra displacement
// of one pile caused by a unit load on another, as a fraction of the loaded
// pile's own displacement. Static factors are fitted to the spacing ratio s/d,
// the slenderness L/d and the pile-soil stiffness ratios; dynamic factors
// scale and delay them with the dimensionless frequency a0 = omega d / V_L.
#pragma once

#include <array>
#include <span>
#include <vector>

#include "common/types.h"

namespace zav {

inline constexpr int GROUP_MAX_PILES = 500;

// Piecewise linear through (2, y2), (5, y5), (10, y10); the end segments are
// extended below 2 and above 10.
void INTERP3(real y2, real y5, real y10, real x, real& result);

// Static axial factor of two piles s/d apart, from fits to Poulos's charts of
// the interaction factors of floating and end-bearing piles at L/d = 10, 25,
// 50 and 100 with K = Ep A / (Es pi d^2/4), Eb/Es, the mean Poisson's ratio
// and the tip diameter ratio db/d. Coincident piles (s/d = 0) get 1.
void AXIAL_STATIC_FACTOR(real& alpha_v, real s_d, real L_d, real K, real Eb_Es, real nu_s, real db_d);

// Static lateral factors, after Poulos's fits for laterally loaded pile pairs
// (1 displacement under horizontal force, 2 coupling of displacement and
// rotation, 3 rotation under moment), of a pair at `angle`
// (radians) to the load direction, with the flexural stiffness ratio K_R and
// the free-length ratio r. Coincident piles get 1.
void LATERAL_STATIC_FACTORS(real s_d, real K_R, real angle, real r, real& alpha1, real& alpha2, real& alpha3);

// Dynamic axial factor at a0 from the static one.
void DYNAMIC_FACTOR_AXIAL(real a0, real s_d, real alpha_s, cplx& result);

// Dynamic lateral factors at a0 of a pair at angle theta (radians) to the load
// direction, from the static factors of a pair along the load direction
// (alpha01..03) and across it (alpha901..903).
void DYNAMIC_FACTOR_LATERAL(real a0, real s_d, real theta, real alpha01, real alpha02, real alpha03, real alpha901,
                            real alpha902, real alpha903, cplx& result1, cplx& result2, cplx& result3);

// What the set-up reads from the run: piles, elements, soil profile.
struct GroupInteractionInput {
  // Pile-location table, pile p at index p - 1; n_piles up to GROUP_MAX_PILES.
  int n_piles = 0;
  std::span<const real> pile_x;
  std::span<const real> pile_y;
  // Batter switch and the nine direction angles of each pile in degrees
  // (angle k of pile p at direction_angle[k - 1][p - 1]); only read when the
  // switch is on.
  bool battered = false;
  std::array<std::span<const real>, 9> direction_angle{};
  // Pile elements from the head down: mean radius (radius X + radius Y)/2,
  // cross-sectional area, moments of inertia X and Y.
  std::span<const real> element_mean_radius;
  std::span<const real> element_area;
  std::span<const real> element_inertia_x;
  std::span<const real> element_inertia_y;
  // Total pile length and the pile's Young's modulus.
  real pile_length = 0.0f;
  real pile_modulus = 0.0f;
  // Soil profile along the piles, one entry per layer from the top: thickness,
  // shear-wave velocity, Poisson's ratio, unit weight.
  std::span<const real> layer_thickness;
  std::span<const real> layer_velocity;
  std::span<const real> layer_poisson;
  std::span<const real> layer_unit_weight;
  // Soil below the pile tip.
  real below_velocity = 0.0f;
  real below_unit_weight = 0.0f;
  real below_poisson = 0.0f;
  // Shear-wave velocity kept for the tip level (the last layer's, or the one
  // given for a parabolic medium) and the gravitational constant (> 0).
  real tip_velocity = 0.0f;
  real gravity = 0.0f;
};

// A 500 x 500 REAL pair table, (row, column) by pile numbers from 1.
struct PairTable {
  std::vector<real> values = std::vector<real>(GROUP_MAX_PILES * GROUP_MAX_PILES, 0.0f);
  real& operator()(int i, int j) { return Mat<real>{values.data(), GROUP_MAX_PILES}(i, j); }
  real operator()(int i, int j) const { return Mat<const real>{values.data(), GROUP_MAX_PILES}(i, j); }
};

// Run-wide values the factors are fitted to.
struct GroupRatios {
  real d = 0.0f;      // pile diameter, twice the first element's mean radius
  real L_d = 0.0f;    // pile length over d
  real E_s = 0.0f;    // thickness-weighted mean Young's modulus of the layers
  real nu_s = 0.0f;   // thickness-weighted mean Poisson's ratio
  real E_b = 0.0f;    // Young's modulus below the tip
  real E_L = 0.0f;    // Young's modulus at the tip level
  real K = 0.0f;      // axial stiffness ratio Ep A / (Es pi d^2/4)
  real Eb_Es = 0.0f;  // E_b / E_s
  real K_R = 0.0f;    // flexural stiffness ratio Ep (Ix + Iy)/2 / (E_L pi d^4/64)
  real db_d = 0.0f;   // tip diameter ratio, last element over first
  real r = 0.0f;      // free length over d (first layer without soil)
};

enum class GroupSetupStatus {
  ok,
  // The first element has no radius: no spacing ratio can be formed and the
  // tables are left as they were.
  no_diameter,
  // Two piles closer than one diameter (their shafts intersect; s/d = 0 for
  // coincident piles): the tables are filled, with factors of 1 for coincident
  // piles, but the group's flexibility is singular or meaningless.
  overlapping_piles,
};

// The pair tables and run-wide values, allocated once and reused by every
// frequency. Only pairs i > j are written, each unordered pair once.
struct GroupInteraction {
  PairTable spacing_axial;           // s/d at (i, j), static axial factor at (j, i)
  PairTable angle;                   // atan(|dy|/|dx|) at (j, i), atan(|dx|/|dy|) at (i, j)
  std::array<PairTable, 3> lateral;  // factor k of a pair along the load at (j, i), across it at (i, j)
  std::vector<real> x = std::vector<real>(GROUP_MAX_PILES, 0.0f);  // coordinates the pairs are
  std::vector<real> y = std::vector<real>(GROUP_MAX_PILES, 0.0f);  // measured at, from pile 1
  GroupRatios ratios;
  GroupSetupStatus status = GroupSetupStatus::ok;
  int pair_i = 0;  // with overlapping_piles: the first such pair found, pair_j < pair_i
  int pair_j = 0;
};

// Once per run, before the frequency loop: pair geometry (battered piles
// measured a third of the way down), run-wide ratios and the static factors.
GroupSetupStatus GROUP_INTERACTION_SETUP(const GroupInteractionInput& in, GroupInteraction& out);

// The table entries a pair's factors are formed from at every frequency:
// s/d, the static axial factor, the two angles, and the three lateral
// factors along the load and across it.
struct PairKey {
  real s_d, alpha_v, beta, beta_y;
  std::array<real, 3> along, across;
};

// The entries of pair (p, q), p < q.
PairKey pair_key(const GroupInteraction& t, int p, int q);

// Pairs whose entries are equal, bit for bit, share their factors: a grid
// group has far fewer distinct offsets than pairs. The pairs are stored pile
// by pile, pair (p, q), q > p, at first(p, n) + q - p - 1 in pair_class.
struct GroupPairClasses {
  static std::size_t first(int p, int n) { return static_cast<std::size_t>(p - 1) * (2 * n - p) / 2; }
  int n_piles = 0;
  std::vector<int> pair_class;
  std::vector<PairKey> keys;
};

// Once per run after the set-up: the classes of the pairs of the first
// n_piles piles from the tables as they stand.
void GROUP_PAIR_CLASSES(const GroupInteraction& pairs, int n_piles, GroupPairClasses& out);

}  // namespace zav
