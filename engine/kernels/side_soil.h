// Plane-strain soil reactions of a rigid, massless circular cylinder vibrating
// in an infinite viscoelastic medium, with an optional cylindrical weakened
// zone around it, in single precision.
#pragma once

#include "common/types.h"

namespace zav {

// Complex soil reactions per unit length of the cylinder, per unit shear
// modulus G of the outer soil (complex modulus G (1 + i D)):
//   horizontal, vertical: force per unit displacement, divided by G;
//   rocking_x, rocking_y, torsion: moment per unit rotation, divided by G r^2,
//   r the radius of that mode (rx, ry, rt).
// a0 = omega r0 / Vs of the outer soil; nu, D its Poisson's ratio and material
// damping. The weakened zone lies between r0 and r0 + t (t = 0: none); m is
// its shear-modulus ratio at the cylinder, Dw its material damping; nu_w, the
// zone's Poisson's ratio, is not used: the zone takes the outer soil's. A zone
// with m above 0.999 is no zone, as the soil readers have it; one with m <= 0
// transmits nothing.
//
// The two switches remove the radiation part of the damping at low frequency,
// when the soil is a stratum below its resonance: first_switch > 0 (omega at
// or below the stratum's shear frequency) for the horizontal reaction,
// second_switch >= 1 (at or below its compression frequency) for the vertical
// one. A negative first_switch counts as 0 and is set to 0; a set first_switch
// is used once and holds -1 on return, so a caller that keeps the variable
// sets it again before the next call.
void SIDE_SOIL_REACTION(real a0, real nu, real D, real m, real nu_w, real Dw, real t, real r0,
                        real rx, real ry, real rt, cplx& horizontal, cplx& vertical,
                        cplx& rocking_x, cplx& rocking_y, cplx& torsion, int& first_switch,
                        int second_switch);

}  // namespace zav
