// Side soil reaction of a rigid cylinder under plane strain: the closed forms
// of the homogeneous medium in modified Bessel functions, their low-frequency
// rules, and the weakened zone around the cylinder.
#include "kernels/side_soil.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "common/constants.h"
#include "kernels/bessel.h"
#include "kernels/solvers.h"

namespace zav {
namespace {

constexpr real kRingPi = 1.2f * pi;  // the ring stiffness factor

// Plane-strain reactions have no static limit (the displacement of an
// infinite medium grows like ln r). Below these frequencies the horizontal
// and the vertical reaction are taken from fixed low-frequency values.
constexpr real kHorizontalFloor = 0.3f;
constexpr real kVerticalFloor = 0.05f;
constexpr real kVerticalBlend = 0.1f;

// A zone stiffer than this is no weakened zone (the soil readers switch it
// off the same way).
constexpr real kNoZoneRatio = 0.999f;
// The ring of the horizontal zone is solved in compression and shear
// potentials, which need a finite compression wave speed: a soil at or above
// this ratio is taken at it, as the layer frequencies do.
constexpr real kRingPoissonLimit = 0.499f;
// The zone series converge geometrically, at worst like |1 - mu| ^ (n/2) for a
// zone much softer than the soil; they are summed until their terms no longer
// change a single-precision sum.
constexpr int kSeriesLimit = 1000;
constexpr real kSeriesTolerance = 1.5e-8f;

// The Bessel routines as values.
template <void (&F)(cplx&, const cplx&)>
cplx bessel(const cplx& z) {
  cplx r;
  F(r, z);
  return r;
}
constexpr auto K0 = bessel<BESSEL_K0>;
constexpr auto K1 = bessel<BESSEL_K1>;
constexpr auto I0 = bessel<BESSEL_I0>;
constexpr auto I1 = bessel<BESSEL_I1>;

real eta_of(real nu) { return std::sqrt(2.0f * (1.0f - nu) / (1.0f - 2.0f * nu)); }

// Horizontal reaction at the dimensionless frequency abar; x is the shear-wave
// argument i abar / s it was evaluated with.
cplx horizontal_reaction(real abar, const cplx& s, real nu, real eta, cplx& x) {
  x = cplx(0.0f, abar) / s;
  const cplx k0x = K0(x);
  const cplx k1x = K1(x);
  if (nu < 0.5f) {
    const cplx y = x / eta;
    const cplx k0y = K0(y);
    const cplx k1y = K1(y);
    const cplx numerator = 4.0f * k1y * k1x + x * k1y * k0x + y * k0y * k1x;
    const cplx denominator = y * k0y * k1x + x * k1y * k0x + x * y * k0y * k0x;
    return -pi * abar * abar * numerator / denominator;
  }
  // Incompressible soil: the compression wave has left the solution.
  return -pi * abar * abar * (4.0f * k1x + x * k0x) / (x * k0x);
}

// Vertical (antiplane) reaction at the dimensionless frequency b.
cplx vertical_reaction(real b, const cplx& s, real D) {
  const cplx x = cplx(0.0f, b) / s;
  return two_pi * cplx(1.0f, D) * x * K1(x) / K0(x);
}

// Antiplane reaction to rotation, 1 + x K0(x)/K1(x) with x = i a / s. Where
// x is 0 in single precision (a mode radius or a frequency too small for it)
// it is its static limit 1, since x K0(x)/K1(x) falls like x^2 ln x.
cplx rotation_term(real a, const cplx& s) {
  const cplx x = cplx(0.0f, a) / s;
  if (x == cplx(0.0f)) return 1.0f;
  return 1.0f + x * K0(x) / K1(x);
}

// Stiffness term Y of the weakened zone as a homogeneous ring of complex
// modulus ratio mu, clamped at its outer radius and moved rigidly by the
// cylinder, from the compression and shear potentials in I1, K1. y is the
// outer soil's compression-wave argument at the outer radius, rho_c the
// cylinder's radius over the outer radius, lame = lambda / G. false when the
// ring system is singular (at a resonance of the clamped ring, whose
// stiffness is then unbounded).
bool ring_term(const cplx& y, const cplx& mu, real rho_c, real eta, real lame, cplx& Y) {
  const cplx po = y / std::sqrt(mu);
  const cplx so = eta * po;
  const cplx pc = rho_c * po;
  const cplx sc = rho_c * so;
  const cplx i0pc = I0(pc), i1pc = I1(pc), k0pc = K0(pc), k1pc = K1(pc);
  const cplx i0sc = I0(sc), i1sc = I1(sc), k0sc = K0(sc), k1sc = K1(sc);
  const cplx i0po = I0(po), i1po = I1(po), k0po = K0(po), k1po = K1(po);
  const cplx i0so = I0(so), i1so = I1(so), k0so = K0(so), k1so = K1(so);

  cplx a[16];
  const Mat<cplx> A{a, 4};
  // Unit radial and tangential displacement at the cylinder.
  A(1, 1) = pc * i0pc - i1pc;
  A(1, 2) = -(pc * k0pc + k1pc);
  A(1, 3) = -i1sc;
  A(1, 4) = -k1sc;
  A(2, 1) = i1pc;
  A(2, 2) = k1pc;
  A(2, 3) = i1sc - sc * i0sc;
  A(2, 4) = k1sc + sc * k0sc;
  // No displacement at the outer radius.
  A(3, 1) = rho_c * (i1po - po * i0po);
  A(3, 2) = rho_c * (k1po + po * k0po);
  A(3, 3) = rho_c * i1so;
  A(3, 4) = rho_c * k1so;
  A(4, 1) = rho_c * i1po;
  A(4, 2) = rho_c * k1po;
  A(4, 3) = rho_c * (i1so - so * i0so);
  A(4, 4) = rho_c * (k1so + so * k0so);
  cplx X[4] = {1.0f, 1.0f, 0.0f, 0.0f};
  real wk[4];
  if (COMPLEX_LU_SOLVE(a, 4, 4, X, 1, 4, 0, wk) != SolveStatus::ok) return false;

  // Radial strain, shear strain and the difference of the two boundary
  // displacements at the cylinder, per unit displacement.
  const cplx pc2 = pc * pc;
  const cplx sc2 = sc * sc;
  const cplx sum_a = ((pc2 + 2.0f) * i1pc - pc * i0pc) * X[0] + (pc * k0pc + (pc2 + 2.0f) * k1pc) * X[1] +
                     (2.0f * i1sc - sc * i0sc) * X[2] + (sc * k0sc + 2.0f * k1sc) * X[3];
  const cplx sum_b = (2.0f * i1pc - pc * i0pc) * X[0] + (pc * k0pc + 2.0f * k1pc) * X[1] +
                     ((sc2 + 2.0f) * i1sc - sc * i0sc) * X[2] + (sc * k0sc + (sc2 + 2.0f) * k1sc) * X[3];
  const cplx sum_c = (pc * i0pc - 2.0f * i1pc) * X[0] - (2.0f * k1pc + pc * k0pc) * X[1] -
                     (2.0f * i1sc - sc * i0sc) * X[2] - (2.0f * k1sc + sc * k0sc) * X[3];
  // sum_c is the radial less the tangential displacement at the cylinder,
  // zero by the boundary conditions: its Lame term only carries rounding.
  Y = sum_b - eta * eta * sum_a - lame * sum_c;
  return true;
}

enum class ZoneMode { vertical, rocking, torsion };

// kappa W of the parabolic zone: minus the slope d(ln w)/d(r/r0) at the
// cylinder of the displacement that continues the outer solution inwards,
// with the zone modulus G (1 + i D)(1 - xi^2), xi = kappa (R - r/r0) and
// kappa^2 (R - 1)^2 = 1 - mu = Z2. The series in xi is summed in the scaled
// coefficients d_n = c_n Z^n, which stay finite as the zone's modulus tends
// to the soil's (Z -> 0) and neither overflow nor underflow: the sums
// S = sum c_n Z^n and sum n c_n Z^(n-1) become sum d_n and (sum n d_n) / Z.
cplx zone_slope(ZoneMode mode, const cplx& Z2, real R, const cplx& k) {
  const real Rm1 = R - 1.0f;
  const real v = R / Rm1;  // V / Z
  const cplx kR = R * k;
  const cplx kt = k * Rm1;
  const cplx q = kt * kt;  // Q Z^2
  cplx d[5];               // d[0] = d_n, d[1] = d_(n-1), ...
  for (cplx& e : d) e = 0.0f;
  if (mode == ZoneMode::vertical) {
    d[1] = K0(kR);
    d[0] = kt * K1(kR);
  } else {
    const cplx k1 = K1(kR);
    d[1] = k1;
    d[0] = kt * K0(kR) + k1 / v;
  }
  cplx S = d[1] + d[0];
  cplx N = d[0];
  int quiet = 0;
  for (int n = 2; n <= kSeriesLimit; ++n) {
    for (int j = 4; j >= 1; --j) d[j] = d[j - 1];
    const real f = static_cast<real>(n);
    cplx dn;
    if (mode == ZoneMode::vertical) {
      dn = ((f - 1.0f) * (f - 1.0f) * d[1] + v * ((f - 2.0f) * (f - 1.0f) * Z2 + q) * d[2] -
            ((f - 3.0f) * (f - 1.0f) * Z2 + q) * d[3]) /
           (f * (f - 1.0f) * v);
    } else {
      const real e3 = (f - 3.0f) * (2.0f * f - 3.0f) - (mode == ZoneMode::torsion ? 2.0f : 0.0f);
      const real e4 = (f - 4.0f) * (f - 2.0f) - (mode == ZoneMode::torsion ? 3.0f : 1.0f);
      const real v2 = v * v;
      dn = ((f - 1.0f) * (2.0f * f - 3.0f) * v * d[1] +
            ((f - 2.0f) * (f - 1.0f) * v2 * Z2 + q * v2 + 1.0f - (f - 2.0f) * (f - 2.0f)) * d[2] -
            (2.0f * q + e3 * Z2) * v * d[3] + (q + e4 * Z2) * d[4]) /
           (f * (f - 1.0f) * v2);
    }
    d[0] = dn;
    S += dn;
    N += f * dn;
    const real size = std::abs(dn);
    quiet = size <= kSeriesTolerance * std::abs(S) && f * size <= kSeriesTolerance * std::abs(N) ? quiet + 1 : 0;
    if (quiet == 2 && n >= 4) break;
  }
  return N / (Rm1 * S);
}

}  // namespace

void SIDE_SOIL_REACTION(real a0, real nu, real D, real m, real /*nu_w*/, real Dw, real t, real r0, real rx, real ry,
                        real rt, cplx& horizontal, cplx& vertical, cplx& rocking_x, cplx& rocking_y, cplx& torsion,
                        bool below_shear, bool below_compression) {
  const bool zone = t > 0.0f && m <= kNoZoneRatio;
  if (a0 <= 0.0f || (zone && m <= 0.0f)) {
    horizontal = vertical = rocking_x = rocking_y = torsion = 0.0f;
    return;
  }

  const cplx s = std::sqrt(cplx(1.0f, D));
  const real eta = nu < 0.5f ? eta_of(nu) : 0.0f;
  const real R = zone ? (r0 + t) / r0 : 1.0f;
  const real a = zone ? a0 * (r0 + t) / r0 : a0;
  if (!std::isfinite(a)) {
    // A zone wider than single precision reaches has no reaction to give:
    // the caller finds the impedance no number and reports it.
    horizontal = vertical = rocking_x = rocking_y = torsion = std::numeric_limits<real>::quiet_NaN();
    return;
  }

  // Horizontal reaction of the outer soil.
  const real abar = std::max(a, kHorizontalFloor);
  cplx x_last;
  cplx Su = horizontal_reaction(abar, s, nu, eta, x_last);
  if (below_shear) {
    // Below the stratum's shear frequency nothing radiates: material damping
    // on the quasi-static stiffness.
    const cplx Su_floor = horizontal_reaction(kHorizontalFloor, s, nu, eta, x_last);
    Su = cplx(Su.real(), D * Su_floor.real());
  } else if (a < kHorizontalFloor) {
    // Su is at the floor: radiation damping fades in linearly from a = 0.
    const real f = a / kHorizontalFloor;
    Su = cplx(Su.real(), D * Su.real() * (1.0f - f) + Su.imag() * f);
  }

  if (!zone) {
    horizontal = Su;

    const real b = std::max(a, kVerticalFloor);
    cplx Sw = vertical_reaction(b, s, D);
    if (a0 < kHorizontalFloor) Sw = cplx(Sw.real(), Sw.imag() * a0 / kHorizontalFloor);
    if (below_compression) {
      Sw = cplx(Sw.real(), D * vertical_reaction(kVerticalFloor, s, D).real());
    } else if (a < kVerticalBlend) {
      const real f = a / kVerticalBlend;
      const real material = D * vertical_reaction(kVerticalFloor, s, D).real();
      Sw = cplx(Sw.real(), material * (1.0f - f) + vertical_reaction(kVerticalBlend, s, D).imag() * f);
    }
    vertical = Sw;

    const cplx material = cplx(1.0f, D);
    rocking_x = pi * material * rotation_term(a0 * rx / r0, s);
    rocking_y = pi * material * rotation_term(a0 * ry / r0, s);
    torsion = two_pi * material * (1.0f + rotation_term(a0 * rt / r0, s));
    return;
  }

  // Weakened zone between r0 and r0 + t.
  const cplx zone_modulus = m * cplx(1.0f, Dw);
  const cplx mu = zone_modulus / cplx(1.0f, D);

  // Horizontal: the zone as a clamped ring in series with the outer soil.
  const real nu_ring = std::min(nu, kRingPoissonLimit);
  const real eta_ring = eta_of(nu_ring);
  const real lame = 2.0f * nu_ring / (1.0f - 2.0f * nu_ring);
  cplx Y;
  if (ring_term(x_last / eta_ring, mu, r0 / (r0 + t), eta_ring, lame, Y)) {
    const cplx X = kRingPi * zone_modulus * Y;
    horizontal = Su / (1.0f + Su / X);
  } else {
    horizontal = Su;
  }

  // Vertical, rocking and torsion: the parabolic modulus across the zone.
  const cplx Z2 = 1.0f - mu;
  const real b = std::max(a, kVerticalFloor);
  const cplx kv = cplx(0.0f, b) / (R * s);
  cplx Sw = two_pi * zone_modulus * zone_slope(ZoneMode::vertical, Z2, R, kv);
  if (a0 < kHorizontalFloor) Sw = cplx(Sw.real(), Sw.imag() * a0 / kHorizontalFloor);
  vertical = Sw;

  const cplx kr = cplx(0.0f, a0) / s;
  rocking_x = pi * zone_modulus * zone_slope(ZoneMode::rocking, Z2, R, kr);
  rocking_y = rocking_x;
  torsion = two_pi * zone_modulus * (1.0f + zone_slope(ZoneMode::torsion, Z2, R, kr));
}

}  // namespace zav
