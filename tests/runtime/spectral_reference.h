#pragma once

#include <complex>
#include <cstdint>
#include <vector>

#include "runtime/zepkin.h"

// Definitions the spectral builtins are checked against, evaluated term by term, and
// helpers to move test data in and out of script memory. Sizes are powers of two.

using Complex = std::complex<double>;
using ComplexVector = std::vector<Complex>;

class SpectralScript final : public TZepkin {};

// Deterministic values in [-1, 1).
std::vector<double> RandomValues(std::size_t count, unsigned seed);
ComplexVector RandomComplex(std::size_t count, unsigned seed);

// Bin k of Σ x[j]·e^(sign·2πi·jk/n), summed directly.
Complex DftBin(const ComplexVector& x, std::int64_t k, int sign = -1);
// Every bin, with a table of the n roots of unity.
ComplexVector DirectDft(const ComplexVector& x, int sign = -1);

// perm(i, n) from its definition, and the transform's own order of a natural-order
// spectrum: element i holds X[(n − perm(i, n)) mod n].
std::int64_t Perm(std::int64_t i, std::int64_t n);
ComplexVector InOwnOrder(const ComplexVector& natural);

// The MDCT of n windowed values into n/2 coefficients and back, from the definition,
// without scale factors.
std::vector<double> DirectMdct(const std::vector<double>& x);
std::vector<double> DirectInverseMdct(const std::vector<double>& coefficients);
// The sine window over n values: sin((j + 0.5)·π/n).
double SineWindow(std::int32_t n, std::int32_t j);
// The values, each multiplied by its sine window value.
std::vector<double> Windowed(const std::vector<double>& values);
// The builtin's scale factors: the fast algorithm scales the forward transform by 4/n,
// size 32 the inverse.
double MdctForwardScale(std::int32_t n);
double MdctInverseScale(std::int32_t n);
std::vector<double> Scaled(std::vector<double> values, double factor);

// ||a − b|| / ||b||.
double RelativeError(const ComplexVector& a, const ComplexVector& b);
double RelativeError(const std::vector<double>& a, const std::vector<double>& b);

void StoreComplex(TZepkin& script, std::int32_t index, const ComplexVector& values);
ComplexVector LoadComplex(TZepkin& script, std::int32_t index, std::size_t count);
void StoreValues(TZepkin& script, std::int32_t index, const std::vector<double>& values);
std::vector<double> LoadValues(TZepkin& script, std::int32_t index, std::size_t count);
