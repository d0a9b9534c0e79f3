#pragma once

#include <cmath>
#include <exception>
#include <string>

// The number a whole command-line text spells, or NaN when it spells none (nothing
// read, or characters left over).
inline double NumberOfText(const std::string& text) {
  std::size_t end = 0;
  try {
    const double value = std::stod(text, &end);
    return end == text.size() ? value : NAN;
  } catch (const std::exception&) {
    return NAN;
  }
}
