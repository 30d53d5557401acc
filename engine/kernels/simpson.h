// Integration of equally spaced samples.
#pragma once

#include "common/types.h"

namespace zav {

// result := integral over the N samples Y(1..N) spaced h apart. An odd count
// takes the composite Simpson rule 1, 4, 2, 4, ..., 2, 4, 1 (times h/3); an
// even count takes it over the first N - 3 samples and Simpson's three-eighths
// rule over the last four, so that every count from 3 on integrates cubics
// exactly. Two samples give the trapezoid, one sample an empty interval (0).
void SIMPSON(const real* Y, int N, real h, real& result);

}  // namespace zav
