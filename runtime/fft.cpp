#include "runtime/fft.h"

#include <cstring>

#include "runtime/fft_kernel_sets.h"
#include "runtime/spectral_tables.h"

namespace {

inline void MoveComplex(double* data, std::int32_t to, std::int32_t from) {
  std::memcpy(data + to, data + from, 2 * sizeof(double));
}

}  // namespace

void FftForward(double* data, std::int32_t n) { FftForwardWith(FftKernelSetInUse(), data, n); }

void FftInverse(double* data, std::int32_t n) { FftInverseWith(FftKernelSetInUse(), data, n); }

// Each cycle of T_n, listed from its leader, is rotated by one step: the new element
// k is the old element T_n[k]. The walk holds each cycle's length before its elements,
// so that the moves of a cycle run as a counted loop.
void FftToNaturalOrder(double* data, std::int32_t n) {
  const std::vector<std::int32_t>& walk = SharedSpectralTables().CycleWalk(n);
  for (const std::int32_t* cycle = walk.data(); cycle != walk.data() + walk.size();) {
    const std::int32_t length = *cycle++;
    double first[2];
    std::memcpy(first, data + cycle[0], sizeof first);
    for (std::int32_t k = 0; k + 1 < length; ++k) MoveComplex(data, cycle[k], cycle[k + 1]);
    std::memcpy(data + cycle[length - 1], first, sizeof first);
    cycle += length;
  }
}

// The reverse rotation: the old element k moves to element T_n[k].
void FftToTransformOrder(double* data, std::int32_t n) {
  const std::vector<std::int32_t>& walk = SharedSpectralTables().CycleWalk(n);
  for (const std::int32_t* cycle = walk.data(); cycle != walk.data() + walk.size();) {
    const std::int32_t length = *cycle++;
    double last[2];
    std::memcpy(last, data + cycle[length - 1], sizeof last);
    for (std::int32_t k = length - 1; k > 0; --k) MoveComplex(data, cycle[k], cycle[k - 1]);
    std::memcpy(data + cycle[0], last, sizeof last);
    cycle += length;
  }
}
