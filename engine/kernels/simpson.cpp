#include "kernels/simpson.h"

#include <cassert>

namespace zav {
namespace {

// Composite Simpson rule over an odd number n >= 3 of samples.
real simpson_odd(const real* Y, int n, real h) {
  real s = Y[0];
  for (int i = 1; i < n - 1; ++i) s += (i % 2 == 1 ? 4.0f : 2.0f) * Y[i];
  return (s + Y[n - 1]) * h / 3.0f;
}

}  // namespace

void SIMPSON(const real* Y, int N, real h, real& result) {
  assert(Y != nullptr && N >= 1);
  if (N == 1) {
    result = 0.0f;
  } else if (N == 2) {
    result = 0.5f * h * (Y[0] + Y[1]);
  } else if (N % 2 == 1) {
    result = simpson_odd(Y, N, h);
  } else {
    // The 1, 4, 2, ..., 4, 2, 1 weights of an even count would leave out a
    // third of an interval: close with the three-eighths rule instead.
    const real* tail = Y + (N - 4);
    const real three_eighths = 3.0f * h / 8.0f * (tail[0] + 3.0f * tail[1] + 3.0f * tail[2] + tail[3]);
    result = (N > 4 ? simpson_odd(Y, N - 3, h) : 0.0f) + three_eighths;
  }
}

}  // namespace zav
