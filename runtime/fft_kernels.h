#pragma once

#include <cstdint>

#include "runtime/fft_butterflies.h"

// The baseline kernels, one complex value per vector: compiled with the target's own
// instruction set only (fft_kernel_sets.cpp), the floor of every build. Internal
// linkage, as complex_pair.h explains; the twiddle tables come as plain pointers,
// indexed by log2 of the size (SpectralTables::TwiddlesByLog2).

namespace {

// SplitForward and MergeInverse of fft_butterflies.h on quarters in memory.
inline void SplitForward(double* p0, double* p1, double* p2, double* p3, ComplexPair cosines, ComplexPair signedSines) {
  OnQuarters(p0, p1, p2, p3, cosines, signedSines, [](auto&... lanes) { SplitForward(lanes...); });
}

inline void MergeInverse(double* p0, double* p1, double* p2, double* p3, ComplexPair cosines, ComplexPair signedSines) {
  OnQuarters(p0, p1, p2, p3, cosines, signedSines, [](auto&... lanes) { MergeInverse(lanes...); });
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

// One stage over four quarters of `quarter` doubles each, element 0 done: operation
// (SplitForward or MergeInverse) for every further element; twiddle k (from 1) takes
// the four table values from 4k − 4 on.
template <typename Operation>
void RunStage(double* a, std::int32_t quarter, const double* twiddles, Operation operation) {
  double* const p1 = a + quarter;
  double* const p2 = p1 + quarter;
  double* const p3 = p2 + quarter;
  for (std::int32_t j = 2; j < quarter; j += 2, twiddles += 4) {
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
