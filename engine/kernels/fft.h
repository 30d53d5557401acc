// Mixed-radix discrete Fourier transform of a complex series of any length,
// in place, with caller-supplied work arrays.
#pragma once

#include <array>
#include <span>

#include "common/types.h"

namespace zav {

// The longest series the engine transforms: a transient load of at most 1024
// time points.
inline constexpr int FFT_MAX_POINTS = 1024;

// A length below 2^31 has at most 31 prime factors.
inline constexpr int FFT_MAX_FACTORS = 32;

// Work array sizes FFT_MIXED_RADIX needs for a series of n values: the factor
// list and the permutation cycle table (integer), the cosines and sines of one
// factor's multiples and the pair sums of the general odd butterfly (real).
constexpr int fft_iwk_size(int n) { return FFT_MAX_FACTORS + n; }
constexpr int fft_wk_size(int n) { return 4 * n; }

// Work arrays for any series up to FFT_MAX_POINTS values.
struct FftWork {
  std::array<int, fft_iwk_size(FFT_MAX_POINTS)> iwk{};
  std::array<real, fft_wk_size(FFT_MAX_POINTS)> wk{};
};

// A(k) := sum over j = 0..N-1 of A(j) * exp(+2 pi i j k / N), k = 0..N-1, in
// place and unscaled: the caller chooses the direction (by conjugating) and
// the 1/N factor. IWK and WK hold at least fft_iwk_size(N) and fft_wk_size(N)
// values; nothing survives the call.
void FFT_MIXED_RADIX(cplx* A, int N, std::span<int> IWK, std::span<real> WK);

}  // namespace zav
