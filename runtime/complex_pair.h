#pragma once

#include <cstring>

#ifdef __FMA__
#include <immintrin.h>  // its functions are inline-only, never emitted with external linkage
#endif

// Complex values as vectors of doubles in (real, imaginary) lane pairs, a vector type of
// GCC and Clang. Each complex addition is then one SSE2 instruction, and a product
// with a twiddle four, where plain doubles take twice as many; the transforms are
// bound by exactly that arithmetic. Loads and stores go through memcpy because script
// memory guarantees only the alignment of a double.
//
// Everything here has internal linkage: the transform kernels are compiled once for
// the baseline instruction set and once for each faster kernel set, and the linker
// must never merge two copies of a helper.
namespace {

// One complex value.
typedef double ComplexPair __attribute__((vector_size(2 * sizeof(double))));

template <typename Lanes>
Lanes LoadLanes(const double* cells) {
  Lanes value;
  std::memcpy(&value, cells, sizeof value);
  return value;
}

template <typename Lanes>
void StoreLanes(double* cells, Lanes value) {
  std::memcpy(cells, &value, sizeof value);
}

// (imaginary, real)
inline ComplexPair Swapped(ComplexPair value) { return ComplexPair{value[1], value[0]}; }

// i·z = (−imaginary, real)
inline ComplexPair TimesI(ComplexPair value) { return Swapped(value) * ComplexPair{-1.0, 1.0}; }

#ifdef __AVX__
// Two consecutive complex values, for the kernel sets built with AVX.
typedef double ComplexQuad __attribute__((vector_size(4 * sizeof(double))));

inline ComplexQuad Swapped(ComplexQuad value) { return ComplexQuad{value[1], value[0], value[3], value[2]}; }

#endif

// a·b + c and c − a·b. The kernels built for FMA round each once instead of twice;
// the others compute exactly what the baseline does.
template <typename Lanes>
Lanes MultiplyAdd(Lanes a, Lanes b, Lanes c) {
  return a * b + c;
}

template <typename Lanes>
Lanes MultiplySubtract(Lanes a, Lanes b, Lanes c) {
  return c - a * b;
}

#ifdef __FMA__
template <>
inline ComplexQuad MultiplyAdd(ComplexQuad a, ComplexQuad b, ComplexQuad c) {
  return _mm256_fmadd_pd(a, b, c);
}

template <>
inline ComplexQuad MultiplySubtract(ComplexQuad a, ComplexQuad b, ComplexQuad c) {
  return _mm256_fnmadd_pd(a, b, c);
}
#endif

// v + i·z and v − i·z: i·z is (−imaginary, real), the swapped lanes times these signs.
inline ComplexPair SignsOfI(ComplexPair) { return ComplexPair{-1.0, 1.0}; }
#ifdef __AVX__
inline ComplexQuad SignsOfI(ComplexQuad) { return ComplexQuad{-1.0, 1.0, -1.0, 1.0}; }
#endif

template <typename Lanes>
Lanes PlusTimesI(Lanes value, Lanes z) {
  return MultiplyAdd(Swapped(z), SignsOfI(z), value);
}

template <typename Lanes>
Lanes MinusTimesI(Lanes value, Lanes z) {
  return MultiplySubtract(Swapped(z), SignsOfI(z), value);
}

// z·(c + i·s), the twiddle given as the lanes (c, c) and (−s, s) for each value.
template <typename Lanes>
Lanes Rotated(Lanes value, Lanes cosines, Lanes signedSines) {
  return MultiplyAdd(Swapped(value), signedSines, value * cosines);
}

// z·(c − i·s), with the same lanes.
template <typename Lanes>
Lanes RotatedBack(Lanes value, Lanes cosines, Lanes signedSines) {
  return MultiplySubtract(Swapped(value), signedSines, value * cosines);
}

}  // namespace
