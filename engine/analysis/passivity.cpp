// The passivity check of a line's constants. A foundation in soil takes
// energy from every motion and gives none back: the imaginary part of its
// impedance, at any point of reference, is positive semi-definite, so no
// diagonal damping constant can be negative. And near zero frequency the
// impedance is the static stiffness of a stable body, positive definite, so
// there no diagonal stiffness can be negative either. Past that a dynamic
// stiffness below zero is no proof of anything: the soil's own inertia, a
// stratum's or a group's resonance make them.
#include <algorithm>
#include <cmath>

#include "analysis/driver.h"

namespace zav::analysis {
namespace {

// A line counts as near zero frequency while a0 = omega L / Vs, L the
// foundation's half-extent in plan and Vs the slowest soil that bears it, is
// at most 0.25: the shear wave is then at least 25 half-extents long and the
// whole foundation moves with the soil around it as under a static load. The
// impedance functions of every foundation the engine models stay within a
// few per cent of their static values there (the largest drop, that of the
// vertical impedance of a footing on nearly incompressible soil, 1 - 0.17
// a0^2, is 1 %); a pile's own inertia against the soil's stiffness is of the
// order of a0^2 too. A stratum's or a group's resonance lies far beyond
// (a group's near a0 = pi L / s, s the spacing). A negative stiffness there
// comes only from a method taken beyond its range or from input out of
// scale, such as a pile's inertia that no cross-section has.
constexpr real near_static_a0 = 0.25f;

// Piles or a column that stand free along a layer without soil (in water, in
// air) bend over their free length with resonances of their own, which the
// soil's a0 does not bound: past them a dynamic stiffness below zero at a low
// frequency is true, and the stiffness of such a foundation is not checked.
bool stands_free(const EngineState& s) {
  const FoundationType type = foundation_type(s);
  if (type != FoundationType::PILE && type != FoundationType::MULT) return false;
  for (int j = 1; j <= s.soil.LAYER_COUNT; ++j) {
    if (!(s.soil.LAYERS(j).Vs > 0.0f)) return true;
  }
  return false;
}

// Half the extent of a plan: the radius of a circle, half the diagonal of a
// rectangle.
real plan_half_extent(const EngineState& s) {
  const Foundation& f = s.foundation;
  return s.input.circular() ? f.radius : 0.5f * std::hypot(f.side_a, f.side_b);
}

// The piles' half-extent: half the diagonal of the box around their axes,
// and the largest radius of an element.
real piles_half_extent(const EngineState& s) {
  const Foundation& f = s.foundation;
  real radius = 0.0f;
  for (int j = 1; j <= f.ELEMENT_COUNT; ++j) {
    radius = std::max({radius, f.ELEMENTS(j).radius_x, f.ELEMENTS(j).radius_y});
  }
  if (foundation_type(s) != FoundationType::PILE || f.PILE_COUNT < 1) return radius;
  real x0 = f.PILES(1).x, x1 = x0, y0 = f.PILES(1).y, y1 = y0;
  for (int p = 2; p <= f.PILE_COUNT; ++p) {
    x0 = std::min(x0, f.PILES(p).x);
    x1 = std::max(x1, f.PILES(p).x);
    y0 = std::min(y0, f.PILES(p).y);
    y1 = std::max(y1, f.PILES(p).y);
  }
  return 0.5f * std::hypot(x1 - x0, y1 - y0) + radius;
}

// The slowest shear-wave velocity of the soils that bear the foundation: the
// half-space or the stratum, the soil along the piles or the column (a layer
// without soil aside) and below them, the side layers of an embedded footing
// or cap.
real slowest_soil(const EngineState& s) {
  const Soil& soil = s.soil;
  const FoundationType type = foundation_type(s);
  if (type == FoundationType::STRA) return soil.STRATUM.Vs;
  real Vs = soil.BELOW.Vs;
  if (type == FoundationType::PILE || type == FoundationType::MULT) {
    for (int j = 1; j <= soil.LAYER_COUNT; ++j) {
      if (soil.LAYERS(j).Vs > 0.0f) Vs = std::min(Vs, soil.LAYERS(j).Vs);
    }
  }
  for (int j = 1; j <= s.analysis->SIDE_COUNT; ++j) Vs = std::min(Vs, soil.SIDE_LAYERS(j).Vs);
  return Vs;
}

}  // namespace

void prepare_passivity_check(EngineState& s) {
  AnalysisWork& w = *s.analysis;
  const FoundationType type = foundation_type(s);
  const bool piles = type == FoundationType::PILE || type == FoundationType::MULT;
  w.HALF_EXTENT = std::max(plan_half_extent(s), piles ? piles_half_extent(s) : 0.0f);
  w.SLOWEST_VS = slowest_soil(s);
  w.STIFFNESS_CHECKED = !stands_free(s);
}

Passivity passivity_of(const EngineState& s, real omega, const Array1<real, 8>& K, const Array1<real, 8>& C) {
  const AnalysisWork& w = *s.analysis;
  Passivity p;
  p.a0 = omega * w.HALF_EXTENT / w.SLOWEST_VS;
  const bool near_static = w.STIFFNESS_CHECKED && p.a0 <= near_static_a0;
  for (int k = 1; k <= 6; ++k) {
    p.K[k - 1] = K(k);
    p.C[k - 1] = C(k);
    p.stiffness[k - 1] = near_static && K(k) < 0.0f;
    p.damping[k - 1] = C(k) < 0.0f;
  }
  return p;
}

}  // namespace zav::analysis
