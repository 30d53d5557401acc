// Pile and multilayer decks in the front end's layout, and the single-pile
// input that the same numbers make for the pile routine, built here from the
// deck's own values.
#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "analysis/tests/analysis_deck.h"
#include "kernels/footing.h"
#include "kernels/pile_impedance.h"

namespace zav::testing {

struct PileElement {
  double h = 4, rx = 0.3, ry = 0.3, A = 0.28274334, Ix = 0.0063617251, Iy = 0.0063617251, J = 0.01272345;
};

struct PileSoil {
  double Vs, gamma, nu, D;
  double weak_ratio = 1.0, weak_thickness = 0.0;  // thickness as a ratio of the element's mean radius
};

struct PileDeck {
  bool multilayer = false;
  std::vector<std::array<double, 2>> piles = {{0, 0}};
  bool pinned = false;
  bool end_bearing = false;
  bool interaction = false;
  // Battered piles, one row per pile: the plane ("XZ" or "YZ") and the angle
  // with the vertical in degrees; none when empty.
  std::vector<std::pair<std::string, double>> batter;
  std::vector<PileElement> elements = {{}, {}, {}};
  // Along the piles (for a multilayer column: the adjacent layers).
  std::vector<PileSoil> soil = {{120, 17, 0.4, 0.05}, {160, 17.5, 0.4, 0.05}, {200, 18, 0.4, 0.05}};
  // Multilayer column below its adjacent layers: Vs, gamma, nu, D, G and D ratios.
  std::vector<std::array<double, 6>> column_soil;
  double cap_radius = 1.0;
  std::array<double, 7> mass = {30, 12, 12, 15, 0, 0, 0};
  double xc = 0, yc = 0, hc = 0.8, L = 12, gamma_p = 24;
  double P = 300, nu_p = 0.25, D_p = 0.01, kappa = 0.9, E_p = 3e7;
  PileSoil below = {350, 19, 0.3, 0.05};
  std::vector<SideLayer> cap_sides;  // soil beside the cap
  bool side_cap = false;             // with weakened zones beside the cap
  bool matrix = true;
};

// A column of five elements: two adjacent layers, three of soil below it.
inline PileDeck multilayer_column() {
  PileDeck p;
  p.multilayer = true;
  p.elements.assign(5, {1.2, 1.5, 1.5, 7.0685835, 3.9760782, 3.9760782, 7.9521564});
  p.soil = {{150, 17, 0.35, 0.05}, {170, 17.5, 0.35, 0.05}};
  p.column_soil = {{200, 18, 0.33, 0.04, 1.5, 0.8}, {220, 18, 0.33, 0.04, 1.5, 0.8}, {240, 18.5, 0.33, 0.04, 1.5, 0.8}};
  p.cap_radius = 1.5;
  p.L = 6;
  return p;
}

inline Lines pile_deck(const PileDeck& p, const Lines& load) {
  Lines d = {"TITLE=Piles"};
  if (p.matrix) d.push_back("MATRIX");
  d = d + Lines{"GRAVITY=9.8", p.multilayer ? "FOUNDATION=MULTILAYER" : "FOUNDATION=PILE",
                "CIRCULAR=" + num(p.cap_radius), "MASS "};
  const auto& m = p.mass;
  d.push_back(nums({m[0], m[1], m[2], m[3], m[4], m[5], m[6]}, false));
  const int n = static_cast<int>(p.elements.size());
  if (p.multilayer) {
    d.push_back("LAYER=" + std::to_string(n));
  } else {
    d.push_back("LAYERS=" + std::to_string(n));
    d.push_back((p.pinned ? "PINNED=" : "FIXED=") + std::to_string(p.piles.size()));
    int i = 0;
    for (const auto& xy : p.piles) d.push_back(nums({double(++i), xy[0], xy[1]}));
  }
  d = d + Lines{"CONSTANTS ", nums({p.xc, p.yc, p.hc, p.L, p.gamma_p}),
                nums({p.P, p.nu_p, p.D_p, p.kappa, p.E_p}, false), "ELEMENT"};
  int i = 0;
  for (const PileElement& e : p.elements)
    d.push_back(nums({double(++i), e.h, e.rx, e.ry, e.A, e.Ix, e.Iy, e.J}, false));
  if (!p.multilayer) d.push_back(p.end_bearing ? "END-BEARING" : "FLOATING");
  if (!p.batter.empty()) d.push_back("BATTERED");
  i = 0;
  for (const auto& [plane, angle] : p.batter) d = d + Lines{std::to_string(++i) + " " + plane + "  ", num(angle) + " "};
  if (p.interaction) d.push_back("INTERACTION ");
  d.push_back("SOIL ");
  if (p.multilayer) {
    d.push_back("WEAK ");
    d.push_back("CONSTANTS=" + std::to_string(p.soil.size()));
  } else {
    d = d + Lines{"WEAK", "CONSTANTS"};
  }
  i = 0;
  for (const PileSoil& l : p.soil) {
    d.push_back(nums({double(++i), l.Vs, l.gamma, l.nu, l.D, l.weak_ratio, l.nu, 2 * l.D, l.weak_thickness}, false));
  }
  for (const auto& c : p.column_soil) d.push_back(nums({double(++i), c[0], c[1], c[2], c[3], c[4], c[5]}, false));
  d.push_back("BELOW=" + num(p.below.Vs) + " " + nums({p.below.gamma, p.below.nu, p.below.D}, false));
  if (!p.cap_sides.empty()) {
    if (p.side_cap) d.push_back("SIDE-CAP");
    d.push_back("EMBEDDED");
    d.push_back(std::to_string(p.cap_sides.size()) + " ");
    i = 0;
    for (const SideLayer& l : p.cap_sides) {
      d.push_back(
          p.side_cap
              ? nums({double(++i), l.h, l.Vs, l.gamma, l.nu, l.D, l.weak_ratio, l.nu, 2 * l.D, l.weak_thickness}, false)
              : nums({double(++i), l.h, l.Vs, l.gamma, l.nu, l.D}, false));
    }
  }
  d.push_back("LOAD ");
  return d + load + Lines{"RUN ", "0", "0 0 0 ", "0 0 0 ", "0 0 0 "};
}

// What the single-pile routine is given for the deck's pile or column, and
// its three radius and second-moment tables: mean radii with Ix, radii X with
// Ix, radii Y with Iy.
struct PileReference {
  PileImpedanceInput in;
  PileTable mean, rx, ry, Ix, Iy;

  explicit PileReference(const PileDeck& p) {
    const int n = static_cast<int>(p.elements.size());
    const int na = p.multilayer ? static_cast<int>(p.soil.size()) : n;
    in.column_switch = p.multilayer ? -1 : 1;
    in.n = n;
    in.na = p.multilayer ? na : 0;
    in.gamma_p = static_cast<real>(p.gamma_p);
    in.nu_p = static_cast<real>(p.nu_p);
    in.g = 9.8f;
    in.kappa = static_cast<real>(p.kappa);
    in.Ep = static_cast<real>(p.E_p);
    in.P = static_cast<real>(p.P);
    in.Dp = static_cast<real>(p.D_p);
    in.weak_zone_switch = 1;
    PileTable h, Vs, nu;
    for (int j = 1; j <= n; ++j) {
      const PileElement& e = p.elements[static_cast<std::size_t>(j - 1)];
      mean(j) = static_cast<real>((e.rx + e.ry) / 2);
      rx(j) = static_cast<real>(e.rx);
      ry(j) = static_cast<real>(e.ry);
      Ix(j) = static_cast<real>(e.Ix);
      Iy(j) = static_cast<real>(e.Iy);
      in.h(j) = static_cast<real>(e.h);
      in.A(j) = static_cast<real>(e.A);
      in.J(j) = static_cast<real>(e.J);
      in.rho_G(j) = in.rho_D(j) = 1.0f;
      if (j <= na) {
        const PileSoil& l = p.soil[static_cast<std::size_t>(j - 1)];
        in.Vs(j) = static_cast<real>(l.Vs);
        in.gamma(j) = static_cast<real>(l.gamma);
        in.nu(j) = static_cast<real>(l.nu);
        in.D(j) = static_cast<real>(l.D);
        const bool zone = l.weak_ratio <= 0.999;
        in.weak_ratio(j) = static_cast<real>(l.weak_ratio);
        in.weak_nu(j) = static_cast<real>(l.nu);
        in.weak_D(j) = static_cast<real>(2 * l.D);
        in.weak_t(j) = zone ? static_cast<real>(l.weak_thickness * (e.rx + e.ry) / 2) : 0.0f;
      } else {
        const auto& c = p.column_soil[static_cast<std::size_t>(j - na - 1)];
        in.Vs(j) = static_cast<real>(c[0]);
        in.gamma(j) = static_cast<real>(c[1]);
        in.nu(j) = static_cast<real>(c[2]);
        in.D(j) = static_cast<real>(c[3]);
        in.rho_G(j) = static_cast<real>(c[4]);
        in.rho_D(j) = static_cast<real>(c[5]);
        in.weak_ratio(j) = 1.0f;
        in.weak_nu(j) = in.nu(j);
        in.weak_D(j) = in.D(j);
      }
      h(j) = in.h(j);
      Vs(j) = in.Vs(j);
      nu(j) = in.nu(j);
    }
    in.Vb = static_cast<real>(p.below.Vs);
    in.gamma_b = static_cast<real>(p.below.gamma);
    in.nu_b = static_cast<real>(p.below.nu);
    in.Db = static_cast<real>(p.below.D);
    PileTable sh, sVs, snu;
    for (std::size_t k = 0; k < p.cap_sides.size(); ++k) {
      sh(int(k) + 1) = static_cast<real>(p.cap_sides[k].h);
      sVs(int(k) + 1) = static_cast<real>(p.cap_sides[k].Vs);
      snu(int(k) + 1) = static_cast<real>(p.cap_sides[k].nu);
    }
    LAYER_FREQUENCIES(p.end_bearing ? 1 : 0, {static_cast<real>(n), &h(1), &Vs(1), &nu(1)},
                      {static_cast<real>(p.cap_sides.size()), &sh(1), &sVs(1), &snu(1)}, in.Vb, in.omega1, in.omegac);
  }

  // The head matrix of one pile at omega, as k + i omega c of the three calls:
  // fixed head (or a column), or a pinned head without moments.
  std::array<std::array<std::complex<double>, 6>, 6> head(real omega, bool pinned) const {
    PileHeadTerms t1, t2, t3;
    PILE_IMPEDANCE(in, mean, Ix, omega, t1);
    PILE_IMPEDANCE(in, rx, Ix, omega, t2);
    PILE_IMPEDANCE(in, ry, Iy, omega, t3);
    auto term = [omega](const PileHeadTerms& t, int k) { return std::complex<double>(t.k(k), double(omega) * t.c(k)); };
    std::array<std::array<std::complex<double>, 6>, 6> K{};
    K[2][2] = term(t1, PILE_VERTICAL);
    K[5][5] = term(t1, PILE_TORSION);
    if (pinned) {
      K[0][0] = term(t2, PILE_PINNED);
      K[1][1] = term(t3, PILE_PINNED);
    } else {
      K[0][0] = term(t2, PILE_HORIZONTAL);
      K[4][4] = term(t2, PILE_ROCKING);
      K[0][4] = K[4][0] = term(t2, PILE_COUPLING);
      K[1][1] = term(t3, PILE_HORIZONTAL);
      K[3][3] = term(t3, PILE_ROCKING);
      K[1][3] = K[3][1] = -term(t3, PILE_COUPLING);
    }
    return K;
  }
};

// The impedance K at a point (x, y) of the base moved to the centre of
// gravity at height h above it: B = T^T K T, T the rigid-body transfer.
inline std::array<std::array<std::complex<double>, 6>, 6> transferred(
    const std::array<std::array<std::complex<double>, 6>, 6>& K, double dx, double dy, double h) {
  double T[6][6] = {};
  for (int i = 0; i < 6; ++i) T[i][i] = 1;
  T[0][4] = -h;
  T[0][5] = dy;
  T[1][3] = h;
  T[1][5] = -dx;
  T[2][3] = -dy;
  T[2][4] = dx;
  std::array<std::array<std::complex<double>, 6>, 6> B{};
  for (int i = 0; i < 6; ++i)
    for (int j = 0; j < 6; ++j)
      for (int k = 0; k < 6; ++k)
        for (int l = 0; l < 6; ++l) B[i][j] += T[k][i] * K[k][l] * T[l][j];
  return B;
}

// The constants of the report from an impedance at the centre of gravity:
// real parts, and 0.7 of the imaginary parts over omega.
inline Constants constants_of(const std::array<std::array<std::complex<double>, 6>, 6>& B, double omega) {
  static const int term[8][2] = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {1, 3}, {4, 0}};
  Constants c;
  c.omega = omega;
  for (int k = 0; k < 8; ++k) {
    const auto& b = B[term[k][0]][term[k][1]];
    c.K[k] = b.real();
    c.C[k] = 0.7 * b.imag() / omega;
  }
  c.C[3] = std::fabs(c.C[3]);
  c.C[4] = std::fabs(c.C[4]);
  return c;
}

}  // namespace zav::testing
