#include "runtime/fft_avx.h"

#include "runtime/fft_kernels.h"

void FftForwardAvx(double* data, int log2, const double* const* twiddles) { ForwardRecursive(data, log2, twiddles); }

void FftInverseAvx(double* data, int log2, const double* const* twiddles) { InverseRecursive(data, log2, twiddles); }
