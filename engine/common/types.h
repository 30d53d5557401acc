// Shared numeric types of the engine: single-precision reals and complex
// values, and 1-based column-major views over fixed-leading-dimension arrays.
#pragma once

#include <cassert>
#include <complex>

namespace zav {

using real = float;
using cplx = std::complex<float>;

// A(i, j) over column-major storage with leading dimension ld; i and j count
// from 1, as the engine's matrix notation does.
template <class T>
struct Mat {
  T* data;
  int ld;
  T& operator()(int i, int j) const {
    assert(i >= 1 && j >= 1);
    return data[(i - 1) + static_cast<long>(j - 1) * ld];
  }
};

// A 6 by 6 complex impedance matrix, column by column.
struct Cmat6 {
  cplx a[36] = {};
  cplx& operator()(int i, int j) { return a[(i - 1) + (j - 1) * 6]; }
  const cplx& operator()(int i, int j) const { return a[(i - 1) + (j - 1) * 6]; }
  Mat<cplx> view() { return {a, 6}; }
};

}  // namespace zav
