#pragma once

#include "runtime/complex_pair.h"

// The butterflies of the conjugate-pair split-radix transform, shared by every kernel
// set: with ComplexPair lanes they take one element of a stage, with ComplexQuad lanes
// elements m and m + 1 at once. Of n complex values, the first half carries the
// even-indexed spectrum, the third quarter the series X[4k − 1] and the fourth quarter
// the series X[4k + 1]; each part is transformed the same way in place. The forward
// transform splits first and recurses (decimation in frequency); the inverse, its
// transpose, recurses first and merges. Internal linkage, as complex_pair.h explains.

namespace {

constexpr double kSqrtHalf = 0.70710678118654752440;
constexpr double kCosEighthPi = 0.92387953251128675613;
constexpr double kSinEighthPi = 0.38268343236508977173;

// Element m of a stage, held in x0 … x3 (its four quarters), with w^m = c − i·s and
// w = e^(−2πi/n): x0 and x1 become the half-size input x[m] + x[m + n/2] and
// x[m + n/4] + x[m + 3n/4]; with d0 = x[m] − x[m + n/2] and d1 = x[m + n/4] − x[m + 3n/4],
// x2 becomes (d0 + i·d1)·w^(−m) for the series 4k − 1 and x3 (d0 − i·d1)·w^m for the
// series 4k + 1. The twiddle comes as the lanes (c, c) and (−s, s).
template <typename Lanes>
inline void SplitForward(Lanes& x0, Lanes& x1, Lanes& x2, Lanes& x3, Lanes cosines, Lanes signedSines) {
  const Lanes d0 = x0 - x2, d1 = x1 - x3;
  x0 = x0 + x2;
  x1 = x1 + x3;
  x2 = Rotated(PlusTimesI(d0, d1), cosines, signedSines);
  x3 = RotatedBack(MinusTimesI(d0, d1), cosines, signedSines);
}

// The transpose of SplitForward: from the half-size results y0, y1 and the
// quarter-size results z' (series 4k − 1) in x2 and z (series 4k + 1) in x3, with
// a = z·w^(−m) and b = z'·w^m: x[m] = y0 + (a + b), x[m + n/2] = y0 − (a + b),
// x[m + n/4] = y1 + i·(a − b), x[m + 3n/4] = y1 − i·(a − b).
template <typename Lanes>
inline void MergeInverse(Lanes& x0, Lanes& x1, Lanes& x2, Lanes& x3, Lanes cosines, Lanes signedSines) {
  const Lanes a = Rotated(x3, cosines, signedSines), b = RotatedBack(x2, cosines, signedSines);
  const Lanes y0 = x0, y1 = x1, sum = a + b, difference = a - b;
  x0 = y0 + sum;
  x2 = y0 - sum;
  x1 = PlusTimesI(y1, difference);
  x3 = MinusTimesI(y1, difference);
}

// Either butterfly on the quarters in memory at p0 … p3.
template <typename Lanes, typename Butterfly>
inline void OnQuarters(double* p0, double* p1, double* p2, double* p3, Lanes cosines, Lanes signedSines,
                       Butterfly butterfly) {
  Lanes x0 = LoadLanes<Lanes>(p0), x1 = LoadLanes<Lanes>(p1), x2 = LoadLanes<Lanes>(p2), x3 = LoadLanes<Lanes>(p3);
  butterfly(x0, x1, x2, x3, cosines, signedSines);
  StoreLanes(p0, x0);
  StoreLanes(p1, x1);
  StoreLanes(p2, x2);
  StoreLanes(p3, x3);
}

}  // namespace
