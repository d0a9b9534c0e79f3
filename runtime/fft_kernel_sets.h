#pragma once

#include <cstdint>

// The sets of transform kernels. The baseline set is compiled for the target's own
// instruction set and runs everywhere; each faster set is compiled on its own with the
// instructions it names (x86 builds with GCC or Clang only) and runs where the
// processor and the system support them. The transforms use the fastest set that runs.
enum class FftKernelSet { kBaseline, kAvx, kAvx2Fma };

// Every set, slowest first.
constexpr FftKernelSet kFftKernelSets[] = {FftKernelSet::kBaseline, FftKernelSet::kAvx, FftKernelSet::kAvx2Fma};

// "baseline", "avx", "avx2+fma".
const char* FftKernelSetName(FftKernelSet set);
// Whether this build carries the set.
bool FftKernelSetBuilt(FftKernelSet set);
// Whether this build carries the set and this processor and system run it.
bool FftKernelSetSupported(FftKernelSet set);
// The set the transforms use: the last supported one of kFftKernelSets.
FftKernelSet FftKernelSetInUse();

// FftForward and FftInverse (fft.h) with the kernels of a supported set.
void FftForwardWith(FftKernelSet set, double* data, std::int32_t n);
void FftInverseWith(FftKernelSet set, double* data, std::int32_t n);
