#pragma once

#include <cstring>

// A complex value as one two-lane vector of doubles (real, imaginary), a vector type of
// GCC and Clang. Each complex addition is then one SSE2 instruction, and a product
// with a twiddle four, where plain doubles take twice as many; the transforms are
// bound by exactly that arithmetic. Loads and stores go through memcpy because script
// memory guarantees only the alignment of a double.
typedef double ComplexPair __attribute__((vector_size(2 * sizeof(double))));

inline ComplexPair LoadPair(const double* cells) {
  ComplexPair value;
  std::memcpy(&value, cells, sizeof value);
  return value;
}

inline void StorePair(double* cells, ComplexPair value) { std::memcpy(cells, &value, sizeof value); }

// (imaginary, real)
inline ComplexPair Swapped(ComplexPair value) { return ComplexPair{value[1], value[0]}; }

// i·z = (−imaginary, real)
inline ComplexPair TimesI(ComplexPair value) { return Swapped(value) * ComplexPair{-1.0, 1.0}; }

// z·(c + i·s), the twiddle given as the lane pairs (c, c) and (−s, s).
inline ComplexPair Rotated(ComplexPair value, ComplexPair cosines, ComplexPair signedSines) {
  return value * cosines + Swapped(value) * signedSines;
}

// z·(c − i·s), with the same lane pairs.
inline ComplexPair RotatedBack(ComplexPair value, ComplexPair cosines, ComplexPair signedSines) {
  return value * cosines - Swapped(value) * signedSines;
}
