#include "runtime/fft.h"

#include <array>
#include <cstring>
#include <utility>

#include "runtime/fft_kernel_sets.h"
#include "runtime/fft_reorder_moves.h"
#include "runtime/spectral_tables.h"

namespace {

inline void MoveComplex(double* data, std::int32_t to, std::int32_t from) {
  std::memcpy(data + to, data + from, 2 * sizeof(double));
}

// Moves to element at[k] from element at[k + 1], for k from 0 to `count` − 1, in that
// order, four at a time. The offsets are read before any move, since a move may, as far
// as the compiler knows, change them.
void MoveAlong(double* data, const std::int32_t* at, std::int32_t count) {
  std::int32_t k = 0;
  for (; k + 4 <= count; k += 4) {
    const std::int32_t o0 = at[k], o1 = at[k + 1], o2 = at[k + 2], o3 = at[k + 3], o4 = at[k + 4];
    MoveComplex(data, o0, o1);
    MoveComplex(data, o1, o2);
    MoveComplex(data, o2, o3);
    MoveComplex(data, o3, o4);
  }
  for (; k < count; ++k) MoveComplex(data, at[k], at[k + 1]);
}

// The same backwards: to element at[k] from element at[k − 1], for k from `count` down to 1.
void MoveBackAlong(double* data, const std::int32_t* at, std::int32_t count) {
  std::int32_t k = count;
  for (; k >= 4; k -= 4) {
    const std::int32_t o0 = at[k], o1 = at[k - 1], o2 = at[k - 2], o3 = at[k - 3], o4 = at[k - 4];
    MoveComplex(data, o0, o1);
    MoveComplex(data, o1, o2);
    MoveComplex(data, o2, o3);
    MoveComplex(data, o3, o4);
  }
  for (; k > 0; --k) MoveComplex(data, at[k], at[k - 1]);
}

using Reordering = void (*)(double* data);

// The sizes up to this one reorder along straight lines of moves, from 16 on. Their code
// grows with the size, to 35 KB per direction at 2048, where it is fetched from the
// second-level cache and still runs a third faster than the table walk. The larger
// sizes walk the table rather than carry 70 KB of code and more per direction.
constexpr int kLargestStraightLog2 = 11;
using StraightLines = std::array<Reordering, kLargestStraightLog2 - kFftMinLog2 + 1>;
using StraightSizes = std::make_index_sequence<kLargestStraightLog2 - kFftMinLog2 + 1>;

template <std::size_t... k>
constexpr StraightLines LinesToNatural(std::index_sequence<k...>) {
  return {StraightToNaturalOrder<(std::int32_t{1} << (k + kFftMinLog2))>...};
}

template <std::size_t... k>
constexpr StraightLines LinesToTransform(std::index_sequence<k...>) {
  return {StraightToTransformOrder<(std::int32_t{1} << (k + kFftMinLog2))>...};
}

constexpr StraightLines kLinesToNatural = LinesToNatural(StraightSizes());
constexpr StraightLines kLinesToTransform = LinesToTransform(StraightSizes());

// The straight line of a size, or null.
Reordering Straight(const StraightLines& lines, std::int32_t n) {
  const int log2 = Log2OfPowerOfTwo(n);
  if (log2 < kFftMinLog2 || log2 > kLargestStraightLog2) return nullptr;
  return lines[static_cast<std::size_t>(log2 - kFftMinLog2)];
}

}  // namespace

void FftForward(double* data, std::int32_t n) { FftForwardWith(FftKernelSetInUse(), data, n); }

void FftInverse(double* data, std::int32_t n) { FftInverseWith(FftKernelSetInUse(), data, n); }

// Each cycle of T_n, listed from its leader, is rotated by one step: the new element
// k is the old element T_n[k]. The walk holds each cycle's length before its elements,
// so that the moves of a cycle run as a counted loop.
void FftToNaturalOrder(double* data, std::int32_t n) {
  if (const Reordering straight = Straight(kLinesToNatural, n)) {
    straight(data);
    return;
  }
  const std::vector<std::int32_t>& walk = SharedSpectralTables().CycleWalk(n);
  for (const std::int32_t* cycle = walk.data(); cycle != walk.data() + walk.size();) {
    const std::int32_t length = *cycle++;
    double first[2];
    std::memcpy(first, data + cycle[0], sizeof first);
    MoveAlong(data, cycle, length - 1);
    std::memcpy(data + cycle[length - 1], first, sizeof first);
    cycle += length;
  }
}

// The reverse rotation: the old element k moves to element T_n[k].
void FftToTransformOrder(double* data, std::int32_t n) {
  if (const Reordering straight = Straight(kLinesToTransform, n)) {
    straight(data);
    return;
  }
  const std::vector<std::int32_t>& walk = SharedSpectralTables().CycleWalk(n);
  for (const std::int32_t* cycle = walk.data(); cycle != walk.data() + walk.size();) {
    const std::int32_t length = *cycle++;
    double last[2];
    std::memcpy(last, data + cycle[length - 1], sizeof last);
    MoveBackAlong(data, cycle, length - 1);
    std::memcpy(data + cycle[0], last, sizeof last);
    cycle += length;
  }
}
