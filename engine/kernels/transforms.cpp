// Congruence transforms of impedance matrices.
#include "kernels/transforms.h"

#include <cassert>
#include <cmath>

#include "common/constants.h"

namespace zav {

void COMPLEX_TRANSFORM_6(const Cmat6& K, Mat<const real> T, Cmat6& R, int n) {
  assert(n >= 1 && n <= 6 && T.ld == 6);
  // W = K T, each sum accumulated in single precision in the order of k.
  Cmat6 W;
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) {
      cplx sum(0.0f);
      for (int k = 1; k <= n; ++k) sum = sum + K(i, k) * T(k, j);
      W(i, j) = sum;
    }
  }
  // R = T^T W; the later of the two computations of a symmetric pair stands.
  for (int j = 1; j <= n; ++j) {
    for (int l = 1; l <= n; ++l) {
      cplx sum(0.0f);
      for (int k = 1; k <= n; ++k) sum = sum + T(k, j) * W(k, l);
      R(j, l) = sum;
      R(l, j) = sum;
    }
  }
}

void BATTER_TRANSFORM(const Cmat6& K, int pile, Cmat6& R, Mat<const real> angles) {
  assert(pile >= 1 && pile <= angles.ld);
  real t[36] = {};
  const Mat<real> T{t, 6};
  for (int r = 1; r <= 3; ++r) {
    for (int c = 1; c <= 3; ++c) {
      const real direction_cosine = std::cos(angles(pile, 3 * (r - 1) + c) * pi / 180.0f);
      T(r, c) = direction_cosine;
      T(r + 3, c + 3) = direction_cosine;
    }
  }
  COMPLEX_TRANSFORM_6(K, Mat<const real>{t, 6}, R, 6);
}

}  // namespace zav
