#pragma once

#include <cmath>

// Translated scripts never store a NaN or an infinity into a script variable:
// such a result becomes 0. Denormals pass unchanged.
inline double FiniteOrZero(double value) { return std::isfinite(value) ? value : 0.0; }
