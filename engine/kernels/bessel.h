// Modified Bessel functions of order 0 and 1 for a complex argument, in single
// precision, as the side soil reaction of a cylinder in damped soil needs them.
#pragma once

#include "common/types.h"

namespace zav {

// K0(z), modified Bessel function of the second kind of order 0; infinite at
// its pole z = 0.
void BESSEL_K0(cplx& result, const cplx& z);
// K1(z), modified Bessel function of the second kind of order 1; infinite at
// its pole z = 0.
void BESSEL_K1(cplx& result, const cplx& z);
// I0(z), modified Bessel function of the first kind of order 0.
void BESSEL_I0(cplx& result, const cplx& z);
// I1(z), modified Bessel function of the first kind of order 1.
void BESSEL_I1(cplx& result, const cplx& z);

}  // namespace zav
