#pragma once

// The transform kernels built for AVX; only for processors (and systems) that support it.
// `twiddles` as SpectralTables::TwiddlesByLog2 gives them.
void FftForwardAvx(double* data, int log2, const double* const* twiddles);
void FftInverseAvx(double* data, int log2, const double* const* twiddles);
