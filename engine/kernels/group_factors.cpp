#include "kernels/group_factors.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <unordered_map>

#include "common/constants.h"

namespace zav {
namespace {

// The dynamic fits are written for a0 up to 1. Beyond it a factor goes on
// as a wave crossing the pair's spacing s: per unit of a0 above 1 its phase
// grows by n s/d, the delay of a wave that travels s at Vl / n, and its
// amplitude falls by exp(-m s/d). The axial factor and the lateral ones of a
// pair across the load direction travel with the shear wave (n = 1) and
// decay by m = 0.05; those of a pair along it travel at 1 / 0.554, about 1.8
// times the shear-wave velocity, and decay by m = 0.028. The lateral
// displacement factors decay by the same m per unit of a0 and of s/d beyond
// ten diameters, the widest spacing fitted. The values are the fits' own.
constexpr real kFitsUpToA0 = 1.0f;

struct WaveBeyondFits {
  real m;  // decay of the amplitude
  real n;  // growth of the phase
};
constexpr WaveBeyondFits kAcrossLoad{0.05f, 1.0f};
constexpr WaveBeyondFits kAlongLoad{0.028f, 0.554f};

real clampr(real v, real lo, real hi) { return std::min(std::max(v, lo), hi); }

// Polynomial c[0] + c[1] a + ... + c[4] a^4.
real poly(real a, real c0, real c1, real c2 = 0.0f, real c3 = 0.0f, real c4 = 0.0f) {
  return c0 + a * (c1 + a * (c2 + a * (c3 + a * c4)));
}

// The quantities every axial node is written in.
struct AxialTerms {
  real x;       // s/d
  real q;       // d/s
  real qb;      // min(q, 0.3)
  real lambda;  // ln x
  real k;       // log10 K
  real u;       // 3 - k
  real w;       // k - 2
  real beta;    // max(log10(Eb/Es), 0)
  real t;       // db/d
};

// F = X - (X - Y) b with X = (1 + P S T) G and Y = H W: between the floating
// pile's value X and the end-bearing value Y as the base grows stiffer.
real node_value(real P, real S, real T, real G, real H, real W, real b) {
  const real X = (1.0f + P * S * T) * G;
  const real Y = H * W;
  return X - (X - Y) * b;
}

// Node A, L/d = 10.
real axial_node_A(const AxialTerms& z) {
  const real P = 1.0f - (3.28f - 5.53f * z.qb) * z.qb;
  const real S = clampr(0.4f + 0.2f * z.k, 0.0f, 1.0f);
  const real T = clampr(z.t - 1.0f, 0.0f, 2.0f);
  const real ub = clampr(z.u, 0.0f, 2.0f);
  const bool near = z.x <= 10.0f;
  const real G =
      near ? (0.72f - 0.244f * z.lambda) * (1.0f - ((0.06f + 0.005f * z.x) - (0.002f * z.x - 0.105f) * ub) * ub)
           : (1.8f - 2.0f * z.q) * z.q * (1.0f - (0.465f - 2.7f * z.q) * ub);
  const real H = near ? 0.123f - 0.052f * z.lambda : 0.0327f * z.q;
  const real W = std::max(1.0f - 0.9f * std::max(z.w, -1.0f), 0.0f);
  const real b = std::min(0.4f * z.beta, 1.0f);
  return node_value(P, S, T, G, H, W, b);
}

// Node B, L/d = 25.
real axial_node_B(const AxialTerms& z) {
  const real P = 0.78f - (3.78f - 6.57f * z.qb) * z.qb;
  const real S = clampr(0.45f * (z.k - 1.0f), 0.0f, 1.0f);
  const real T = clampr(z.t - 1.0f, 0.0f, 1.0f);
  const real ub = clampr(z.u, -0.28f, 1.73f);
  const bool near = z.x <= 10.0f;
  const real G = near ? (0.712f - 0.19f * z.lambda) * (1.0f - (0.255f + 0.0125f * z.x) * ub)
                      : (3.765f - 10.2f * z.q) * z.q * (1.0f - 0.38f * ub);
  const real H = near ? 0.32f - 0.11f * z.lambda : (0.29f + 3.8f * z.q) * z.q;
  const real W = std::max(1.0f - 0.72f * std::max(z.w, -0.3f), 0.0f);
  const real b = std::min(0.5f * z.beta, 1.0f);
  return node_value(P, S, T, G, H, W, b);
}

// P and S shared by the two long-pile nodes C and D.
real long_pile_P(const AxialTerms& z) { return 0.37f - (1.51f - 2.81f * z.qb) * z.qb; }
real long_pile_S(const AxialTerms& z) { return clampr(0.58f * (z.k - 1.75f), 0.0f, 1.0f); }

// Node C, L/d = 50.
real axial_node_C(const AxialTerms& z) {
  const real T = clampr(z.t - 1.0f, 0.0f, 1.0f);
  const real ub = clampr(z.u, -1.32f, 1.27f);
  const bool near = z.x <= 10.0f;
  const real G = near ? (0.638f - 0.154f * z.lambda) * (1.0f - (0.14f + 0.019f * z.x) * ub)
                      : (4.4f - 15.6f * z.q) * z.q * (1.0f - (0.47f - 1.4f * z.q) * ub);
  const real H = near ? 0.511f - 0.154f * z.lambda : (1.88f - 3.2f * z.q) * z.q;
  const real wb = clampr(z.w, -0.14f, 1.0f);
  real W0 = near ? 1.0f - (0.65f - 0.015f * z.x) * wb : 1.0f - 0.5f * wb;
  if (z.k > 3.0f) W0 *= 4.0f - z.k;
  const real W = std::max(W0, 0.0f);
  const real b = std::min(0.5f * z.beta, 1.0f);
  return node_value(long_pile_P(z), long_pile_S(z), T, G, H, W, b);
}

// Node D, L/d = 100.
real axial_node_D(const AxialTerms& z) {
  const real T = clampr(z.t - 1.0f, 0.0f, 1.0f);
  const real ub = clampr(z.u, -1.3f, 1.0f);
  const bool near = z.x <= 10.0f;
  const real G =
      near ? (0.522f - 0.11f * z.lambda) * (1.0f - ((0.092f + 0.032f * z.x) - (0.195f - 0.0035f * z.x) * ub) * ub)
           : (4.63f - 19.4f * z.q) * z.q * (1.0f - ((0.658f - 2.46f * z.q) - (0.076f + 0.84f * z.q) * ub) * ub);
  const real H = near ? 0.57f - 0.171f * z.lambda : (2.04f - 2.8f * z.q) * z.q;
  const real wb = clampr(z.w, -0.3f, 1.0f);
  real W0 = near ? 1.0f - (0.31f - 0.024f * z.x) * wb : 1.0f - 0.07f * wb;
  if (z.k > 3.0f) W0 *= (4.2f - z.k) / 1.2f;
  const real W = std::max(W0, 0.0f);
  const real b = std::min(0.5f * z.beta, 1.0f);
  return node_value(long_pile_P(z), long_pile_S(z), T, G, H, W, b);
}

// Amplitudes and phases of one dynamic fit at the spacings 2, 5 and 10.
struct DynamicFit {
  real y2, y5, y10;
  real p2, p5, p10;
};

// The six lateral fits at a = min(a0, 1): factor k (1..3), along the load
// direction or across it.
DynamicFit lateral_fit(int k, bool along, real a) {
  const real a25 = a - 0.25f;
  if (k == 1 && along) {
    const real p10 = a < 0.6f ? 5.54f * a : a <= 0.9f ? 3.324f + 6.571f * (a - 0.6f) : 5.2953f + 0.867f * (a - 0.9f);
    return {poly(a, 1.0f, 0.424f, -0.362f),
            poly(a, 1.0f, 0.135f, 0.495f, -0.878f),
            poly(a, 1.0f, -0.876f, 2.23f, -2.13f),
            1.082f * a,
            2.9f * a,
            p10};
  }
  if (k == 1) {
    const real y5 = poly(a, 1.0f, -0.84f, 4.725f, -3.125f);
    const real p10 = a <= 0.5f ? 9.934f * a : 4.967f + 9.244f * (a - 0.5f);
    return {poly(a, 1.0f, 0.442f, -0.144f), y5, y5, 1.976f * a, 4.886f * a, p10};
  }
  if (k == 2 && along) {
    return {poly(a, 1.0f, 0.16f, 5.45f, -10.54f, 5.35f),  poly(a, 1.0f, -0.11f, 11.55f, -20.84f, 10.0f),
            poly(a, 1.0f, 0.53f, 14.99f, -23.69f, 8.22f), poly(a, 0.0f, 0.078f, 1.554f, -0.57f),
            poly(a, 0.0f, 0.565f, 4.203f, -1.92f),        poly(a, 0.0f, 1.798f, 6.913f, -3.027f)};
  }
  if (k == 2) {
    const bool low = a <= 0.25f;
    return {poly(a, 1.0f, 0.098f, 7.95f, -13.95f, 6.71f),
            poly(a, 1.0f, 1.47f, 8.73f, -6.89f),
            poly(a, 1.0f, -1.56f, 27.63f, -20.57f),
            low ? poly(a, 0.0f, 0.12f, 2.62f) : 0.19375f + 2.21f * a25,
            low ? poly(a, 0.0f, 0.83f, 9.56f) : 0.805f + 5.5f * a25,
            low ? poly(a, 0.0f, 0.85f, 28.4f) : 1.9875f + 9.77f * a25};
  }
  if (along) {
    return {poly(a, 1.0f, -0.055f, 4.995f, -8.835f, 4.22f), poly(a, 1.0f, -0.19f, 12.48f, -22.9f, 11.19f),
            poly(a, 1.0f, 1.785f, 4.16f, -5.21f),           poly(a, 0.0f, -0.037f, 1.846f, -0.77f),
            poly(a, 0.0f, 0.112f, 5.025f, -2.481f),         poly(a, 0.0f, 0.352f, 8.583f, -3.72f)};
  }
  const bool low = a <= 0.25f;
  return {poly(a, 1.0f, 0.69f, 5.48f, -9.82f, 4.42f),
          poly(a, 1.0f, 0.572f, 13.12f, -12.82f, 2.46f),
          poly(a, 1.0f, -2.14f, 25.3f, -17.35f),
          low ? poly(a, 0.0f, 0.0f, 2.67f) : 0.166875f + 2.29f * a25,
          low ? poly(a, 0.0f, 0.34f, 8.03f) : 0.586875f + 5.69f * a25,
          low ? poly(a, 0.0f, -0.52f, 27.24f) : 1.5725f + 10.17f * a25};
}

// Young's modulus 2 (1 + nu) gamma Vs^2 / g.
real youngs_modulus(real nu, real gamma, real vs, real g) { return 2.0f * (1.0f + nu) * gamma * vs * vs / g; }

}  // namespace

void INTERP3(real y2, real y5, real y10, real x, real& result) {
  if (x <= 5.0f) {
    result = y2 + (y5 - y2) * (x - 2.0f) / 3.0f;
  } else {
    result = y5 + (y10 - y5) * (x - 5.0f) / 5.0f;
  }
}

void AXIAL_STATIC_FACTOR(real& alpha_v, real s_d, real L_d, real K, real Eb_Es, real nu_s, real db_d) {
  const real x = s_d;
  if (x <= 0.0f) {
    alpha_v = 1.0f;
    return;
  }
  AxialTerms z{};
  z.x = x;
  z.q = 1.0f / x;
  z.qb = std::min(z.q, 0.3f);
  z.lambda = std::log(x);
  z.k = std::log10(K);
  z.u = 3.0f - z.k;
  z.w = z.k - 2.0f;
  z.beta = std::max(std::log10(Eb_Es), 0.0f);
  z.t = db_d;

  real F = 0.0f;
  if (L_d <= 10.0f) {
    F = axial_node_A(z);
  } else if (L_d < 25.0f) {
    const real A = axial_node_A(z);
    F = A + (axial_node_B(z) - A) * (L_d - 10.0f) / 15.0f;
  } else if (L_d < 50.0f) {
    const real B = axial_node_B(z);
    F = B + (axial_node_C(z) - B) * (L_d - 25.0f) / 25.0f;
  } else if (L_d < 100.0f) {
    const real C = axial_node_C(z);
    F = C + (axial_node_D(z) - C) * (L_d - 50.0f) / 50.0f;
  } else {
    F = axial_node_D(z);
  }
  alpha_v = F * (1.0f + 0.16f * (0.5f - nu_s) * (std::sqrt(x) - 1.0f));
}

void LATERAL_STATIC_FACTORS(real s_d, real K_R, real angle, real r, real& alpha1, real& alpha2, real& alpha3) {
  alpha1 = 1.0f;
  alpha2 = 1.0f;
  alpha3 = 1.0f;
  if (s_d <= 0.0f) return;

  static constexpr real A[3] = {0.41f, 0.174f, 0.067f};
  static constexpr real a[3] = {0.095f, 0.163f, 0.202f};
  static constexpr real b[3] = {0.725f, 1.095f, 1.24f};
  static constexpr real C[3] = {0.203f, 0.05f, 0.02f};
  static constexpr real c[3] = {0.134f, 0.25f, 0.271f};
  static constexpr real e[3] = {0.838f, 1.315f, 1.42f};

  const real q = 1.0f / s_d;
  const real cos2 = std::cos(angle) * std::cos(angle);
  const real sin2 = std::sin(angle) * std::sin(angle);
  // A free length without soil weakens the interaction; beyond eight
  // diameters there is none left, never a reversed one.
  const real free_length = r != 0.0f ? std::max(1.0f - 0.125f * r, 0.0f) : 1.0f;
  real* out[3] = {&alpha1, &alpha2, &alpha3};
  for (int k = 0; k < 3; ++k) {
    real qk = q;
    real scale = 1.0f;
    // The displacement factor falls off linearly beyond five diameters.
    if (k == 0 && q < 0.2f) {
      qk = 0.2f;
      scale = q / 0.2f;
    }
    const real along = A[k] * std::pow(K_R, a[k]) * std::pow(qk, b[k]) * scale;
    const real across = C[k] * std::pow(K_R, c[k]) * std::pow(qk, e[k]) * scale;
    *out[k] = (cos2 * along + sin2 * across) * free_length;
  }
}

void DYNAMIC_FACTOR_AXIAL(real a0, real s_d, real alpha_s, cplx& result) {
  const real x = s_d;
  const real ab = std::min(a0, kFitsUpToA0);
  const real above = a0 - ab;

  real A = 0.0f;
  if (x <= 10.0f) {
    INTERP3(std::exp(-0.42f * ab + 0.24f * ab * ab), std::exp(-0.74f * ab + 0.35f * ab * ab), std::exp(-0.5f * ab), x,
            A);
  } else {
    A = std::exp(-kAcrossLoad.m * x * ab);
  }

  real phi = 0.0f;
  if (ab <= 0.25f) {
    INTERP3(3.786f * ab - 5.2f * ab * ab, 7.2f * ab - 5.54f * ab * ab, 12.29f * ab - 3.31f * ab * ab, x, phi);
  } else {
    const real a25 = ab - 0.25f;
    INTERP3(0.6215f + 1.7f * a25, 1.45375f + 4.7f * a25, 2.865625f + 9.78f * a25, x, phi);
  }

  A *= std::exp(-kAcrossLoad.m * x * above);
  phi = phi - 0.0936f + kAcrossLoad.n * x * above;
  result = A * alpha_s * std::polar(1.0f, -phi);
}

void DYNAMIC_FACTOR_LATERAL(real a0, real s_d, real theta, real alpha01, real alpha02, real alpha03, real alpha901,
                            real alpha902, real alpha903, cplx& result1, cplx& result2, cplx& result3) {
  const real x = s_d;
  const real ab = std::min(a0, kFitsUpToA0);
  const real xb = std::min(x, 10.0f);
  const real above = a0 - ab;

  static constexpr real PHI0[3] = {0.0757f, 0.05157f, 0.02596f};
  const real along_static[3] = {alpha01, alpha02, alpha03};
  const real across_static[3] = {alpha901, alpha902, alpha903};
  const real cos2 = std::cos(theta) * std::cos(theta);
  const real sin2 = std::sin(theta) * std::sin(theta);
  cplx* out[3] = {&result1, &result2, &result3};

  for (int k = 1; k <= 3; ++k) {
    cplx part[2];
    for (int along = 1; along >= 0; --along) {
      const WaveBeyondFits& wave = along ? kAlongLoad : kAcrossLoad;
      const DynamicFit fit = lateral_fit(k, along != 0, ab);
      real A = 0.0f;
      real phi = 0.0f;
      INTERP3(fit.y2, fit.y5, fit.y10, xb, A);
      INTERP3(fit.p2, fit.p5, fit.p10, x, phi);
      // Displacement factors keep decaying beyond ten diameters.
      if (k == 1) A *= std::exp(-wave.m * ab * (x - xb));
      A *= std::exp(-wave.m * x * above);
      phi = phi - PHI0[k - 1] + wave.n * x * above;
      const real alpha = along ? along_static[k - 1] : across_static[k - 1];
      part[along] = A * alpha * std::polar(1.0f, -phi);
    }
    *out[k - 1] = cos2 * part[1] + sin2 * part[0];
  }
}

GroupSetupStatus GROUP_INTERACTION_SETUP(const GroupInteractionInput& in, GroupInteraction& out) {
  const int n = in.n_piles;
  assert(n >= 0 && n <= GROUP_MAX_PILES);
  assert(in.pile_x.size() >= static_cast<std::size_t>(n) && in.pile_y.size() >= static_cast<std::size_t>(n));
  assert(in.gravity > 0.0f);
  const std::size_t n_layers = in.layer_velocity.size();
  assert(in.layer_thickness.size() == n_layers && in.layer_poisson.size() == n_layers &&
         in.layer_unit_weight.size() == n_layers);
  const std::size_t n_elements = in.element_mean_radius.size();
  assert(in.element_area.size() >= std::min<std::size_t>(n_elements, 1));
  assert(in.element_inertia_x.size() >= std::min<std::size_t>(n_elements, 1));
  assert(in.element_inertia_y.size() >= std::min<std::size_t>(n_elements, 1));

  const real g = in.gravity;
  const real L = in.pile_length;

  // Battered piles are paired where they are a third of the way down.
  for (int p = 0; p < n; ++p) {
    out.x[p] = in.pile_x[p];
    out.y[p] = in.pile_y[p];
    if (in.battered) {
      assert(in.direction_angle[0].size() >= static_cast<std::size_t>(n) &&
             in.direction_angle[4].size() >= static_cast<std::size_t>(n) &&
             in.direction_angle[8].size() >= static_cast<std::size_t>(n));
      if (in.direction_angle[8][p] != 0.0f) {
        out.x[p] += std::tan(in.direction_angle[0][p] * pi / 180.0f) * L / 3.0f;
        out.y[p] += std::tan(in.direction_angle[4][p] * pi / 180.0f) * L / 3.0f;
      }
    }
  }

  GroupRatios& z = out.ratios;
  z = GroupRatios{};
  out.status = GroupSetupStatus::ok;
  out.pair_i = 0;
  out.pair_j = 0;

  const real r1 = n_elements > 0 ? in.element_mean_radius[0] : 0.0f;
  z.d = 2.0f * r1;
  if (!(z.d > 0.0f)) {
    out.status = GroupSetupStatus::no_diameter;
    return out.status;
  }
  z.L_d = L / z.d;

  // Mean modulus and Poisson's ratio weighted by thickness; a profile without
  // thicknesses (a parabolic medium has no layer depth) weights its layers
  // alike rather than dividing by zero.
  real total = 0.0f;
  for (std::size_t l = 0; l < n_layers; ++l) total += in.layer_thickness[l];
  const bool by_thickness = total > 0.0f;
  real sum_w = 0.0f;
  real sum_E = 0.0f;
  real sum_nu = 0.0f;
  for (std::size_t l = 0; l < n_layers; ++l) {
    const real wl = by_thickness ? in.layer_thickness[l] : 1.0f;
    sum_w += wl;
    sum_E += wl * youngs_modulus(in.layer_poisson[l], in.layer_unit_weight[l], in.layer_velocity[l], g);
    sum_nu += wl * in.layer_poisson[l];
  }
  if (sum_w > 0.0f) {
    z.E_s = sum_E / sum_w;
    z.nu_s = sum_nu / sum_w;
  }
  z.E_b = youngs_modulus(in.below_poisson, in.below_unit_weight, in.below_velocity, g);
  if (n_layers > 0) {
    z.E_L = youngs_modulus(in.layer_poisson[n_layers - 1], in.layer_unit_weight[n_layers - 1], in.tip_velocity, g);
  }

  const real Ep = in.pile_modulus;
  if (z.E_s > 0.0f) {
    z.K = Ep * in.element_area[0] / (z.E_s * pi * z.d * z.d / 4.0f);
    z.Eb_Es = z.E_b / z.E_s;
  } else {
    z.K = 1.0e8f;
    z.Eb_Es = 1.0e8f;
  }
  if (z.E_L > 0.0f) {
    const real I = (in.element_inertia_x[0] + in.element_inertia_y[0]) / 2.0f;
    z.K_R = Ep * I / (z.E_L * pi * z.d * z.d * z.d * z.d / 64.0f);
  } else {
    z.K_R = 1.0e8f;
  }
  z.db_d = in.element_mean_radius[n_elements - 1] / r1;
  z.r = (n_layers > 0 && in.layer_velocity[0] == 0.0f) ? in.layer_thickness[0] / z.d : 0.0f;

  for (int j = 1; j <= n; ++j) {
    for (int i = j + 1; i <= n; ++i) {
      const real dx = out.x[i - 1] - out.x[j - 1];
      const real dy = out.y[i - 1] - out.y[j - 1];
      const real s_d = std::sqrt(dx * dx + dy * dy) / z.d;
      out.spacing_axial(i, j) = s_d;
      out.angle(j, i) = dx == 0.0f ? pi / 2.0f : std::atan(std::fabs(dy) / std::fabs(dx));
      out.angle(i, j) = dy == 0.0f ? pi / 2.0f : std::atan(std::fabs(dx) / std::fabs(dy));
      AXIAL_STATIC_FACTOR(out.spacing_axial(j, i), s_d, z.L_d, z.K, z.Eb_Es, z.nu_s, z.db_d);
      LATERAL_STATIC_FACTORS(s_d, z.K_R, 0.0f, z.r, out.lateral[0](j, i), out.lateral[1](j, i), out.lateral[2](j, i));
      LATERAL_STATIC_FACTORS(s_d, z.K_R, pi / 2.0f, z.r, out.lateral[0](i, j), out.lateral[1](i, j),
                             out.lateral[2](i, j));
      if (s_d < 1.0f && out.status == GroupSetupStatus::ok) {
        out.status = GroupSetupStatus::overlapping_piles;
        out.pair_i = i;
        out.pair_j = j;
      }
    }
  }
  return out.status;
}

PairKey pair_key(const GroupInteraction& t, int p, int q) {
  assert(p < q);
  return {t.spacing_axial(q, p),
          t.spacing_axial(p, q),
          t.angle(p, q),
          t.angle(q, p),
          {t.lateral[0](p, q), t.lateral[1](p, q), t.lateral[2](p, q)},
          {t.lateral[0](q, p), t.lateral[1](q, p), t.lateral[2](q, p)}};
}

void GROUP_PAIR_CLASSES(const GroupInteraction& pairs, int n_piles, GroupPairClasses& out) {
  assert(n_piles >= 0 && n_piles <= GROUP_MAX_PILES);
  using Bits = std::array<std::uint32_t, 10>;
  static_assert(sizeof(PairKey) == sizeof(Bits));
  struct Hash {
    std::size_t operator()(const Bits& b) const {
      std::uint64_t h = 1469598103934665603ull;
      for (std::uint32_t v : b) h = (h ^ v) * 1099511628211ull;
      return static_cast<std::size_t>(h);
    }
  };
  std::unordered_map<Bits, int, Hash> seen;
  out.n_piles = n_piles;
  out.pair_class.clear();
  out.keys.clear();
  out.pair_class.reserve(static_cast<std::size_t>(n_piles) * (n_piles - 1) / 2);
  for (int p = 1; p < n_piles; ++p) {
    for (int q = p + 1; q <= n_piles; ++q) {
      const PairKey key = pair_key(pairs, p, q);
      Bits bits;
      std::memcpy(bits.data(), &key, sizeof bits);
      const auto [it, added] = seen.try_emplace(bits, static_cast<int>(out.keys.size()));
      if (added) out.keys.push_back(key);
      out.pair_class.push_back(it->second);
    }
  }
}

}  // namespace zav
