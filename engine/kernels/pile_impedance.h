// Head impedance of one vertical pile, or of a multilayer soil column, in
// layered soil at one circular frequency, from the exact dynamic stiffness of
// its elements on the plane-strain side reactions of their layers, in single
// precision.
#pragma once

#include "common/array1.h"
#include "common/types.h"

namespace zav {

// Elements of a pile (one per soil layer) and unknowns of its systems.
inline constexpr int PILE_MAX_ELEMENTS = 30;
inline constexpr int PILE_MAX_UNKNOWNS = 2 * PILE_MAX_ELEMENTS;

// A per-element or per-layer table, indexed 1..n.
using PileTable = Array1<real, PILE_MAX_ELEMENTS>;

// What the single-pile routine reads, besides the radius and second-moment
// tables and the frequency that change from call to call. Element j spans
// soil layer j; the tables hold elements and layers 1..n from the head down.
struct PileImpedanceInput {
  // Medium code: 1 pile in layered soil, 0 pile in a parabolic medium, -1 a
  // multilayer column; only its sign is read (negative: a column whose
  // elements below the na adjacent layers are the soil itself).
  int column_switch = 1;
  int n = 0;   // number of elements, 1..30
  int na = 0;  // adjacent layers of a multilayer column (0 for a pile)

  // Pile (or column) constants.
  real gamma_p = 0.0f;  // unit weight
  real nu_p = 0.0f;     // Poisson's ratio
  real g = 0.0f;        // gravitational constant
  real kappa = 0.0f;    // coefficient of rigidity: shear flexibility kappa / (G A)
  real Ep = 0.0f;       // Young's modulus
  real P = 0.0f;        // static load on the body, an axial compression
  real Dp = 0.0f;       // material damping

  // Per element.
  PileTable h;  // length (the layer's depth column)
  PileTable A;  // cross-section area
  PileTable J;  // torsional constant, taken as the polar moment of the section

  // Per layer: the soil beside the element.
  PileTable Vs, gamma, nu, D;
  // Per layer: the weakened zone (shear-modulus ratio, Poisson's ratio,
  // damping and thickness as a length); weak_zone_switch 0 ignores it.
  int weak_zone_switch = 0;
  PileTable weak_ratio, weak_nu, weak_D, weak_t;
  // Per layer of a multilayer column below its adjacent layers: the column's
  // shear modulus and damping over the surrounding soil's (in/out).
  PileTable rho_G, rho_D;

  // Soil below the tip.
  real Vb = 0.0f, gamma_b = 0.0f, nu_b = 0.0f, Db = 0.0f;

  // Shear and compression frequencies of the stratum over the soil below
  // (both 0 for a floating tip): at or below them nothing radiates.
  real omega1 = 0.0f, omegac = 0.0f;
};

// The six head terms, each as a stiffness k = Re K and a damping constant
// c = Im K / omega.
enum PileTerm {
  PILE_VERTICAL = 1,    // axial force for a unit head displacement
  PILE_TORSION = 2,     // torque for a unit head twist
  PILE_HORIZONTAL = 3,  // shear for a unit head displacement, head rotation held
  PILE_ROCKING = 4,     // moment for a unit head rotation, head displacement held
  PILE_COUPLING = 5,    // moment for a unit head displacement, head rotation held
  PILE_PINNED = 6,      // shear for a unit head displacement, no head moment
};
struct PileHeadTerms {
  Array1<real, 6> k;
  Array1<real, 6> c;
};

// Head terms of the pile at circular frequency omega with element radii r
// and second moments I: the driver calls it with the elements' mean radii
// and moments about x, with radius x and moments about x, and with radius y
// and moments about y. The rotation is positive against the slope of the
// lateral displacement down the pile, so a unit head displacement with the
// rotation held gives a negative coupling. omega <= 0 is taken as the
// lowest frequency line of the analysis, 0.0001 rad/s.
void PILE_IMPEDANCE(const PileImpedanceInput& in, const PileTable& r, const PileTable& I, real omega,
                    PileHeadTerms& out);

// The exact dynamic stiffness of one element, for the tests and the routine.

// Bar on a distributed spring (axial or torsional): rigidity S* (E A (1 + i D)
// or G J (1 + i D)), load = omega^2 mass per length less the spring, length h.
// Gives the diagonal and the coupling coefficient of the 2 by 2 matrix.
void pile_bar_element(const cplx& rigidity, const cplx& load, real h, cplx& diagonal, cplx& coupling);

// Bending element in the order (u top, psi top, u bottom, psi bottom), psi
// the section's rotation (positive against du/dz, z down the pile): Timoshenko
// beam of rigidity EI* with shear flexibility t, axial compression P, on a
// lateral spring, q = omega^2 m - G Su, and with rotary inertia omega^2 m I/A
// (rotary) and a rotational spring G r^2 Sr (spring).
struct BendingElement {
  cplx K11, K12, K13, K14, K22, K24;  // K33 = K11, K34 = -K12, K23 = -K14, K44 = K22
};
void pile_bending_element(const cplx& EI, real t, real P, const cplx& q, real rotary, const cplx& spring, real h,
                          BendingElement& K);

}  // namespace zav
