#pragma once
// Small helpers the calculations share. Each named value is stored in single
// precision; the arguments here are whole expressions evaluated in double.

#include <cmath>

#include "numtext/number_model.h"

namespace brindle {

// A side, radius, diameter or angle counts as typed only above a hundredth.
inline constexpr float kGivenThreshold = 0.01f;
inline bool IsGiven(float value) {
  return value > kGivenThreshold;
}

// Square root of a difference that rounding may leave a hair below zero.
inline double Root(double x) {
  return std::sqrt(x < 0.0 ? 0.0 : x);
}

// Squares through the power function, whose result is stored in single precision.
inline float Squared(float x) {
  return Single(std::pow(static_cast<double>(x), 2.0));
}

}  // namespace brindle
