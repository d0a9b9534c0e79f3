#include "runtime/fft_avx.h"

#include "runtime/fft_kernels.h"

void FftForwardAvx(double* data, int log2, const SpectralTables& tables) { ForwardRecursive(data, log2, tables); }

void FftInverseAvx(double* data, int log2, const SpectralTables& tables) { InverseRecursive(data, log2, tables); }
