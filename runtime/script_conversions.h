#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

// The whole number a script value stands for: the value nudged away from zero by a
// ten-thousandth, so that values a rounding error short of an integer count as that
// integer, then truncated. NaN and the infinities stay what they are.
inline double NudgedWhole(double value) { return std::trunc(value >= 0.0 ? value + 0.0001 : value - 0.0001); }

// That whole number as a 32-bit integer; values beyond its range, and NaN, give 0.
inline std::int32_t ToIntNudged(double value) {
  const double whole = NudgedWhole(value);
  if (!(whole >= std::numeric_limits<std::int32_t>::min() && whole <= std::numeric_limits<std::int32_t>::max())) {
    return 0;
  }
  return static_cast<std::int32_t>(whole);
}
