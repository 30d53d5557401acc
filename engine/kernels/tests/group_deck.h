// A pile group's input for the interaction set-up, with its own storage, and
// the head impedance of a sample pile.
#pragma once

#include <array>
#include <numbers>
#include <utility>
#include <vector>

#include "kernels/group_factors.h"

namespace zav {

// A group's input with its own storage: a uniform pile in one soil layer,
// overridden by the tests that need more.
struct GroupDeck {
  std::vector<real> x, y;
  std::array<std::vector<real>, 9> angles;
  std::vector<real> radius{0.5f}, area{static_cast<real>(std::numbers::pi / 4)},
      inertia_x{static_cast<real>(std::numbers::pi / 64)}, inertia_y{static_cast<real>(std::numbers::pi / 64)};
  std::vector<real> thickness{10.0f}, velocity{100.0f}, poisson{0.5f}, unit_weight{20.0f};
  GroupInteractionInput in;

  // Piles at the given points; with g = 10 the layer's modulus is 60000 and
  // Ep = 6e7 makes K = 1000.
  GroupDeck(std::vector<real> px, std::vector<real> py, real length) : x(std::move(px)), y(std::move(py)) {
    for (auto& a : angles) a.assign(x.size(), 0.0f);
    in.pile_length = length;
    in.pile_modulus = 6.0e7f;
    in.below_velocity = 50.0f;
    in.below_unit_weight = 20.0f;
    in.below_poisson = 0.5f;
    in.tip_velocity = 100.0f;
    in.gravity = 10.0f;
  }
  // Batter of pile p (from 1) in the XZ or YZ plane, stored as the batter
  // reader stores its nine direction angles.
  void batter(int p, bool xz, real theta) {
    const real xz_set[9] = {theta, 90, theta + 90, 90, 0, 90, 90 - theta, 90, theta};
    const real yz_set[9] = {0, 90, 90, 90, theta, theta + 90, 90, 90 - theta, theta};
    for (int k = 0; k < 9; ++k) angles[k][p - 1] = xz ? xz_set[k] : yz_set[k];
  }
  const GroupInteractionInput& input() {
    in.n_piles = static_cast<int>(x.size());
    in.pile_x = x;
    in.pile_y = y;
    for (int k = 0; k < 9; ++k) in.direction_angle[k] = angles[k];
    in.element_mean_radius = radius;
    in.element_area = area;
    in.element_inertia_x = inertia_x;
    in.element_inertia_y = inertia_y;
    in.layer_thickness = thickness;
    in.layer_velocity = velocity;
    in.layer_poisson = poisson;
    in.layer_unit_weight = unit_weight;
    return in;
  }
};

// Head impedance of one pile (kN, m): horizontal and rocking coupled, the
// y-direction coupling with the opposite sign, as the driver assembles it;
// alike in x and y.
inline Cmat6 pile_head() {
  Cmat6 K;
  K(1, 1) = K(2, 2) = cplx(1.2e5f, 3.0e4f);
  K(1, 5) = K(5, 1) = cplx(-1.5e5f, -2.0e4f);
  K(2, 4) = K(4, 2) = cplx(1.5e5f, 2.0e4f);
  K(4, 4) = K(5, 5) = cplx(4.0e5f, 5.0e4f);
  K(3, 3) = cplx(6.0e5f, 8.0e4f);
  K(6, 6) = cplx(2.0e4f, 1.0e3f);
  return K;
}

}  // namespace zav
