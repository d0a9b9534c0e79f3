#pragma once

#include "runtime/spectral_tables.h"

// The transform kernels built for AVX; only for processors (and systems) that support it.
void FftForwardAvx(double* data, int log2, const SpectralTables& tables);
void FftInverseAvx(double* data, int log2, const SpectralTables& tables);
