#include "runtime/fft_wide_entries.h"
#include "runtime/fft_wide_kernels.h"

void FftForwardAvx(double* data, int log2, const double* const* twiddles) { WideForward(data, log2, twiddles); }

void FftInverseAvx(double* data, int log2, const double* const* twiddles) { WideInverse(data, log2, twiddles); }
