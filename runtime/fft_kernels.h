#pragma once

#include <cstdint>

#include "runtime/complex_pair.h"

// The transform kernels. This header is compiled once for the baseline instruction set
// (fft.cpp) and, where the toolchain allows, once more for AVX (fft_avx.cpp), where
// its vectors use the three-operand encoding and the stages take two elements at a
// time. Hence internal linkage for everything: each copy keeps its own code. For the
// same reason it includes no header with inline functions of external linkage; the
// twiddle tables come as plain pointers, indexed by log2 of the size.

namespace {

// Conjugate-pair split-radix transform. Of n complex values, the first half carries the
// even-indexed spectrum, the third quarter the series X[4k − 1] and the fourth quarter
// the series X[4k + 1]; each part is transformed the same way in place. The forward
// transform splits first and recurses (decimation in frequency); the inverse, its
// transpose, recurses first and merges.

constexpr double kSqrtHalf = 0.70710678118654752440;
constexpr double kCosEighthPi = 0.92387953251128675613;
constexpr double kSinEighthPi = 0.38268343236508977173;

// Element m of a stage at p0 … p3 (its four quarters), with w^m = c − i·s and
// w = e^(−2πi/n): p0 and p1 receive the half-size input x[m] + x[m + n/2] and
// x[m + n/4] + x[m + 3n/4]; with d0 = x[m] − x[m + n/2] and d1 = x[m + n/4] − x[m + 3n/4],
// p2 receives (d0 + i·d1)·w^(−m) for the series 4k − 1 and p3 (d0 − i·d1)·w^m for the
// series 4k + 1. The twiddle comes as the lanes (c, c) and (−s, s); with ComplexQuad
// lanes, elements m and m + 1 at once.
template <typename Lanes>
inline void SplitForward(double* p0, double* p1, double* p2, double* p3, Lanes cosines, Lanes signedSines) {
  const Lanes x0 = LoadLanes<Lanes>(p0), x1 = LoadLanes<Lanes>(p1);
  const Lanes x2 = LoadLanes<Lanes>(p2), x3 = LoadLanes<Lanes>(p3);
  StoreLanes(p0, x0 + x2);
  StoreLanes(p1, x1 + x3);
  const Lanes d0 = x0 - x2, id1 = TimesI(x1 - x3);
  StoreLanes(p2, Rotated(d0 + id1, cosines, signedSines));
  StoreLanes(p3, RotatedBack(d0 - id1, cosines, signedSines));
}

// SplitForward for m = 0, where the twiddle is 1.
inline void SplitForwardUntwiddled(double* p0, double* p1, double* p2, double* p3) {
  const ComplexPair x0 = LoadLanes<ComplexPair>(p0), x1 = LoadLanes<ComplexPair>(p1);
  const ComplexPair x2 = LoadLanes<ComplexPair>(p2), x3 = LoadLanes<ComplexPair>(p3);
  StoreLanes(p0, x0 + x2);
  StoreLanes(p1, x1 + x3);
  const ComplexPair d0 = x0 - x2, id1 = TimesI(x1 - x3);
  StoreLanes(p2, d0 + id1);
  StoreLanes(p3, d0 - id1);
}

// The transpose of SplitForward: from the half-size results y at p0, p1 and the
// quarter-size results z' (series 4k − 1) at p2 and z (series 4k + 1) at p3, with
// a = z·w^(−m) and b = z'·w^m: x[m] = y0 + (a + b), x[m + n/2] = y0 − (a + b),
// x[m + n/4] = y1 + i·(a − b), x[m + 3n/4] = y1 − i·(a − b).
template <typename Lanes>
inline void MergeInverse(double* p0, double* p1, double* p2, double* p3, Lanes cosines, Lanes signedSines) {
  const Lanes a = Rotated(LoadLanes<Lanes>(p3), cosines, signedSines);
  const Lanes b = RotatedBack(LoadLanes<Lanes>(p2), cosines, signedSines);
  const Lanes y0 = LoadLanes<Lanes>(p0), y1 = LoadLanes<Lanes>(p1), sum = a + b, idifference = TimesI(a - b);
  StoreLanes(p0, y0 + sum);
  StoreLanes(p2, y0 - sum);
  StoreLanes(p1, y1 + idifference);
  StoreLanes(p3, y1 - idifference);
}

// MergeInverse for m = 0.
inline void MergeInverseUntwiddled(double* p0, double* p1, double* p2, double* p3) {
  const ComplexPair a = LoadLanes<ComplexPair>(p3), b = LoadLanes<ComplexPair>(p2);
  const ComplexPair y0 = LoadLanes<ComplexPair>(p0), y1 = LoadLanes<ComplexPair>(p1);
  const ComplexPair sum = a + b, idifference = TimesI(a - b);
  StoreLanes(p0, y0 + sum);
  StoreLanes(p2, y0 - sum);
  StoreLanes(p1, y1 + idifference);
  StoreLanes(p3, y1 - idifference);
}

// Size 2 is its own inverse, and its own order is the natural one.
inline void Butterfly2(double* a) {
  const ComplexPair x0 = LoadLanes<ComplexPair>(a), x1 = LoadLanes<ComplexPair>(a + 2);
  StoreLanes(a, x0 + x1);
  StoreLanes(a + 2, x0 - x1);
}

// Sizes 4, 8 and 16 in straight lines, their twiddles as constants.
constexpr ComplexPair kEighthCosines = {kSqrtHalf, kSqrtHalf}, kEighthSines = {-kSqrtHalf, kSqrtHalf};
constexpr ComplexPair kSixteenthCosines = {kCosEighthPi, kCosEighthPi}, kSixteenthSines = {-kSinEighthPi, kSinEighthPi};
constexpr ComplexPair kThreeSixteenthsCosines = {kSinEighthPi, kSinEighthPi};
constexpr ComplexPair kThreeSixteenthsSines = {-kCosEighthPi, kCosEighthPi};

inline void Forward4(double* a) {
  SplitForwardUntwiddled(a, a + 2, a + 4, a + 6);
  Butterfly2(a);
}

inline void Forward8(double* a) {
  SplitForwardUntwiddled(a, a + 4, a + 8, a + 12);
  SplitForward(a + 2, a + 6, a + 10, a + 14, kEighthCosines, kEighthSines);
  Forward4(a);
  Butterfly2(a + 8);
  Butterfly2(a + 12);
}

inline void Forward16(double* a) {
  SplitForwardUntwiddled(a, a + 8, a + 16, a + 24);
  SplitForward(a + 2, a + 10, a + 18, a + 26, kSixteenthCosines, kSixteenthSines);
  SplitForward(a + 4, a + 12, a + 20, a + 28, kEighthCosines, kEighthSines);
  SplitForward(a + 6, a + 14, a + 22, a + 30, kThreeSixteenthsCosines, kThreeSixteenthsSines);
  Forward8(a);
  Forward4(a + 16);
  Forward4(a + 24);
}

inline void Inverse4(double* a) {
  Butterfly2(a);
  MergeInverseUntwiddled(a, a + 2, a + 4, a + 6);
}

inline void Inverse8(double* a) {
  Inverse4(a);
  Butterfly2(a + 8);
  Butterfly2(a + 12);
  MergeInverseUntwiddled(a, a + 4, a + 8, a + 12);
  MergeInverse(a + 2, a + 6, a + 10, a + 14, kEighthCosines, kEighthSines);
}

inline void Inverse16(double* a) {
  Inverse8(a);
  Inverse4(a + 16);
  Inverse4(a + 24);
  MergeInverseUntwiddled(a, a + 8, a + 16, a + 24);
  MergeInverse(a + 2, a + 10, a + 18, a + 26, kSixteenthCosines, kSixteenthSines);
  MergeInverse(a + 4, a + 12, a + 20, a + 28, kEighthCosines, kEighthSines);
  MergeInverse(a + 6, a + 14, a + 22, a + 30, kThreeSixteenthsCosines, kThreeSixteenthsSines);
}

#ifdef __AVX__
// The twiddles of elements m and m + 1 from their table entries (c, c, −s, s) and
// (c', c', −s', s'): the lanes (c, c, c', c') and (−s, s, −s', s').
inline void LoadTwiddleQuads(const double* entries, ComplexQuad& cosines, ComplexQuad& signedSines) {
  const ComplexQuad first = LoadLanes<ComplexQuad>(entries), second = LoadLanes<ComplexQuad>(entries + 4);
  cosines = ComplexQuad{first[0], first[1], second[0], second[1]};
  signedSines = ComplexQuad{first[2], first[3], second[2], second[3]};
}
#endif

// One stage over four quarters of `quarter` doubles each, element 0 done: operation
// (SplitForward or MergeInverse) for every further element; twiddle k (from 1) takes
// the four table values from 4k − 4 on. The AVX build takes the elements two at a time.
template <typename Operation>
void RunStage(double* a, std::int32_t quarter, const double* twiddles, Operation operation) {
  double* const p1 = a + quarter;
  double* const p2 = p1 + quarter;
  double* const p3 = p2 + quarter;
  std::int32_t j = 2;
#ifdef __AVX__
  for (; j + 2 < quarter; j += 4, twiddles += 8) {
    ComplexQuad cosines, signedSines;
    LoadTwiddleQuads(twiddles, cosines, signedSines);
    operation(a + j, p1 + j, p2 + j, p3 + j, cosines, signedSines);
  }
#endif
  for (; j < quarter; j += 2, twiddles += 4) {
    operation(a + j, p1 + j, p2 + j, p3 + j, LoadLanes<ComplexPair>(twiddles), LoadLanes<ComplexPair>(twiddles + 2));
  }
}

void ForwardStage(double* a, std::int32_t quarter, const double* twiddles) {
  SplitForwardUntwiddled(a, a + quarter, a + 2 * quarter, a + 3 * quarter);
  RunStage(a, quarter, twiddles, [](auto... arguments) { SplitForward(arguments...); });
}

void InverseStage(double* a, std::int32_t quarter, const double* twiddles) {
  MergeInverseUntwiddled(a, a + quarter, a + 2 * quarter, a + 3 * quarter);
  RunStage(a, quarter, twiddles, [](auto... arguments) { MergeInverse(arguments...); });
}

void ForwardRecursive(double* a, int log2, const double* const* twiddles) {
  if (log2 == 4) {
    Forward16(a);
    return;
  }
  if (log2 == 3) {
    Forward8(a);
    return;
  }
  const std::int32_t quarter = std::int32_t{1} << (log2 - 1);  // n/4 complex values, in doubles
  ForwardStage(a, quarter, twiddles[log2]);
  ForwardRecursive(a, log2 - 1, twiddles);
  ForwardRecursive(a + 2 * quarter, log2 - 2, twiddles);
  ForwardRecursive(a + 3 * quarter, log2 - 2, twiddles);
}

void InverseRecursive(double* a, int log2, const double* const* twiddles) {
  if (log2 == 4) {
    Inverse16(a);
    return;
  }
  if (log2 == 3) {
    Inverse8(a);
    return;
  }
  const std::int32_t quarter = std::int32_t{1} << (log2 - 1);
  InverseRecursive(a, log2 - 1, twiddles);
  InverseRecursive(a + 2 * quarter, log2 - 2, twiddles);
  InverseRecursive(a + 3 * quarter, log2 - 2, twiddles);
  InverseStage(a, quarter, twiddles[log2]);
}

}  // namespace
