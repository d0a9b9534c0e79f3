#pragma once

#include <immintrin.h>  // its functions are inline-only, never emitted with external linkage

#include <cstdint>

#include "runtime/fft_butterflies.h"

// The kernels on vectors of two complex values, for the kernel sets built with AVX
// (fft_avx.cpp, and fft_avx2_fma.cpp, whose twiddle products are fused multiply-adds).
// The recursion of the baseline kernels with the same arithmetic per value, in fewer
// passes over memory: elements m and m + 1 of a stage share a vector, their twiddles
// come as two vectors in the layout of SpectralTables::PairedTwiddlesByLog2, sizes 16
// and 8 run in registers, where the two smallest levels combine the halves of each
// vector, size 32 runs as one straight line, and from size 64 on a stage and the stage
// of its first half share a pass. Element 0 of a stage is turned by exactly 1 with the
// rest, which differs from leaving it alone only in the sign of a zero. Internal
// linkage, as complex_pair.h explains.

#ifndef __AVX__
#error "the wide kernels are built with AVX only"
#endif

namespace {

using Quad = ComplexQuad;

// (lanes 0, 1 of first; lanes 2, 3 of second)
inline Quad LowThenHigh(Quad first, Quad second) { return _mm256_blend_pd(first, second, 0b1100); }

// The two complex values of a vector exchanged.
inline Quad HalvesSwapped(Quad value) { return _mm256_permute2f128_pd(value, value, 0x01); }

// (x0 + x1, x0 − x1) from (x0, x1).
inline Quad Butterfly2(Quad value) { return MultiplyAdd(value, Quad{1.0, 1.0, -1.0, -1.0}, HalvesSwapped(value)); }

// Size 4, (x0, x1) in `low` and (x2, x3) in `high`: SplitForward with quarters of one
// value, then size 2 on the first half.
inline void Forward4(Quad& low, Quad& high) {
  const Quad sums = low + high, differences = low - high;                    // (s0, s1), (d0, d1)
  const Quad swapped = HalvesSwapped(differences);                           // (d1, d0)
  const Quad d0 = LowThenHigh(differences, swapped), d1 = LowThenHigh(swapped, differences);
  low = Butterfly2(sums);
  high = MultiplyAdd(Swapped(d1), Quad{-1.0, 1.0, 1.0, -1.0}, d0);  // (d0 + i·d1, d0 − i·d1)
}

// Its transpose: size 2 on the first half, then MergeInverse with quarters of one value.
inline void Inverse4(Quad& low, Quad& high) {
  const Quad swapped = HalvesSwapped(high);                        // (z, z')
  const Quad sums = swapped + high, differences = swapped - high;  // (z + z', ·), (z − z', z' − z)
  const Quad merged = LowThenHigh(sums, Swapped(differences));     // times these signs: (z + z', i·(z − z'))
  const Quad signs = {1.0, 1.0, 1.0, -1.0};
  const Quad halves = Butterfly2(low);
  low = MultiplyAdd(merged, signs, halves);
  high = MultiplySubtract(merged, signs, halves);
}

// Elements (0, 1) and (2, 3) of the stages of sizes 8 and 16.
constexpr Quad kEighthCosines = {1.0, 1.0, kSqrtHalf, kSqrtHalf}, kEighthSines = {-0.0, 0.0, -kSqrtHalf, kSqrtHalf};
constexpr Quad kSixteenthCosines = {1.0, 1.0, kCosEighthPi, kCosEighthPi};
constexpr Quad kSixteenthSines = {-0.0, 0.0, -kSinEighthPi, kSinEighthPi};
constexpr Quad kSixteenthUpperCosines = {kSqrtHalf, kSqrtHalf, kSinEighthPi, kSinEighthPi};
constexpr Quad kSixteenthUpperSines = {-kSqrtHalf, kSqrtHalf, -kCosEighthPi, kCosEighthPi};

// Sizes 8 and 16 on the vectors v0 … v3 and v0 … v7.
inline void Forward8(Quad& v0, Quad& v1, Quad& v2, Quad& v3) {
  SplitForward(v0, v1, v2, v3, kEighthCosines, kEighthSines);
  Forward4(v0, v1);
  v2 = Butterfly2(v2);
  v3 = Butterfly2(v3);
}

inline void Forward16(Quad& v0, Quad& v1, Quad& v2, Quad& v3, Quad& v4, Quad& v5, Quad& v6, Quad& v7) {
  SplitForward(v0, v2, v4, v6, kSixteenthCosines, kSixteenthSines);
  SplitForward(v1, v3, v5, v7, kSixteenthUpperCosines, kSixteenthUpperSines);
  Forward8(v0, v1, v2, v3);
  Forward4(v4, v5);
  Forward4(v6, v7);
}

inline void Inverse8(Quad& v0, Quad& v1, Quad& v2, Quad& v3) {
  Inverse4(v0, v1);
  v2 = Butterfly2(v2);
  v3 = Butterfly2(v3);
  MergeInverse(v0, v1, v2, v3, kEighthCosines, kEighthSines);
}

inline void Inverse16(Quad& v0, Quad& v1, Quad& v2, Quad& v3, Quad& v4, Quad& v5, Quad& v6, Quad& v7) {
  Inverse8(v0, v1, v2, v3);
  Inverse4(v4, v5);
  Inverse4(v6, v7);
  MergeInverse(v0, v2, v4, v6, kSixteenthCosines, kSixteenthSines);
  MergeInverse(v1, v3, v5, v7, kSixteenthUpperCosines, kSixteenthUpperSines);
}

// The compiler would fold a loaded vector into each instruction that uses it, loading
// it again for each; in the stages the loads then outnumber what the processor issues
// per cycle before the arithmetic does. An empty assembler statement that claims to
// change the value keeps it in a register instead; the arithmetic stays the same.
inline Quad Held(Quad value) {
  asm("" : "+x"(value));
  return value;
}

inline Quad LoadHeld(const double* cells) { return Held(LoadLanes<Quad>(cells)); }

// Calls leaf(v0, …) on the `count` vectors at `a`, loaded and stored around it.
template <int count, typename Leaf>
inline void InRegisters(double* a, Leaf leaf) {
  Quad v0 = LoadHeld(a), v1 = LoadHeld(a + 4), v2 = LoadHeld(a + 8), v3 = LoadHeld(a + 12);
  if constexpr (count == 4) {
    leaf(v0, v1, v2, v3);
  } else {
    Quad v4 = LoadHeld(a + 16), v5 = LoadHeld(a + 20), v6 = LoadHeld(a + 24), v7 = LoadHeld(a + 28);
    leaf(v0, v1, v2, v3, v4, v5, v6, v7);
    StoreLanes(a + 16, v4);
    StoreLanes(a + 20, v5);
    StoreLanes(a + 24, v6);
    StoreLanes(a + 28, v7);
  }
  StoreLanes(a, v0);
  StoreLanes(a + 4, v1);
  StoreLanes(a + 8, v2);
  StoreLanes(a + 12, v3);
}

// One stage over four quarters of `quarter` doubles each, two elements at a time;
// elements m and m + 1 take the eight table values from 4m on.
template <typename Butterfly>
inline void RunWideStage(double* a, std::int32_t quarter, const double* twiddles, Butterfly butterfly) {
  double* const p1 = a + quarter;
  double* const p2 = p1 + quarter;
  double* const p3 = p2 + quarter;
  for (std::int32_t j = 0; j < quarter; j += 4, twiddles += 8) {
    Quad x0 = LoadHeld(a + j), x1 = LoadHeld(p1 + j), x2 = LoadHeld(p2 + j), x3 = LoadHeld(p3 + j);
    const Quad cosines = LoadHeld(twiddles), signedSines = LoadHeld(twiddles + 4);
    butterfly(x0, x1, x2, x3, cosines, signedSines);
    StoreLanes(a + j, x0);
    StoreLanes(p1 + j, x1);
    StoreLanes(p2 + j, x2);
    StoreLanes(p3 + j, x3);
  }
}

// Size 32: its stage, then the leaves, in one straight line that the compiler keeps in
// registers as far as they go, without the calls of the recursion.
inline void Forward32(double* a, const double* twiddles) {
  RunWideStage(a, 16, twiddles, [](auto&... lanes) { SplitForward(lanes...); });
  InRegisters<8>(a, [](auto&... v) { Forward16(v...); });
  InRegisters<4>(a + 32, [](auto&... v) { Forward8(v...); });
  InRegisters<4>(a + 48, [](auto&... v) { Forward8(v...); });
}

// The inverse takes its size-16 leaf last, as it undoes the forward's leaves from the
// last: measured on Zen 3, the inverse transforms of every size run 3 to 9% faster than
// with that leaf first, the smaller sizes gaining most.
inline void Inverse32(double* a, const double* twiddles) {
  InRegisters<4>(a + 32, [](auto&... v) { Inverse8(v...); });
  InRegisters<4>(a + 48, [](auto&... v) { Inverse8(v...); });
  InRegisters<8>(a, [](auto&... v) { Inverse16(v...); });
  RunWideStage(a, 16, twiddles, [](auto&... lanes) { MergeInverse(lanes...); });
}

// Stage n together with the stage of size n/2 of its first half, in one pass over the
// values instead of two: elements m and m + n/8 of stage n (m < n/8, two at a time)
// leave the four values of element m of the half's stage, which follows in registers.
// `eighth` is n/8 complex values, in doubles.
template <typename Butterflies>
inline void RunDoubleStage(double* a, std::int32_t eighth, const double* twiddles, const double* halfTwiddles,
                           Butterflies butterflies) {
  for (std::int32_t j = 0; j < eighth; j += 4) {
    double* const p = a + j;
    Quad v0 = LoadHeld(p), v1 = LoadHeld(p + eighth), v2 = LoadHeld(p + 2 * eighth), v3 = LoadHeld(p + 3 * eighth);
    Quad v4 = LoadHeld(p + 4 * eighth), v5 = LoadHeld(p + 5 * eighth), v6 = LoadHeld(p + 6 * eighth);
    Quad v7 = LoadHeld(p + 7 * eighth);
    const double* const low = twiddles + 2 * j;
    const double* const high = low + 2 * eighth;
    const double* const half = halfTwiddles + 2 * j;
    butterflies(v0, v1, v2, v3, v4, v5, v6, v7, low, high, half);
    StoreLanes(p, v0);
    StoreLanes(p + eighth, v1);
    StoreLanes(p + 2 * eighth, v2);
    StoreLanes(p + 3 * eighth, v3);
    StoreLanes(p + 4 * eighth, v4);
    StoreLanes(p + 5 * eighth, v5);
    StoreLanes(p + 6 * eighth, v6);
    StoreLanes(p + 7 * eighth, v7);
  }
}

// The values v0 … v7 lie n/8 apart: stage n takes (v0, v2, v4, v6) for element m and
// (v1, v3, v5, v7) for element m + n/8, with the twiddles at `low` and `high`; the
// half's stage takes v0 … v3 with those at `half`. Each twiddle is loaded where it is
// used, which leaves registers for the values.
inline void SplitForwardTwice(Quad& v0, Quad& v1, Quad& v2, Quad& v3, Quad& v4, Quad& v5, Quad& v6, Quad& v7,
                              const double* low, const double* high, const double* half) {
  SplitForward(v0, v2, v4, v6, LoadHeld(low), LoadHeld(low + 4));
  SplitForward(v1, v3, v5, v7, LoadHeld(high), LoadHeld(high + 4));
  SplitForward(v0, v1, v2, v3, LoadHeld(half), LoadHeld(half + 4));
}

inline void MergeInverseTwice(Quad& v0, Quad& v1, Quad& v2, Quad& v3, Quad& v4, Quad& v5, Quad& v6, Quad& v7,
                              const double* low, const double* high, const double* half) {
  MergeInverse(v0, v1, v2, v3, LoadHeld(half), LoadHeld(half + 4));
  MergeInverse(v0, v2, v4, v6, LoadHeld(low), LoadHeld(low + 4));
  MergeInverse(v1, v3, v5, v7, LoadHeld(high), LoadHeld(high + 4));
}

// From size 64 on, each step does stage n and the first half's stage together, then
// the first half's three parts and the two quarters.
void WideForward(double* a, int log2, const double* const* twiddles) {
  if (log2 == 5) {
    Forward32(a, twiddles[5]);
    return;
  }
  if (log2 == 4) {
    InRegisters<8>(a, [](auto&... v) { Forward16(v...); });
    return;
  }
  if (log2 == 3) {
    InRegisters<4>(a, [](auto&... v) { Forward8(v...); });
    return;
  }
  const std::int32_t quarter = std::int32_t{1} << (log2 - 1);  // n/4 complex values, in doubles
  RunDoubleStage(a, quarter / 2, twiddles[log2], twiddles[log2 - 1], SplitForwardTwice);
  WideForward(a, log2 - 2, twiddles);
  WideForward(a + quarter, log2 - 3, twiddles);
  WideForward(a + quarter + quarter / 2, log2 - 3, twiddles);
  WideForward(a + 2 * quarter, log2 - 2, twiddles);
  WideForward(a + 3 * quarter, log2 - 2, twiddles);
}

void WideInverse(double* a, int log2, const double* const* twiddles) {
  if (log2 == 5) {
    Inverse32(a, twiddles[5]);
    return;
  }
  if (log2 == 4) {
    InRegisters<8>(a, [](auto&... v) { Inverse16(v...); });
    return;
  }
  if (log2 == 3) {
    InRegisters<4>(a, [](auto&... v) { Inverse8(v...); });
    return;
  }
  const std::int32_t quarter = std::int32_t{1} << (log2 - 1);
  WideInverse(a, log2 - 2, twiddles);
  WideInverse(a + quarter, log2 - 3, twiddles);
  WideInverse(a + quarter + quarter / 2, log2 - 3, twiddles);
  WideInverse(a + 2 * quarter, log2 - 2, twiddles);
  WideInverse(a + 3 * quarter, log2 - 2, twiddles);
  RunDoubleStage(a, quarter / 2, twiddles[log2], twiddles[log2 - 1], MergeInverseTwice);
}

}  // namespace
