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

// A colour channel from 0 to 1 as the byte the drawing entry points take: scaled to
// 255, nudged and truncated like any whole number, held within 0 to 255 (NaN gives 0).
inline std::int32_t ToChannelByte(double channel) {
  const double whole = NudgedWhole(channel * 255.0);
  if (!(whole > 0.0)) return 0;
  return whole >= 255.0 ? 255 : static_cast<std::int32_t>(whole);
}

// A packed colour (red in bits 0-7, green 8-15, blue 16-23) as the integer its value is
// truncated to; values beyond 64 bits are held at the range's ends, NaN gives 0.
inline std::int64_t PackedColorBits(double packed) {
  const double whole = std::trunc(packed);
  if (std::isnan(whole)) return 0;
  if (whole >= 9223372036854775807.0) return std::numeric_limits<std::int64_t>::max();
  if (whole <= -9223372036854775808.0) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(whole);
}
