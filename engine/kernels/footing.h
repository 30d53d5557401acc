// Closed-form impedances of rigid footings and the resonance frequencies of a
// layered soil, in single precision.
#pragma once

#include "common/types.h"

namespace zav {

// Dimensionless impedances of a rigid circular footing on the surface of a
// viscoelastic half-space with complex modulus G (1 + i D) at a0 = omega r0 / Vs:
// translation divided by G r, rocking and torsion by G r^3, r the radius of the
// mode (rocking 1 with rx, rocking 2 with ry, torsion with rt).
void FOOTING_IMPEDANCE_COEFFS(real a0, real nu, real D, real r0, real rx, real ry, real rt, cplx& horizontal,
                              cplx& vertical, cplx& rocking1, cplx& rocking2, cplx& torsion);

// Impedances of a rigid footing, on the surface or embedded to depth E, on a
// soil stratum of thickness H over a rigid base, at circular frequency omega,
// in the force and length units of the deck. shape is +1 for a circle and -1
// for a rectangle (the equivalent radii already carry the shape). Rh, Rv, Rx,
// Ry, Rt: equivalent radii for horizontal and vertical translation, rocking
// about the two horizontal axes and torsion. g: the gravitational constant
// that turns the unit weight gamma_s into a mass density.
void FOOTING_IMPEDANCE(real omega, real shape, real E, real H, real nu, real D, real gamma_s, real Vs, real Rh, real Rv,
                       real Rx, real Ry, real Rt, cplx& horizontal, cplx& vertical, cplx& coupling_x, cplx& coupling_y,
                       cplx& rocking_x, cplx& rocking_y, cplx& torsion, real g);

// One layer table of the soil data: the layer count as stored (a real value,
// rounded to the nearest integer) and per layer its thickness, shear-wave
// velocity and Poisson's ratio, layer 1 first.
struct LayerColumns {
  real count = 0.0f;
  const real* h = nullptr;
  const real* Vs = nullptr;
  const real* nu = nullptr;
};

// Fundamental shear frequency omega1 and compression frequency omegac (rad/s)
// of the soil profile and the side layers taken together as one stratum over
// the soil below, whose shear-wave velocity is Vs_below. A floating pile tip
// (tip_switch 0 or less), or a profile that is on average no softer than the
// soil below, gives no stratum resonance: both are 0.
void LAYER_FREQUENCIES(int tip_switch, const LayerColumns& profile, const LayerColumns& side, real Vs_below,
                       real& omega1, real& omegac);

}  // namespace zav
