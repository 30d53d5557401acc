// Footing impedance functions: a circular footing on a viscoelastic
// half-space, a footing on a stratum over a rigid base, and the resonance
// frequencies of a layered soil.
#include "kernels/footing.h"

#include <cassert>
#include <cmath>

#include "common/constants.h"

namespace zav {
namespace {

// The Veletsos-Verbic form shared by all modes of the half-space footing:
// k + i a c with k = 1 - b1 (b2 a)^2/(1 + (b2 a)^2) - b4 a q - b3 a^2 and
// c = b1 b2 (b2 a)^2/(1 + (b2 a)^2) + b4 p in the elastic case, extended to
// the viscoelastic soil through p + i q = sqrt(1 + i D) and s = sqrt(1 + D^2).
cplx veletsos_verbic(real a, real b1, real b2, real b1b2, real b3, real b4, real D, real s, real p, real q) {
  const real b = b2 * a;
  const real P = s + 2.0f * q * b + b * b;
  const real re = 1.0f - b1 * b * b * (s + q * b) / P - b4 * a * q - b3 * a * a;
  const real im = D + a * (b1b2 * p * b * b / P + b4 * p);
  return {re, im};
}

// Radiation damping coefficient of a stratum below its resonance,
// coef beta ratio / (1 - (1 - 2 beta) ratio^2), ratio = frequency over the
// resonance. An elastic stratum (beta = 0) radiates nothing below its
// resonance; the quotient would read 0/0 at the resonance itself.
real below_resonance_damping(real coef, real beta, real ratio) {
  const real numerator = coef * beta * ratio;
  if (numerator == 0.0f) return 0.0f;
  return numerator / (1.0f - (1.0f - 2.0f * beta) * ratio * ratio);
}

}  // namespace

void FOOTING_IMPEDANCE_COEFFS(real a0, real nu, real D, real r0, real rx, real ry, real rt, cplx& horizontal,
                              cplx& vertical, cplx& rocking1, cplx& rocking2, cplx& torsion) {
  // Coefficients fitted to the half-space solutions, one set below nu = 0.4
  // and one for nearly incompressible soil (Veletsos and Verbic 1973; torsion
  // Veletsos and Nair 1974).
  const bool compressible = nu - 0.4f < 0.0f;
  const real C1 = compressible ? 0.65f : 0.6f;   // horizontal damping
  const real C2 = compressible ? 0.5f : 0.4f;    // rocking, first
  const real C3 = 0.8f;                          // rocking, second
  const real C4 = compressible ? 0.0f : 0.027f;  // rocking, stiffness drop
  const real C5 = compressible ? 0.35f : 0.0f;   // vertical, first
  const real C6 = compressible ? 0.8f : 0.0f;    // vertical, second
  const real C7 = compressible ? 0.0f : 0.17f;   // vertical, stiffness drop
  const real C8 = compressible ? 0.75f : 0.85f;  // vertical, radiation
  // Torsion is the same for every Poisson's ratio.
  constexpr real b1 = 0.425f;
  constexpr real b2 = 0.687f;
  constexpr real b1b2 = 0.291975f;

  const real s = std::sqrt(1.0f + D * D);
  const real q = std::sqrt((s - 1.0f) / 2.0f);
  const real p = std::sqrt((s + 1.0f) / 2.0f);

  horizontal = 8.0f / (2.0f - nu) * veletsos_verbic(a0, 0.0f, 0.0f, 0.0f, 0.0f, C1, D, s, p, q);
  vertical = 4.0f / (1.0f - nu) * veletsos_verbic(a0, C5, C6, C5 * C6, C7, C8, D, s, p, q);
  const real rocking_static = 8.0f / (3.0f * (1.0f - nu));
  rocking1 = rocking_static * veletsos_verbic(a0 * rx / r0, C2, C3, C2 * C3, C4, 0.0f, D, s, p, q);
  rocking2 = rocking_static * veletsos_verbic(a0 * ry / r0, C2, C3, C2 * C3, C4, 0.0f, D, s, p, q);
  torsion = 16.0f / 3.0f * veletsos_verbic(a0 * rt / r0, b1, b2, b1b2, 0.0f, 0.0f, D, s, p, q);
}

void FOOTING_IMPEDANCE(real omega, real /*shape*/, real E, real H, real nu, real D, real gamma_s, real Vs, real Rh,
                       real Rv, real Rx, real Ry, real Rt, cplx& horizontal, cplx& vertical, cplx& coupling_x,
                       cplx& coupling_y, cplx& rocking_x, cplx& rocking_y, cplx& torsion, real g) {
  const real rho = gamma_s / g;
  const real G = rho * Vs * Vs;
  const real lambda = 2.0f * G * nu / (1.0f - 2.0f * nu);
  const real Vp = std::sqrt((lambda + 2.0f * G) / rho);

  // Frequency over the shear and the compression resonance of the stratum.
  const real f = omega * 0.5f / pi_six_figures;
  const real R = f / (Vs / (4.0f * H));
  const real Q = f / (Vp / (4.0f * H));

  const real ah = omega * Rh / Vs;
  const real ax = omega * Rx / Vs;
  const real ay = omega * Ry / Vs;
  const real at = omega * Rt / Vs;
  const real beta = D / 2.0f;

  // Static stiffnesses with the stratum-depth and embedment factors.
  const real Kh =
      8.0f * G * Rh / (2.0f - nu) * (1.0f + 0.5f * Rh / H) * (1.0f + 2.0f * E / (3.0f * Rh)) * (1.0f + 1.25f * E / H);
  const real Kv = 4.0f * G * Rv / (1.0f - nu) * (1.0f + 1.28f * Rv / H) * (1.0f + 0.47f * E / Rv) *
                  (1.0f + (E / H) * (0.85f - 0.28f * E / Rv) / (1.0f - E / H));
  auto Kr = [&](real r) {
    return 8.0f * G * r * r * r / (3.0f * (1.0f - nu)) * (1.0f + r / (6.0f * H)) * (1.0f + 2.0f * E / r) *
           (1.0f + 0.7f * E / H);
  };
  const real Kt = 16.0f * G * Rt * Rt * Rt / 3.0f * (1.0f + 2.67f * E / Rt);
  auto Khr = [&](real r) { return Kh * (0.4f * E - 0.03f * r); };

  // Damping coefficients: below the stratum's shear (R) or compression (Q)
  // resonance only what the material damping lets through, above it radiation.
  real ch, ct;
  if (R <= 1.0f) {
    ch = below_resonance_damping(0.65f, beta, R);
    ct = 0.2307692f * ch;
  } else {
    ch = 0.6f;
    ct = 0.3f * at * at / (at * at + 2.0f);
  }
  real cv, cx, cy;
  if (Q <= 1.0f) {
    const real c0 = below_resonance_damping(0.5f, beta, Q);
    cv = 1.34f * c0;
    cx = c0;
    cy = c0;
  } else {
    cv = 0.85f;
    cx = 0.3f * ax * ax / (ax * ax + 1.0f);
    cy = 0.3f * ay * ay / (ay * ay + 1.0f);
  }

  // Frequency-dependent stiffness coefficients of rocking and torsion.
  auto k_rocking = [&](real a) { return (a < 2.5f || nu >= 0.45f) ? 1.0f - 0.2f * a : 0.5f; };
  const real kx = k_rocking(ax);
  const real ky = k_rocking(ay);
  const real kt = at < 3.0f ? 1.0f - 0.133f * at : 0.6f;

  const cplx material(1.0f, D);
  const cplx translation(1.0f, ah * ch);
  horizontal = Kh * translation * material;
  vertical = Kv * cplx(1.0f, ah * cv) * material;  // with ah, the horizontal radius
  coupling_x = Khr(Rx) * translation * material;
  coupling_y = -Khr(Ry) * translation * material;
  rocking_x = Kr(Rx) * cplx(kx, ax * cx) * material;
  rocking_y = Kr(Ry) * cplx(ky, ay * cy) * material;
  torsion = Kt * cplx(kt, at * ct) * material;
}

void LAYER_FREQUENCIES(int tip_switch, const LayerColumns& profile, const LayerColumns& side, real Vs_below,
                       real& omega1, real& omegac) {
  omega1 = 0.0f;
  omegac = 0.0f;
  if (tip_switch <= 0) return;  // a floating tip sees no stratum resonance

  real Htot = 0.0f;
  real hVs = 0.0f;
  real hnu = 0.0f;
  for (const LayerColumns* table : {&profile, &side}) {
    const long n = std::lround(table->count);
    assert(n <= 0 || (table->h && table->Vs && table->nu));
    for (long j = 0; j < n; ++j) {
      Htot = Htot + table->h[j];
      hVs = hVs + table->h[j] * table->Vs[j];
      hnu = hnu + table->h[j] * table->nu[j];
    }
  }
  if (!(Htot > 0.0f)) return;  // no layers above the soil below
  const real V = hVs / Htot;
  const real nu_mean = hnu / Htot;
  if (!(V < Vs_below)) return;

  // Quarter-wave resonance of the stratum on the stiffer soil below.
  omega1 = pi * V / (2.0f * Htot);
  const real nu_c = nu_mean >= 0.5f ? 0.499f : nu_mean;
  omegac = omega1 * std::sqrt(2.0f * (1.0f - nu_c) / (1.0f - 2.0f * nu_c));
}

}  // namespace zav
