#include "runtime/fft.h"

#include <cstring>

#include "runtime/complex_pair.h"
#include "runtime/fft_kernels.h"
#include "runtime/spectral_tables.h"

#ifdef QUORVANTILE_FFT_AVX
#include "runtime/fft_avx.h"
#endif

namespace {

inline void MoveComplex(double* data, std::int32_t to, std::int32_t from) {
  std::memcpy(data + 2 * to, data + 2 * from, 2 * sizeof(double));
}

#ifdef QUORVANTILE_FFT_AVX
// Asked once; the operating system's support for the AVX registers is part of the answer.
bool AvxAvailable() {
  static const bool available = __builtin_cpu_supports("avx");
  return available;
}
#endif

}  // namespace

void FftForward(double* data, std::int32_t n) {
  const double* const* twiddles = SharedSpectralTables().TwiddlesByLog2();
#ifdef QUORVANTILE_FFT_AVX
  if (AvxAvailable()) {
    FftForwardAvx(data, Log2OfPowerOfTwo(n), twiddles);
    return;
  }
#endif
  ForwardRecursive(data, Log2OfPowerOfTwo(n), twiddles);
}

void FftInverse(double* data, std::int32_t n) {
  const double* const* twiddles = SharedSpectralTables().TwiddlesByLog2();
#ifdef QUORVANTILE_FFT_AVX
  if (AvxAvailable()) {
    FftInverseAvx(data, Log2OfPowerOfTwo(n), twiddles);
    return;
  }
#endif
  InverseRecursive(data, Log2OfPowerOfTwo(n), twiddles);
}

// Each cycle of T_n, listed from its leader, is rotated by one step: the new element
// k is the old element T_n[k].
void FftToNaturalOrder(double* data, std::int32_t n) {
  const SpectralTables& tables = SharedSpectralTables();
  const std::vector<std::int32_t>& leaders = tables.CycleLeaders(n);
  const std::int32_t* walk = tables.CycleWalk(n).data();
  for (std::size_t c = 0; c < leaders.size(); ++c) {
    const std::int32_t next = c + 1 < leaders.size() ? leaders[c + 1] : -1;
    std::int32_t k = *walk++;
    const ComplexPair first = LoadLanes<ComplexPair>(data + 2 * k);
    for (; *walk != next; k = *walk++) MoveComplex(data, k, *walk);
    StoreLanes(data + 2 * k, first);
  }
}

// The reverse rotation: the old element k moves to element T_n[k].
void FftToTransformOrder(double* data, std::int32_t n) {
  const SpectralTables& tables = SharedSpectralTables();
  const std::vector<std::int32_t>& leaders = tables.CycleLeaders(n);
  const std::int32_t* walk = tables.CycleWalk(n).data();
  for (std::size_t c = 0; c < leaders.size(); ++c) {
    const std::int32_t next = c + 1 < leaders.size() ? leaders[c + 1] : -1;
    const std::int32_t leader = *walk++;
    ComplexPair carried = LoadLanes<ComplexPair>(data + 2 * leader);
    for (; *walk != next; ++walk) {
      const ComplexPair displaced = LoadLanes<ComplexPair>(data + 2 * *walk);
      StoreLanes(data + 2 * *walk, carried);
      carried = displaced;
    }
    StoreLanes(data + 2 * leader, carried);
  }
}
