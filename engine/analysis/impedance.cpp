// The impedance of the foundation at one frequency line: the footing or the
// piles at the base, moved to the centre of gravity, and the soil beside an
// embedded footing or pile cap.
#include <algorithm>
#include <cmath>

#include "analysis/driver.h"
#include "kernels/footing.h"
#include "kernels/side_soil.h"
#include "kernels/transforms.h"

namespace zav::analysis {
namespace {

Mat<const real> view(const Real6& T) { return {T.a, 6}; }

bool finite(const Cmat6& B) {
  return std::all_of(std::begin(B.a), std::end(B.a),
                     [](const cplx& v) { return std::isfinite(v.real()) && std::isfinite(v.imag()); });
}

// A circular footing on the half-space, with its equivalent radii.
void half_space_base(EngineState& s, real omega) {
  const Foundation& f = s.foundation;
  const SoilLayer& soil = s.soil.BELOW;
  Cmat6& K = s.analysis->K;
  // A footing without a radius touches no soil (and its dimensionless
  // frequencies of rocking and torsion would be 0/0).
  if (!(f.R0 > 0.0f)) return;
  const real G = soil.Vs * soil.Vs * soil.unit_weight / s.report.GRAVITY;
  const real a0 = f.R0 * omega / soil.Vs;
  cplx horizontal, vertical, rocking1, rocking2, torsion;
  FOOTING_IMPEDANCE_COEFFS(a0, soil.nu, soil.damping, f.R0, f.R1, f.R2, f.R3, horizontal, vertical, rocking1, rocking2,
                           torsion);
  K(2, 2) = f.R0 * G * horizontal;
  K(3, 3) = f.R0 * G * vertical;
  K(4, 4) = f.R1 * f.R1 * f.R1 * G * rocking1;
  K(5, 5) = f.R2 * f.R2 * f.R2 * G * rocking2;
  K(6, 6) = f.R3 * f.R3 * f.R3 * G * torsion;
  K(1, 1) = K(2, 2);
}

// A footing on a stratum over a rigid base.
void stratum_base(EngineState& s, real omega) {
  const Foundation& f = s.foundation;
  const SoilLayer& st = s.soil.STRATUM;
  const auto& R = f.STRATUM_RADII;
  Cmat6& K = s.analysis->K;
  const real shape = s.input.circular() ? 1.0f : -1.0f;
  cplx horizontal, vertical, coupling_x, coupling_y, rocking_x, rocking_y, torsion;
  FOOTING_IMPEDANCE(omega, shape, f.E, f.H, st.nu, st.damping, st.unit_weight, st.Vs, R(1), R(2), R(3), R(4), R(5),
                    horizontal, vertical, coupling_x, coupling_y, rocking_x, rocking_y, torsion, s.report.GRAVITY);
  K(2, 2) = horizontal;
  K(3, 3) = vertical;
  K(2, 4) = K(4, 2) = coupling_x;
  K(1, 5) = K(5, 1) = coupling_y;
  K(4, 4) = rocking_x;
  K(5, 5) = rocking_y;
  K(6, 6) = torsion;
  K(1, 1) = K(2, 2);
}

// The side layers of an embedded footing or pile cap, layer by layer from the
// top, added to B. Each layer reacts as a rigid cylinder of the footing's
// radii in plane strain; its horizontal spring is spread over the layer's
// depth for the rocking terms. below_shear and below_compression: omega at
// or below the stratum's shear and compression frequencies, where only the
// material damping acts.
void side_layers(EngineState& s, real omega, bool below_shear, bool below_compression) {
  const Foundation& f = s.foundation;
  AnalysisWork& w = *s.analysis;
  const real g = s.report.GRAVITY;
  real zt = 0.0f;
  for (int j = 1; j <= w.SIDE_COUNT; ++j) {
    const SoilLayer& l = s.soil.SIDE_LAYERS(j);
    const real h = l.thickness;
    const real G = l.Vs * l.Vs * l.unit_weight / g;
    const real a0 = l.Vs == 0.0f ? 0.0f : f.R0 * omega / l.Vs;
    cplx horizontal, vertical, rocking_x, rocking_y, torsion;
    SIDE_SOIL_REACTION(a0, l.nu, l.damping, l.weak_ratio, l.weak_nu, l.weak_damping, w.SIDE_WEAK_THICKNESS(j), f.R0,
                       f.R1, f.R2, f.R3, horizontal, vertical, rocking_x, rocking_y, torsion, below_shear,
                       below_compression);
    Cmat6 Kj;
    Kj(1, 1) = Kj(2, 2) = G * h * horizontal;
    Kj(3, 3) = G * h * vertical;
    Kj(4, 4) = f.R1 * f.R1 * G * h * rocking_x;
    Kj(5, 5) = f.R2 * f.R2 * G * h * rocking_y;
    Kj(6, 6) = f.R3 * f.R3 * G * h * torsion;
    const real zm = zt + h / 2.0f;
    Real6 Tj = w.T;
    Tj(1, 5) = zm - f.hc;
    Tj(2, 4) = f.hc - zm;
    COMPLEX_TRANSFORM_6(Kj, view(Tj), w.A, 6);
    // Rocking: the horizontal spring over the layer's depth, not lumped at
    // its middle.
    const real d = f.hc - zt;
    const real q = d * d + h * h / 3.0f - d * h;
    w.A(4, 4) = Kj(4, 4) + f.yc * f.yc * Kj(3, 3) + q * Kj(2, 2);
    w.A(5, 5) = Kj(5, 5) + f.xc * f.xc * Kj(3, 3) + q * Kj(1, 1);
    for (int k = 0; k < 36; ++k) w.B.a[k] = w.B.a[k] + w.A.a[k];
    zt = zt + h;
  }
}

}  // namespace

void transfer_matrix(const Foundation& f, Real6& T) {
  T = Real6{};
  for (int i = 1; i <= 6; ++i) T(i, i) = 1.0f;
  T(1, 5) = -f.hc;
  T(1, 6) = f.yc;
  T(2, 4) = f.hc;
  T(2, 6) = -f.xc;
  T(3, 4) = -f.yc;
  T(3, 5) = f.xc;
}

bool foundation_impedance(EngineState& s, int L, real omega, int pass) {
  AnalysisWork& w = *s.analysis;
  const FoundationType type = foundation_type(s);
  w.K = Cmat6{};
  w.A = Cmat6{};
  w.B = Cmat6{};
  transfer_matrix(s.foundation, w.T);
  // The second pass reaches only the lines whose group impedance the first
  // formed, and a group's impedance depends on nothing the passes change.
  const bool matrix = s.switches.MATRIX_PRINT_FLAG == 1;
  if (type == FoundationType::PILE && pass == 2) {
    w.B = w.GROUP_B(L);
  } else if (type == FoundationType::PILE || type == FoundationType::MULT) {
    if (!pile_impedance(s, omega)) return false;
    if (type == FoundationType::PILE && matrix) w.GROUP_B(L) = w.B;
  } else {
    if (type == FoundationType::HALF) half_space_base(s, omega);
    if (type == FoundationType::STRA) stratum_base(s, omega);
    COMPLEX_TRANSFORM_6(w.K, view(w.T), w.B, 6);
  }
  // The soil beside the cap keeps only its material damping below the
  // stratum's frequencies, as the soil along the piles does; beside a footing
  // on the half-space there is no stratum.
  if (pass == 1 && w.SIDE_COUNT > 0 && (type == FoundationType::HALF || type == FoundationType::PILE)) {
    const bool piles = type == FoundationType::PILE;
    side_layers(s, omega, piles && omega <= w.omega1, piles && omega <= w.omegac);
  }
  if (!finite(w.B)) {
    write_line_failure(s, omega, "*** THE IMPEDANCE OF THE FOUNDATION IS NOT A FINITE NUMBER ***");
    return false;
  }
  return true;
}

}  // namespace zav::analysis
