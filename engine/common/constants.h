// The mathematical constants of the engine, each defined once, in single
// precision, with the reason for its value. Where a formula keeps a constant
// at fewer figures, that rounding is a constant of its own, named for what it
// does, so that every result stays as that formula gives it.
#pragma once

#include <numbers>

#include "common/types.h"

namespace zav {

// pi, 2 pi and pi/2 as the nearest floats (3.1415927, 6.2831855, 1.5707964;
// doubling and halving are exact).
inline constexpr real pi = std::numbers::pi_v<real>;
inline constexpr real two_pi = 2.0f * pi;
inline constexpr real half_pi = pi / 2.0f;

// pi to six figures, as the equivalent radii of a rectangular footing and the
// stratum footing's frequency in hertz take it.
inline constexpr real pi_six_figures = 3.14159f;

// The pi of the deck's frequencies: the front end writes a harmonic frequency
// as hertz times 6.28, so hertz are printed as omega 0.5 / 3.14, which gives
// back the hertz that were entered to the digit, where the true pi would not.
inline constexpr real deck_pi = 3.14f;

// Euler's constant, the nearest float 0.57721567.
inline constexpr real euler_gamma = std::numbers::egamma_v<real>;

// Euler's constant to the four places of Davenport's peak-factor formula,
// which the peak factors of a random response keep.
inline constexpr real euler_gamma_four_places = 0.5772f;

}  // namespace zav
