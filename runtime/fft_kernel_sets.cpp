#include "runtime/fft_kernel_sets.h"

#include <array>
#include <iterator>

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

// Each set's kernels with the twiddle table they take, looked up once for all sets.
struct Resolved {
  Kernels kernels;
  const double* const* twiddles;
};

const Resolved& ResolvedOf(FftKernelSet set) {
  static const auto resolved = [] {
    const SpectralTables& tables = SharedSpectralTables();
    std::array<Resolved, std::size(kFftKernelSets)> all{};
    for (const FftKernelSet each : kFftKernelSets) {
      const Kernels kernels = KernelsOf(each);
      all[static_cast<std::size_t>(each)] = {kernels,
                                             kernels.paired ? tables.PairedTwiddlesByLog2() : tables.TwiddlesByLog2()};
    }
    return all;
  }();
  return resolved[static_cast<std::size_t>(set)];
}

void Run(FftKernelSet set, Kernel Kernels::*direction, double* data, std::int32_t n) {
  const Resolved& resolved = ResolvedOf(set);
  (resolved.kernels.*direction)(data, Log2OfPowerOfTwo(n), resolved.twiddles);
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
