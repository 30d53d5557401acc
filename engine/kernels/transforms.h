// Congruence transforms of 6 by 6 complex impedance matrices: moving an
// impedance to another reference point, and turning a battered pile's
// impedance from its own axes into the axes of the pile cap.
#pragma once

#include "common/types.h"

namespace zav {

// R = T^T K T over the leading n by n block (n = 6 in every use); the rest of
// R keeps what the caller put there. T is real, column by column with leading
// dimension 6. Each R(j, l) is also written at R(l, j), so R comes out
// symmetric, as the impedances of this system are. R may be K itself.
void COMPLEX_TRANSFORM_6(const Cmat6& K, Mat<const real> T, Cmat6& R, int n);

// R = T^T K T with T = [[L, 0], [0, L]] built from the nine direction angles
// of the pile (degrees): L(r, c) = cos theta(r, c). angles is the batter
// table, 500 piles by nine angles: angles(pile, m) with m = 1..9 in the order
// theta(1,1), theta(1,2), theta(1,3), theta(2,1), ..., theta(3,3). Every
// entry of R is written; R may be K itself.
void BATTER_TRANSFORM(const Cmat6& K, int pile, Cmat6& R, Mat<const real> angles);

}  // namespace zav
