#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

// A script value used as a whole number: nudged away from zero by a ten-thousandth,
// so that values a rounding error short of an integer count as that integer, then
// truncated. Values beyond the 32-bit range, and NaN, give 0.
inline std::int32_t ToIntNudged(double value) {
  const double whole = std::trunc(value >= 0.0 ? value + 0.0001 : value - 0.0001);
  if (!(whole >= std::numeric_limits<std::int32_t>::min() && whole <= std::numeric_limits<std::int32_t>::max())) {
    return 0;
  }
  return static_cast<std::int32_t>(whole);
}
