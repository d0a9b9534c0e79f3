#pragma once

#include <array>
#include <cstdint>
#include <vector>

// Sizes, in complex values, of the transform and of its reorderings.
constexpr int kFftMinLog2 = 4;
constexpr int kFftMaxLog2 = 15;
constexpr std::int32_t kFftMinSize = std::int32_t{1} << kFftMinLog2;  // 16
constexpr std::int32_t kFftMaxSize = std::int32_t{1} << kFftMaxLog2;  // 32768
constexpr int kReorderMinLog2 = 2;                                    // reorderings exist from size 4

// Both run on every transform call: one instruction each for the bit scans of GCC and
// Clang, where loops would cost as much as a small reordering.

// log2 of a power of two.
inline int Log2OfPowerOfTwo(std::int32_t n) { return __builtin_ctz(static_cast<std::uint32_t>(n)); }

// The largest power of two not above `n`, or 0 when `n` is not positive.
inline std::int32_t FloorPowerOfTwo(std::int32_t n) {
  if (n <= 0) return 0;
  return std::int32_t{1} << (31 - __builtin_clz(static_cast<std::uint32_t>(n)));
}

// Process-wide tables of the complex transform. They are built once, by the first
// runtime object, and only read afterwards, so any thread may use them.
class SpectralTables final {
 public:
  SpectralTables();

  // For k = 1 … n/4 − 1 the four values cos(2πk/n), cos(2πk/n), −sin(2πk/n), sin(2πk/n):
  // the twiddle as the two lane pairs that the transform multiplies with. n a power of
  // two, 16 … 32768.
  const std::vector<double>& Twiddles(std::int32_t n) const { return twiddles_[Log2OfPowerOfTwo(n)]; }
  // The tables' data by log2(n), as the baseline kernels take them.
  const double* const* TwiddlesByLog2() const { return twiddleData_.data(); }
  // The same twiddles for kernels that take elements two at a time, by log2(n), n 32 …
  // 32768: for m = 0, 2, … n/4 − 2 the eight values c_m, c_m, c_m+1, c_m+1, −s_m, s_m,
  // −s_m+1, s_m+1, with c_0 = 1 and s_0 = 0 and the others as Twiddles(n) holds them.
  const double* const* PairedTwiddlesByLog2() const { return pairedTwiddleData_.data(); }
  // T_n: natural-order element k lives at element T_n[k] of the transform's own order.
  // n a power of two, 4 … 32768.
  const std::vector<std::int32_t>& Permutation(std::int32_t n) const { return permutations_[Log2OfPowerOfTwo(n)]; }
  // The smallest element of every cycle of T_n longer than one, in increasing order.
  const std::vector<std::int32_t>& CycleLeaders(std::int32_t n) const { return cycleLeaders_[Log2OfPowerOfTwo(n)]; }
  // Those cycles, each as its length followed by its elements, from its leader on and
  // following T_n, as offsets in doubles (2k for element k). Walking this list reads
  // its offsets in sequence, where following T_n itself would chain every load on the
  // one before.
  const std::vector<std::int32_t>& CycleWalk(std::int32_t n) const { return cycleWalks_[Log2OfPowerOfTwo(n)]; }

 private:
  using ByLog2Double = std::array<std::vector<double>, kFftMaxLog2 + 1>;
  using ByLog2Int = std::array<std::vector<std::int32_t>, kFftMaxLog2 + 1>;

  ByLog2Double twiddles_;
  std::array<const double*, kFftMaxLog2 + 1> twiddleData_{};
  ByLog2Double pairedTwiddles_;
  std::array<const double*, kFftMaxLog2 + 1> pairedTwiddleData_{};
  ByLog2Int permutations_;
  ByLog2Int cycleLeaders_;
  ByLog2Int cycleWalks_;
};

// The shared tables, built on the first call; concurrent first calls build them once.
const SpectralTables& SharedSpectralTables();
// Builds the shared tables unless they exist already.
void PrepareSpectralTables();
