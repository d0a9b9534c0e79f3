#pragma once

#include <cmath>
#include <limits>

#include "vstgui/gdiplus_api.h"

namespace VSTGUI {

// A toolkit coordinate for GDI+'s integer calls: truncated toward zero. Values beyond
// what an int holds (and NaN) would be undefined to convert; they are held at the
// range's ends (NaN at 0) and GDI+ clips them away like any far-off coordinate.
inline INT ToDeviceInt(double value) {
  if (std::isnan(value)) return 0;
  if (value >= static_cast<double>(std::numeric_limits<INT>::max())) return std::numeric_limits<INT>::max();
  if (value <= static_cast<double>(std::numeric_limits<INT>::min())) return std::numeric_limits<INT>::min();
  return static_cast<INT>(value);
}

inline Gdiplus::REAL ToDeviceReal(double value) { return static_cast<Gdiplus::REAL>(value); }

}  // namespace VSTGUI
