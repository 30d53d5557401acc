// Piles and multilayer columns: the single-pile input set up once per run,
// the head impedance of one pile from its three calls at every line, and the
// group of piles under the cap.
#include <memory>
#include <string>

#include "analysis/driver.h"
#include "input/input.h"
#include "kernels/footing.h"
#include "kernels/pile_impedance.h"
#include "kernels/transforms.h"

namespace zav::analysis {
namespace {

bool parabolic(const EngineState& s) { return s.switches.SOIL_MEDIUM == SoilMedium::PARABOLIC; }

// The number of elements, and the length of element j: its layer's depth, or
// for a parabolic medium the single element's length, the pile's.
int element_count(const EngineState& s) { return parabolic(s) ? 1 : s.foundation.ELEMENT_COUNT; }
real element_length(const EngineState& s, int j) {
  return parabolic(s) ? s.foundation.total_length : s.foundation.ELEMENTS(j).depth;
}

// The stratum frequencies of the soil along the piles and beside the cap
// over the soil below.
void stratum_frequencies(EngineState& s) {
  AnalysisWork& w = *s.analysis;
  PileTable h, Vs, nu, side_h, side_Vs, side_nu;
  const int layers = s.soil.LAYER_COUNT;
  for (int j = 1; j <= layers; ++j) {
    h(j) = element_length(s, j);
    Vs(j) = s.soil.LAYERS(j).Vs;
    nu(j) = s.soil.LAYERS(j).nu;
  }
  for (int j = 1; j <= w.SIDE_COUNT; ++j) {
    side_h(j) = s.soil.SIDE_LAYERS(j).thickness;
    side_Vs(j) = s.soil.SIDE_LAYERS(j).Vs;
    side_nu(j) = s.soil.SIDE_LAYERS(j).nu;
  }
  const LayerColumns profile{static_cast<real>(layers), &h(1), &Vs(1), &nu(1)};
  const LayerColumns side{static_cast<real>(w.SIDE_COUNT), &side_h(1), &side_Vs(1), &side_nu(1)};
  LAYER_FREQUENCIES(s.switches.PILE_TIP, profile, side, s.soil.BELOW.Vs, w.omega1, w.omegac);
}

// The context of the group solve: the piles, their head, their positions and
// the soil at the tips.
void prepare_group(EngineState& s) {
  AnalysisWork& w = *s.analysis;
  const Foundation& f = s.foundation;
  const int n = w.PILE_COUNT;
  for (int p = 1; p <= n; ++p) {
    w.PILE_X[static_cast<std::size_t>(p - 1)] = f.PILES(p).x;
    w.PILE_Y[static_cast<std::size_t>(p - 1)] = f.PILES(p).y;
  }
  w.PAIRS = std::make_unique<GroupInteraction>();
  w.GROUP_WORK = std::make_unique<GroupImpedanceWork>(n);
  w.GROUP = std::make_unique<GroupImpedanceContext>(*w.PAIRS, *w.GROUP_WORK);
  GroupImpedanceContext& ctx = *w.GROUP;
  ctx.n_piles = n;
  ctx.head = NEAREST_INT(f.HEAD_VALUE) == 0 ? 0 : 1;
  ctx.interaction = false;
  ctx.battered = s.switches.BATTER == 1;
  ctx.pile_x = std::span<const real>(w.PILE_X.data(), static_cast<std::size_t>(n));
  ctx.pile_y = std::span<const real>(w.PILE_Y.data(), static_cast<std::size_t>(n));
  ctx.batter_angles = f.BATTER_ANGLES.view();
  ctx.zc = f.hc;
  ctx.radius_x = f.ELEMENTS(1).radius_x;
  ctx.radius_y = f.ELEMENTS(1).radius_y;
  ctx.Vl = s.soil.LAYERS(s.soil.LAYER_COUNT).Vs;
}

// The pair tables of a group with interaction, once per run. Piles closer
// than a diameter, or a first element without a radius, leave no sound
// interaction factors: the input is refused, naming the pair.
bool prepare_interaction(EngineState& s) {
  AnalysisWork& w = *s.analysis;
  const Foundation& f = s.foundation;
  const SoilLayer& below = s.soil.BELOW;
  const PileImpedanceInput& pile = w.PILE;
  const int n = w.PILE_COUNT;
  const auto elements = static_cast<std::size_t>(pile.n);
  const auto layers = static_cast<std::size_t>(s.soil.LAYER_COUNT);
  GroupInteractionInput in;
  in.n_piles = n;
  in.pile_x = w.GROUP->pile_x;
  in.pile_y = w.GROUP->pile_y;
  in.battered = s.switches.BATTER == 1;
  for (int k = 1; k <= 9; ++k) in.direction_angle[static_cast<std::size_t>(k - 1)] = f.BATTER_ANGLES.angle(k, n);
  in.element_mean_radius = std::span<const real>(&w.MEAN_RADIUS(1), elements);
  in.element_area = std::span<const real>(&pile.A(1), elements);
  in.element_inertia_x = std::span<const real>(&w.INERTIA_X(1), elements);
  in.element_inertia_y = std::span<const real>(&w.INERTIA_Y(1), elements);
  in.pile_length = f.total_length;
  in.pile_modulus = f.youngs_modulus;
  in.layer_thickness = std::span<const real>(&pile.h(1), layers);
  in.layer_velocity = std::span<const real>(&pile.Vs(1), layers);
  in.layer_poisson = std::span<const real>(&pile.nu(1), layers);
  in.layer_unit_weight = std::span<const real>(&pile.gamma(1), layers);
  in.below_velocity = below.Vs;
  in.below_unit_weight = below.unit_weight;
  in.below_poisson = below.nu;
  in.tip_velocity = w.GROUP->Vl;
  in.gravity = s.report.GRAVITY;
  const GroupSetupStatus status = GROUP_INTERACTION_SETUP(in, *w.PAIRS);
  if (status == GroupSetupStatus::no_diameter) {
    write_no_pile_radius_message(s);
    return false;
  }
  if (status == GroupSetupStatus::overlapping_piles) {
    const GroupInteraction& pairs = *w.PAIRS;
    const real d = pairs.ratios.d;
    const real spacing = pairs.spacing_axial(pairs.pair_i, pairs.pair_j) * d;
    write_close_piles_message(s, NEAREST_INT(f.PILES(pairs.pair_j).number), NEAREST_INT(f.PILES(pairs.pair_i).number),
                              spacing, d);
    return false;
  }
  // A profile without shear-wave velocity at the tips carries no waves from
  // pile to pile: the group works without interaction.
  w.GROUP->interaction = w.GROUP->Vl != 0.0f;
  if (w.GROUP->interaction) {
    GROUP_PAIR_CLASSES(*w.PAIRS, n, w.GROUP_WORK->classes);
    w.GROUP->classes = &w.GROUP_WORK->classes;
  }
  return true;
}

// Why a line's group impedance could not be formed.
std::string group_failure(GroupImpedanceStatus status, const GroupImpedanceWork& work) {
  switch (status) {
    case GroupImpedanceStatus::ok: break;
    case GroupImpedanceStatus::non_finite: return "*** THE IMPEDANCE OF THE PILE GROUP IS NOT A FINITE NUMBER ***";
    case GroupImpedanceStatus::singular_pile:
      if (work.failed_pile == 0) return "*** THE HEAD IMPEDANCE OF THE PILE HAS NO INVERSE ***";
      return "*** THE HEAD IMPEDANCE OF BATTERED PILE " + std::to_string(work.failed_pile) + " HAS NO INVERSE ***";
    case GroupImpedanceStatus::singular_group: {
      const char* system = work.failed_system == GroupSystem::vertical       ? "VERTICAL"
                           : work.failed_system == GroupSystem::horizontal_x ? "HORIZONTAL X"
                                                                             : "HORIZONTAL Y";
      return std::string("*** THE ") + system + " FLEXIBILITY OF THE PILE GROUP IS SINGULAR ***";
    }
  }
  return "*** THE IMPEDANCE OF THE PILE GROUP COULD NOT BE FORMED ***";
}

}  // namespace

bool prepare_piles(EngineState& s) {
  AnalysisWork& w = *s.analysis;
  const Foundation& f = s.foundation;
  const Soil& soil = s.soil;
  const FoundationType type = foundation_type(s);
  stratum_frequencies(s);
  const int n = element_count(s);
  for (int j = 1; j <= n; ++j) {
    const Element& e = f.ELEMENTS(j);
    w.MEAN_RADIUS(j) = (e.radius_x + e.radius_y) * 0.5f;
    w.RADIUS_X(j) = e.radius_x;
    w.RADIUS_Y(j) = e.radius_y;
    w.INERTIA_X(j) = e.inertia_x;
    w.INERTIA_Y(j) = e.inertia_y;
  }
  w.PILE_COUNT = type == FoundationType::MULT ? 1 : f.PILE_COUNT;

  PileImpedanceInput& in = w.PILE;
  in.column_switch = type == FoundationType::MULT ? -1 : parabolic(s) ? 0 : 1;
  in.n = n;
  in.na = type == FoundationType::MULT ? soil.ADJACENT_COUNT : 0;
  in.gamma_p = f.unit_weight;
  in.nu_p = f.poisson;
  in.g = s.report.GRAVITY;
  in.kappa = f.rigidity;
  in.Ep = f.youngs_modulus;
  in.P = f.static_load;
  in.Dp = f.damping;
  in.weak_zone_switch = s.switches.WEAK_ZONE;
  for (int j = 1; j <= n; ++j) {
    const Element& e = f.ELEMENTS(j);
    const SoilLayer& l = soil.LAYERS(j);
    in.h(j) = element_length(s, j);
    in.A(j) = e.area;
    in.J(j) = e.torsion;
    in.Vs(j) = l.Vs;
    in.gamma(j) = l.unit_weight;
    in.nu(j) = l.nu;
    in.D(j) = l.damping;
    in.weak_ratio(j) = l.weak_ratio;
    in.weak_nu(j) = l.weak_nu;
    in.weak_D(j) = l.weak_damping;
    // The weakened zone around the element as a thickness: the deck gives it
    // as a ratio to the element's mean radius.
    in.weak_t(j) = l.weak_thickness * w.MEAN_RADIUS(j);
    in.rho_G(j) = l.G_ratio;
    in.rho_D(j) = l.D_ratio;
  }
  const SoilLayer& below = soil.BELOW;
  in.Vb = below.Vs;
  in.gamma_b = below.unit_weight;
  in.nu_b = below.nu;
  in.Db = below.damping;
  in.omega1 = w.omega1;
  in.omegac = w.omegac;

  if (type != FoundationType::PILE) return true;
  prepare_group(s);
  if (s.switches.INTERACTION == 1 && w.PILE_COUNT != 1) return prepare_interaction(s);
  return true;
}

bool pile_impedance(EngineState& s, real omega) {
  AnalysisWork& w = *s.analysis;
  PILE_IMPEDANCE(w.PILE, w.MEAN_RADIUS, w.INERTIA_X, omega, w.HEAD_TERMS(1));
  PILE_IMPEDANCE(w.PILE, w.RADIUS_X, w.INERTIA_X, omega, w.HEAD_TERMS(2));
  PILE_IMPEDANCE(w.PILE, w.RADIUS_Y, w.INERTIA_Y, omega, w.HEAD_TERMS(3));
  auto term = [omega](const PileHeadTerms& t, int k) { return cplx(t.k(k), omega * t.c(k)); };
  const PileHeadTerms &mean = w.HEAD_TERMS(1), &x = w.HEAD_TERMS(2), &y = w.HEAD_TERMS(3);
  Cmat6& K = w.K;
  K(3, 3) = term(mean, PILE_VERTICAL);
  K(6, 6) = term(mean, PILE_TORSION);
  // A pinned head without interaction takes the shear of a head free to
  // rotate and transmits no moment; with interaction the group works from
  // the full head matrix.
  const bool interaction = foundation_type(s) == FoundationType::PILE && w.GROUP->interaction;
  const bool pinned = NEAREST_INT(s.foundation.HEAD_VALUE) == 0 && !interaction;
  if (pinned) {
    K(1, 1) = term(x, PILE_PINNED);
    K(2, 2) = term(y, PILE_PINNED);
  } else {
    K(1, 1) = term(x, PILE_HORIZONTAL);
    K(5, 5) = term(x, PILE_ROCKING);
    K(1, 5) = K(5, 1) = term(x, PILE_COUPLING);
    K(2, 2) = term(y, PILE_HORIZONTAL);
    K(4, 4) = term(y, PILE_ROCKING);
    K(2, 4) = K(4, 2) = -term(y, PILE_COUPLING);
  }
  if (foundation_type(s) == FoundationType::MULT) {
    COMPLEX_TRANSFORM_6(K, Mat<const real>{w.T.a, 6}, w.B, 6);
    return true;
  }
  const GroupImpedanceStatus status = GROUP_IMPEDANCE(K, w.B, omega, *w.GROUP);
  if (status == GroupImpedanceStatus::ok) return true;
  write_line_failure(s, omega, group_failure(status, *w.GROUP_WORK));
  return false;
}

}  // namespace zav::analysis
