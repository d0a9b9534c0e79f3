#pragma once

#include <cstdint>

// In-place complex transforms on `n` complex values stored as (real, imaginary) pairs;
// `n` is a power of two from 16 to 32768. None of them scales its result.

// X[k] = Σ x[j]·e^(−2πi·jk/n) from natural-order input; element i receives
// X[(n − perm(i, n)) mod n], the split-radix recursion's own order.
void FftForward(double* data, std::int32_t n);
// x[j] = Σ X[k]·e^(+2πi·jk/n) from a spectrum in the transform's own order, into
// natural order.
void FftInverse(double* data, std::int32_t n);
// The transform's own order into natural order.
void FftToNaturalOrder(double* data, std::int32_t n);
// Natural order into the transform's own order.
void FftToTransformOrder(double* data, std::int32_t n);
