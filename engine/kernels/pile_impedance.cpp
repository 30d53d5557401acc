// Single-pile impedance in layered soil: exact element stiffnesses on the
// side reactions of the layers, the tip on the soil below, and the band
// systems for unit motions of the head.
#include "kernels/pile_impedance.h"

#include <cassert>
#include <cmath>

#include "kernels/footing.h"
#include "kernels/side_soil.h"
#include "kernels/solvers.h"

namespace zav {
namespace {

// The analysis's lowest frequency line: below it the damping constants,
// Im K / omega, have no meaning.
constexpr real kLowestOmega = 0.0001f;
// The soil below is taken quasi-static at this dimensionless frequency.
constexpr real kQuasiStaticA0 = 0.0001f;

// sin z and cos z, or sinh z and cosh z, times a common factor e^-|.| that
// keeps them finite for a long element: each element term is a ratio of
// expressions linear in them (and in the products of the two kinds), so the
// factors cancel. scale is the factor itself.
struct Scaled {
  cplx s, c;
  real scale;
};

Scaled scaled_sin_cos(const cplx& z) {
  const real x = z.real();
  const real y = z.imag();
  const real em1 = std::expm1(-2.0f * std::fabs(y));
  const real ch = 1.0f + 0.5f * em1;              // cosh y e^-|y|
  const real sh = std::copysign(-0.5f * em1, y);  // sinh y e^-|y|
  return {cplx(std::sin(x) * ch, std::cos(x) * sh), cplx(std::cos(x) * ch, -std::sin(x) * sh), std::exp(-std::fabs(y))};
}

Scaled scaled_sinh_cosh(const cplx& z) {
  const real a = z.real();
  const real b = z.imag();
  const real em1 = std::expm1(-2.0f * std::fabs(a));
  const real ch = 1.0f + 0.5f * em1;
  const real sh = std::copysign(-0.5f * em1, a);
  return {cplx(sh * std::cos(b), ch * std::sin(b)), cplx(ch * std::cos(b), sh * std::sin(b)), std::exp(-std::fabs(a))};
}

// One element's coefficients of the three motions.
struct ElementCoefficients {
  cplx axial_diagonal, axial_coupling;
  cplx torsion_diagonal, torsion_coupling;
  BendingElement bending;
};

// The work arrays of one call, fixed in size.
struct PileWork {
  Array1<cplx, PILE_MAX_ELEMENTS> Su, Sw, Sr1, Sr2, St;
  Array1<real, PILE_MAX_ELEMENTS> G;
  Array1<ElementCoefficients, PILE_MAX_ELEMENTS> element;
  cplx band[PILE_MAX_UNKNOWNS * 4];
  cplx rhs[PILE_MAX_UNKNOWNS * 2];
};

// Axial or torsional system of nodes 1..n with the tip term on node n; the
// head force for a unit head motion.
cplx bar_head_term(PileWork& w, int n, bool torsion, const cplx& tip) {
  const Mat<cplx> A{w.band, PILE_MAX_UNKNOWNS};
  const Mat<cplx> B{w.rhs, PILE_MAX_UNKNOWNS};
  auto diagonal = [&](int j) -> const cplx& {
    return torsion ? w.element(j).torsion_diagonal : w.element(j).axial_diagonal;
  };
  auto coupling = [&](int j) -> const cplx& {
    return torsion ? w.element(j).torsion_coupling : w.element(j).axial_coupling;
  };
  for (int i = 1; i <= n; ++i) {
    A(i, 1) = A(i, 2) = 0.0f;
    B(i, 1) = 0.0f;
  }
  for (int j = 1; j <= n; ++j) {
    if (j >= 2) {
      A(j - 1, 1) += diagonal(j);
      A(j - 1, 2) += coupling(j);
    }
    A(j, 1) += diagonal(j);
  }
  A(n, 1) += tip;
  B(1, 1) = coupling(1);
  COMPLEX_ELIMINATE(1, n, 2, A, B);
  const cplx w1 = -B(1, 1);
  return diagonal(1) + coupling(1) * w1;
}

// Below this size of mu1 and mu2 the closed form of the bending element
// loses single precision to cancellation (its terms differ from the static
// beam by mu^4); the element is then built from its transfer matrix.
constexpr real kShortElementMu = 0.5f;
constexpr int kTransferTerms = 16;

// The bending element of a short element from the transfer matrix of the beam
// equations, T = exp(A) by its Taylor series, in the state u, h psi,
// V h^3 / EI, M h^2 / EI over z / h, with psi = du/dz without shear
// flexibility: u' = W psi + t V, psi' = M / EI, V' = -q u,
// M' = -W (V + P psi) - (rotary - spring) psi.
void bending_by_transfer(const cplx& EI, real t, real P, const cplx& q, real rotary, const cplx& spring, real h, real W,
                         BendingElement& K) {
  const real h2 = h * h;
  cplx a[16] = {};
  const Mat<cplx> A{a, 4};
  A(1, 2) = W;
  A(1, 3) = t * EI / h2;
  A(2, 4) = 1.0f;
  A(3, 1) = -q * h2 * h2 / EI;
  A(4, 2) = -(W * P + rotary - spring) * h2 / EI;
  A(4, 3) = -W;
  cplx tm[16] = {}, term[16] = {}, next[16];
  const Mat<cplx> T{tm, 4}, Tk{term, 4}, N{next, 4};
  for (int i = 1; i <= 4; ++i) T(i, i) = Tk(i, i) = 1.0f;
  for (int k = 1; k <= kTransferTerms; ++k) {
    for (int i = 1; i <= 4; ++i)
      for (int j = 1; j <= 4; ++j) {
        cplx sum = 0.0f;
        for (int l = 1; l <= 4; ++l) sum += Tk(i, l) * A(l, j);
        N(i, j) = sum / static_cast<real>(k);
      }
    for (int i = 1; i <= 4; ++i)
      for (int j = 1; j <= 4; ++j) {
        Tk(i, j) = N(i, j);
        T(i, j) += N(i, j);
      }
  }
  // Displacements d = (u, h psi) and forces f at the two ends:
  // d1 = T11 d0 + T12 f0, f1 = T21 d0 + T22 f0; the loads at the top node are
  // -f0, at the bottom node f1.
  const cplx det = T(1, 3) * T(2, 4) - T(1, 4) * T(2, 3);
  const cplx G11 = T(2, 4) / det, G12 = -T(1, 4) / det;  // T12^-1
  const cplx G21 = -T(2, 3) / det, G22 = T(1, 3) / det;
  // The top block T12^-1 T11; the others follow by symmetry.
  const cplx top11 = G11 * T(1, 1) + G12 * T(2, 1), top12 = G11 * T(1, 2) + G12 * T(2, 2);
  const cplx top22 = G21 * T(1, 2) + G22 * T(2, 2);
  // Back to forces and the rotation against du/dz.
  const cplx sV = EI / (h2 * h);  // V per unit of its scaled state
  K.K11 = sV * top11;
  K.K12 = -sV * h * top12;
  K.K13 = -sV * G11;
  K.K14 = sV * h * G12;
  K.K22 = sV * h2 * top22;
  K.K24 = -sV * h2 * G22;
}

}  // namespace

void pile_bar_element(const cplx& rigidity, const cplx& load, real h, cplx& diagonal, cplx& coupling) {
  const cplx lambda = std::sqrt(load / rigidity);
  const Scaled t = scaled_sin_cos(lambda * h);
  diagonal = rigidity * lambda * t.c / t.s;
  coupling = -rigidity * lambda * t.scale / t.s;
}

void pile_bending_element(const cplx& EI, real t, real P, const cplx& q, real rotary, const cplx& spring, real h,
                          BendingElement& K) {
  const cplx U = 1.0f - t * (rotary - P - spring);
  const real W = 1.0f + t * P;
  const cplx R = P * W + rotary - spring;
  const real h2 = h * h;
  const cplx b = h2 * (R / EI + t * q);
  const cplx Z = b * b + 4.0f * h2 * h2 * U * q / EI;
  const cplx rootZ = std::sqrt(Z);
  const cplx mu1 = std::sqrt((b + rootZ) / 2.0f);
  const cplx mu2 = std::sqrt((rootZ - b) / 2.0f);
  if (std::abs(mu1) < kShortElementMu && std::abs(mu2) < kShortElementMu) {
    bending_by_transfer(EI, t, P, q, rotary, spring, h, W, K);
    return;
  }
  const cplx e1 = t * EI * mu1 * mu1 / (h2 * U);
  const cplx e2 = t * EI * mu2 * mu2 / (h2 * U);
  const cplx g1 = (1.0f - e2) * mu1 / W;
  const cplx g2 = (1.0f + e1) * mu2 / W;

  // sin, cos of mu1 and sinh, cosh of mu2, each pair scaled; "one" carries
  // both scales, and a lone function of one kind the other kind's scale.
  const Scaled trig = scaled_sin_cos(mu1);
  const Scaled hyp = scaled_sinh_cosh(mu2);
  const cplx s1 = trig.s, c1 = trig.c, sh = hyp.s, ch = hyp.c;
  const real one = trig.scale * hyp.scale;
  const cplx mm = mu1 * mu2 / U;
  const cplx delta = s1 * sh * (g1 * g1 - g2 * g2) + (2.0f * mm) * (c1 * ch - one);
  // The section rotation carries 1/W (g1, g2); the end forces of a unit
  // rotation carry it once more. Without it an element whose shear
  // flexibility meets an axial load would not be the sum of its halves.
  const cplx F1 = EI * (mu1 * mu1 + mu2 * mu2) / (h * delta * W);
  const cplx F2 = F1 * mm;

  K.K11 = -(c1 * sh * g2 + s1 * ch * g1) * F2 / h2;
  K.K13 = (s1 * hyp.scale * g1 + sh * trig.scale * g2) * F2 / h2;
  K.K12 = EI * mm * (s1 * sh * (g1 * mu2 + g2 * mu1) + (g2 * mu2 - g1 * mu1) * (c1 * ch - one)) / (h2 * delta);
  K.K14 = (ch * trig.scale - c1 * hyp.scale) * F2 / h;
  K.K22 = (c1 * sh * g1 - s1 * ch * g2) * F1;
  K.K24 = (s1 * hyp.scale * g2 - sh * trig.scale * g1) * F1;
}

void PILE_IMPEDANCE(const PileImpedanceInput& in, const PileTable& r, const PileTable& I, real omega_in,
                    PileHeadTerms& out) {
  const int n = in.n;
  assert(n >= 1 && n <= PILE_MAX_ELEMENTS && in.g > 0.0f);
  const real omega = omega_in > 0.0f ? omega_in : kLowestOmega;
  const real omega2 = omega * omega;
  const real g = in.g;
  const real Gp = in.Ep / ((in.nu_p + 1.0f) * 2.0f);
  PileWork w;

  // Side reactions of the layers. Below the stratum's shear frequency every
  // layer loses its horizontal radiation damping, below its compression
  // frequency its vertical one.
  const bool below_shear = omega <= in.omega1;
  const bool below_compression = omega <= in.omegac;
  for (int j = 1; j <= n; ++j) {
    assert(r(j) > 0.0f);
    w.G(j) = in.Vs(j) * in.Vs(j) * in.gamma(j) / g;
    const real a0 = w.G(j) > 0.0f ? omega * r(j) / in.Vs(j) : 0.0f;
    const bool zone = in.weak_zone_switch != 0;
    const real m = zone ? in.weak_ratio(j) : 1.0f;
    const real nu_w = zone ? in.weak_nu(j) : in.nu(j);
    const real Dw = zone ? in.weak_D(j) : in.D(j);
    const real t = zone ? in.weak_t(j) : 0.0f;
    SIDE_SOIL_REACTION(a0, in.nu(j), in.D(j), m, nu_w, Dw, t, r(j), r(j), r(j), r(j), w.Su(j), w.Sw(j), w.Sr1(j),
                       w.Sr2(j), w.St(j), below_shear, below_compression);
  }

  // The tip on the soil below; at or below the stratum's frequencies its
  // translations keep material damping on their quasi-static stiffness.
  const real rn = r(n);
  const real Gb = in.Vb * in.Vb * in.gamma_b / g;
  const real a0_tip = in.Vb > 0.0f ? omega * rn / in.Vb : 0.0f;
  cplx tip_h, tip_v, tip_r1, tip_r2, tip_t;
  FOOTING_IMPEDANCE_COEFFS(a0_tip, in.nu_b, in.Db, rn, rn, rn, rn, tip_h, tip_v, tip_r1, tip_r2, tip_t);
  if (omega <= in.omegac) {
    cplx qs_h, qs_v, qs_r1, qs_r2, qs_t;
    FOOTING_IMPEDANCE_COEFFS(kQuasiStaticA0, in.nu_b, in.Db, rn, rn, rn, rn, qs_h, qs_v, qs_r1, qs_r2, qs_t);
    tip_v = cplx(tip_v.real(), in.Db * qs_v.real());
    if (omega <= in.omega1) tip_h = cplx(tip_h.real(), in.Db * qs_h.real());
  }
  const real rn3 = rn * rn * rn;

  // Element coefficients of the three motions, in one pass.
  for (int j = 1; j <= n; ++j) {
    real E, G, Dd, m, mJ, t;
    if (in.column_switch < 0 && j > in.na) {
      // Soil element of a multilayer column below its adjacent layers.
      G = in.rho_G(j) * w.G(j);
      Dd = in.D(j) * in.rho_D(j);
      E = 2.0f * (1.0f + in.nu(j)) * G;
      m = in.gamma(j) * in.A(j) / g;
      mJ = in.gamma(j) * in.J(j) / g;
      t = (in.kappa / (G * in.A(j) * cplx(1.0f, Dd))).real();
    } else {
      E = in.Ep;
      G = Gp;
      Dd = in.Dp;
      m = in.gamma_p * in.A(j) / g;
      mJ = in.gamma_p * in.J(j) / g;
      t = in.kappa / (Gp * in.A(j));
    }
    const cplx material(1.0f, Dd);
    const real Gj = w.G(j);
    const real rj2 = r(j) * r(j);
    ElementCoefficients& e = w.element(j);
    pile_bar_element(E * in.A(j) * material, omega2 * m - Gj * w.Sw(j), in.h(j), e.axial_diagonal, e.axial_coupling);
    pile_bar_element(G * in.J(j) * material, omega2 * mJ - rj2 * Gj * w.St(j), in.h(j), e.torsion_diagonal,
                     e.torsion_coupling);
    pile_bending_element(E * I(j) * material, t, in.P, omega2 * m - Gj * w.Su(j), omega2 * m * I(j) / in.A(j),
                         Gj * rj2 * w.Sr1(j), in.h(j), e.bending);
  }

  // Vertical and torsional systems, one after the other in the same storage.
  const cplx vertical = bar_head_term(w, n, false, Gb * rn * tip_v);
  const cplx torsion = bar_head_term(w, n, true, Gb * rn3 * tip_t);

  // Bending: unknowns u1, psi1, ..., un, psin; two load cases, a unit head
  // displacement (T) and a unit head rotation (R).
  const int N = 2 * n;
  const Mat<cplx> A{w.band, PILE_MAX_UNKNOWNS};
  const Mat<cplx> B{w.rhs, PILE_MAX_UNKNOWNS};
  for (int i = 1; i <= N; ++i) {
    for (int c = 1; c <= 4; ++c) A(i, c) = 0.0f;
    B(i, 1) = B(i, 2) = 0.0f;
  }
  for (int j = 2; j <= n; ++j) {
    const BendingElement& k = w.element(j).bending;
    // Upper triangle of the symmetric element matrix, row by row.
    const cplx upper[4][4] = {{k.K11, k.K12, k.K13, k.K14},
                              {0.0f, k.K22, -k.K14, k.K24},
                              {0.0f, 0.0f, k.K11, -k.K12},
                              {0.0f, 0.0f, 0.0f, k.K22}};
    const int base = 2 * (j - 2);
    for (int p = 0; p < 4; ++p)
      for (int c = p; c < 4; ++c) A(base + p + 1, c - p + 1) += upper[p][c];
  }
  const BendingElement& k1 = w.element(1).bending;
  A(1, 1) += k1.K11;   // K33
  A(1, 2) += -k1.K12;  // K34
  A(2, 1) += k1.K22;   // K44
  B(1, 1) = k1.K13;
  B(2, 1) = k1.K14;
  B(1, 2) = -k1.K14;  // K23
  B(2, 2) = k1.K24;
  A(N - 1, 1) += Gb * rn * tip_h;
  A(N, 1) += Gb * rn3 * tip_r1;
  COMPLEX_ELIMINATE(2, N, 4, A, B);
  const cplx u1T = -B(1, 1), psi1T = -B(2, 1);
  const cplx u1R = -B(1, 2), psi1R = -B(2, 2);

  // Head forces of element 1: shear V and moment M.
  auto shear = [&](const cplx& u0, const cplx& psi0, const cplx& u1, const cplx& psi1) {
    return k1.K11 * u0 + k1.K12 * psi0 + k1.K13 * u1 + k1.K14 * psi1;
  };
  auto moment = [&](const cplx& u0, const cplx& psi0, const cplx& u1, const cplx& psi1) {
    return k1.K12 * u0 + k1.K22 * psi0 - k1.K14 * u1 + k1.K24 * psi1;
  };
  const cplx VT = shear(1.0f, 0.0f, u1T, psi1T);
  const cplx MT = moment(1.0f, 0.0f, u1T, psi1T);
  const cplx VR = shear(0.0f, 1.0f, u1R, psi1R);
  const cplx MR = moment(0.0f, 1.0f, u1R, psi1R);
  // Pinned head: the head rotation rho that leaves no head moment.
  const cplx rho = -VR / MR;
  const cplx pinned = shear(1.0f, rho, u1T + rho * u1R, psi1T + rho * psi1R);

  const cplx terms[6] = {vertical, torsion, VT, MR, MT, pinned};
  for (int i = 1; i <= 6; ++i) {
    out.k(i) = terms[i - 1].real();
    out.c(i) = terms[i - 1].imag() / omega;
  }
}

}  // namespace zav
