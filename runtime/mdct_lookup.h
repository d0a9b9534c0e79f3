#pragma once

#include <cstdint>
#include <vector>

// Sizes of the MDCT, in input values: n inputs give n/2 coefficients.
constexpr int kMdctMinLog2 = 5;
constexpr int kMdctMaxLog2 = 12;
constexpr std::int32_t kMdctMinSize = std::int32_t{1} << kMdctMinLog2;  // 32
constexpr std::int32_t kMdctMaxSize = std::int32_t{1} << kMdctMaxLog2;  // 4096

// The per-size data of the MDCT. Read-only once built, so that all runtime objects of
// the process share it; the working memory of a transform belongs to its caller.
struct MdctLookup {
  std::int32_t size = 0;
  int log2Size = 0;
  double scale = 0.0;          // 4/n
  std::vector<double> window;  // n/2 values sin((i + 0.5)·π/n), the rising half of the sine window
  // The fast algorithm's tables, for sizes above 32 (size 32 is evaluated directly).
  // trig, n + n/4 values: [0, n/2) cos, −sin of 4iπ/n; [n/2, n) cos, sin of (2i + 1)·π/(2n);
  // [n, n + n/4) half of cos, −sin of (4i + 2)·π/n.
  std::vector<double> trig;
  // n/4 values, for i < n/8: entry 2i + 1 is acc, the bits of i reversed within
  // log2(n) − 1 bits, and entry 2i is ((2^(log2(n) − 1) − 1) AND NOT acc) − 1: where a
  // radix-2 transform of n/4 values would leave the bins n/4 − 1 − i and i. The
  // lookup keeps this layout; the transform itself (mdct.cpp) runs the script's complex
  // transform, which leaves its bins in that transform's own order.
  std::vector<std::int32_t> bitReverse;
};

// The lookup of size n (a power of two, 32 … 4096), built on the first request for that
// size and kept for the rest of the process. Concurrent first requests build it once.
const MdctLookup& SharedMdctLookup(std::int32_t n);
