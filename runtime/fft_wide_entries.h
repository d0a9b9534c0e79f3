#pragma once

// The kernel sets built with AVX, each only for processors (and systems) that support
// its instructions. `twiddles` as SpectralTables::PairedTwiddlesByLog2 gives them.
void FftForwardAvx(double* data, int log2, const double* const* twiddles);
void FftInverseAvx(double* data, int log2, const double* const* twiddles);
void FftForwardAvx2Fma(double* data, int log2, const double* const* twiddles);
void FftInverseAvx2Fma(double* data, int log2, const double* const* twiddles);
