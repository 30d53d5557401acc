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
// when the soil is a stratum below its resonance: below_shear (omega at or
// below the stratum's shear frequency) for the horizontal reaction,
// below_compression (at or below its compression frequency) for the vertical
// one. They are inputs like the others: every call with the same arguments
// gives the same reactions.
void SIDE_SOIL_REACTION(real a0, real nu, real D, real m, real nu_w, real Dw, real t, real r0, real rx, real ry,
                        real rt, cplx& horizontal, cplx& vertical, cplx& rocking_x, cplx& rocking_y, cplx& torsion,
                        bool below_shear, bool below_compression);

}  // namespace zav
