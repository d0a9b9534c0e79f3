#include "runtime/fft_kernel_sets.h"

#include "runtime/fft_kernels.h"
#include "runtime/spectral_tables.h"

#ifdef QUORVANTILE_FFT_WIDE
#include "runtime/fft_wide_entries.h"
#endif

namespace {

using Kernel = void (*)(double* data, int log2, const double* const* twiddles);

struct Kernels {
  Kernel forward;
  Kernel inverse;
  bool paired;  // takes SpectralTables::PairedTwiddlesByLog2 rather than TwiddlesByLog2
};

// The baseline set when this build does not carry the one asked for.
Kernels KernelsOf(FftKernelSet set) {
  switch (set) {
#ifdef QUORVANTILE_FFT_WIDE
    case FftKernelSet::kAvx:
      return {FftForwardAvx, FftInverseAvx, true};
    case FftKernelSet::kAvx2Fma:
      return {FftForwardAvx2Fma, FftInverseAvx2Fma, true};
#endif
    default:
      return {ForwardRecursive, InverseRecursive, false};
  }
}

// GCC's and Clang's answer includes the system's support for the wider registers.
bool ProcessorRuns(FftKernelSet set) {
  switch (set) {
#ifdef QUORVANTILE_FFT_WIDE
    case FftKernelSet::kAvx:
      return __builtin_cpu_supports("avx");
    case FftKernelSet::kAvx2Fma:
      return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
#endif
    default:
      return true;
  }
}

void Run(FftKernelSet set, Kernel Kernels::*direction, double* data, std::int32_t n) {
  const Kernels kernels = KernelsOf(set);
  const SpectralTables& tables = SharedSpectralTables();
  const double* const* twiddles = kernels.paired ? tables.PairedTwiddlesByLog2() : tables.TwiddlesByLog2();
  (kernels.*direction)(data, Log2OfPowerOfTwo(n), twiddles);
}

}  // namespace

const char* FftKernelSetName(FftKernelSet set) {
  switch (set) {
    case FftKernelSet::kAvx:
      return "avx";
    case FftKernelSet::kAvx2Fma:
      return "avx2+fma";
    default:
      return "baseline";
  }
}

bool FftKernelSetBuilt(FftKernelSet set) {
#ifdef QUORVANTILE_FFT_WIDE
  static_cast<void>(set);
  return true;
#else
  return set == FftKernelSet::kBaseline;
#endif
}

bool FftKernelSetSupported(FftKernelSet set) { return FftKernelSetBuilt(set) && ProcessorRuns(set); }

// Asked once.
FftKernelSet FftKernelSetInUse() {
  static const FftKernelSet inUse = [] {
    FftKernelSet fastest = FftKernelSet::kBaseline;
    for (const FftKernelSet set : kFftKernelSets) {
      if (FftKernelSetSupported(set)) fastest = set;
    }
    return fastest;
  }();
  return inUse;
}

void FftForwardWith(FftKernelSet set, double* data, std::int32_t n) { Run(set, &Kernels::forward, data, n); }

void FftInverseWith(FftKernelSet set, double* data, std::int32_t n) { Run(set, &Kernels::inverse, data, n); }
