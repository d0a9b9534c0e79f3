#pragma once

#include <cstdint>

#include "runtime/mdct_lookup.h"

// The MDCT with sine window over n cells (n = lookup.size). The window w(j) is
// lookup.window[j] for j < n/2 and lookup.window[n − 1 − j] above.

// Doubles of working memory one transform of size n needs besides its cells.
constexpr std::int32_t MdctWorkLength(std::int32_t n) { return n; }

// X[k] = (4/n)·Σ_{j<n} w(j)·x[j]·cos(π/(2n)·(2j + 1 + n/2)·(2k + 1)) for k < n/2;
// reads n cells, writes the n/2 coefficients to the first cells.
// Size 32 leaves out the factor 4/n.
void MdctForward(const MdctLookup& lookup, double* cells, double* work);
// y[j] = w(j)·Σ_{k<n/2} X[k]·cos(π/(2n)·(2j + 1 + n/2)·(2k + 1)) for j < n; reads n/2
// coefficients, writes n cells. Size 32 applies the factor 4/n here.
void MdctInverse(const MdctLookup& lookup, double* cells, double* work);
