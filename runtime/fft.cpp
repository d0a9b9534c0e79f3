#include "runtime/fft.h"

#include <cstring>

#include "runtime/complex_pair.h"
#include "runtime/spectral_tables.h"

// Conjugate-pair split-radix transform. Of n complex values, the first half carries the
// even-indexed spectrum, the third quarter the series X[4k − 1] and the fourth quarter
// the series X[4k + 1]; each part is transformed the same way in place. The forward
// transform splits first and recurses (decimation in frequency); the inverse, its
// transpose, recurses first and merges.

namespace {

constexpr double kSqrtHalf = 0.70710678118654752440;
constexpr double kCosEighthPi = 0.92387953251128675613;
constexpr double kSinEighthPi = 0.38268343236508977173;

// Element m of a stage at p0 … p3 (its four quarters), with w^m = c − i·s and
// w = e^(−2πi/n): p0 and p1 receive the half-size input x[m] + x[m + n/2] and
// x[m + n/4] + x[m + 3n/4]; with d0 = x[m] − x[m + n/2] and d1 = x[m + n/4] − x[m + 3n/4],
// p2 receives (d0 + i·d1)·w^(−m) for the series 4k − 1 and p3 (d0 − i·d1)·w^m for the
// series 4k + 1. The twiddle comes as the lane pairs (c, c) and (−s, s).
inline void SplitForward(double* p0, double* p1, double* p2, double* p3, ComplexPair cosines,
                         ComplexPair signedSines) {
  const ComplexPair x0 = LoadPair(p0), x1 = LoadPair(p1), x2 = LoadPair(p2), x3 = LoadPair(p3);
  StorePair(p0, x0 + x2);
  StorePair(p1, x1 + x3);
  const ComplexPair d0 = x0 - x2, id1 = TimesI(x1 - x3);
  StorePair(p2, Rotated(d0 + id1, cosines, signedSines));
  StorePair(p3, RotatedBack(d0 - id1, cosines, signedSines));
}

// SplitForward for m = 0, where the twiddle is 1.
inline void SplitForwardUntwiddled(double* p0, double* p1, double* p2, double* p3) {
  const ComplexPair x0 = LoadPair(p0), x1 = LoadPair(p1), x2 = LoadPair(p2), x3 = LoadPair(p3);
  StorePair(p0, x0 + x2);
  StorePair(p1, x1 + x3);
  const ComplexPair d0 = x0 - x2, id1 = TimesI(x1 - x3);
  StorePair(p2, d0 + id1);
  StorePair(p3, d0 - id1);
}

// The transpose of SplitForward: from the half-size results y at p0, p1 and the
// quarter-size results z' (series 4k − 1) at p2 and z (series 4k + 1) at p3, with
// a = z·w^(−m) and b = z'·w^m: x[m] = y0 + (a + b), x[m + n/2] = y0 − (a + b),
// x[m + n/4] = y1 + i·(a − b), x[m + 3n/4] = y1 − i·(a − b).
inline void MergeInverse(double* p0, double* p1, double* p2, double* p3, ComplexPair cosines,
                         ComplexPair signedSines) {
  const ComplexPair a = Rotated(LoadPair(p3), cosines, signedSines);
  const ComplexPair b = RotatedBack(LoadPair(p2), cosines, signedSines);
  const ComplexPair y0 = LoadPair(p0), y1 = LoadPair(p1), sum = a + b, idifference = TimesI(a - b);
  StorePair(p0, y0 + sum);
  StorePair(p2, y0 - sum);
  StorePair(p1, y1 + idifference);
  StorePair(p3, y1 - idifference);
}

// MergeInverse for m = 0.
inline void MergeInverseUntwiddled(double* p0, double* p1, double* p2, double* p3) {
  const ComplexPair a = LoadPair(p3), b = LoadPair(p2);
  const ComplexPair y0 = LoadPair(p0), y1 = LoadPair(p1), sum = a + b, idifference = TimesI(a - b);
  StorePair(p0, y0 + sum);
  StorePair(p2, y0 - sum);
  StorePair(p1, y1 + idifference);
  StorePair(p3, y1 - idifference);
}

// Size 2 is its own inverse, and its own order is the natural one.
inline void Butterfly2(double* a) {
  const ComplexPair x0 = LoadPair(a), x1 = LoadPair(a + 2);
  StorePair(a, x0 + x1);
  StorePair(a + 2, x0 - x1);
}

// Sizes 4, 8 and 16 in straight lines, their twiddles as constants.
constexpr ComplexPair kEighthCosines = {kSqrtHalf, kSqrtHalf}, kEighthSines = {-kSqrtHalf, kSqrtHalf};
constexpr ComplexPair kSixteenthCosines = {kCosEighthPi, kCosEighthPi}, kSixteenthSines = {-kSinEighthPi, kSinEighthPi};
constexpr ComplexPair kThreeSixteenthsCosines = {kSinEighthPi, kSinEighthPi};
constexpr ComplexPair kThreeSixteenthsSines = {-kCosEighthPi, kCosEighthPi};

inline void Forward4(double* a) {
  SplitForwardUntwiddled(a, a + 2, a + 4, a + 6);
  Butterfly2(a);
}

inline void Forward8(double* a) {
  SplitForwardUntwiddled(a, a + 4, a + 8, a + 12);
  SplitForward(a + 2, a + 6, a + 10, a + 14, kEighthCosines, kEighthSines);
  Forward4(a);
  Butterfly2(a + 8);
  Butterfly2(a + 12);
}

inline void Forward16(double* a) {
  SplitForwardUntwiddled(a, a + 8, a + 16, a + 24);
  SplitForward(a + 2, a + 10, a + 18, a + 26, kSixteenthCosines, kSixteenthSines);
  SplitForward(a + 4, a + 12, a + 20, a + 28, kEighthCosines, kEighthSines);
  SplitForward(a + 6, a + 14, a + 22, a + 30, kThreeSixteenthsCosines, kThreeSixteenthsSines);
  Forward8(a);
  Forward4(a + 16);
  Forward4(a + 24);
}

inline void Inverse4(double* a) {
  Butterfly2(a);
  MergeInverseUntwiddled(a, a + 2, a + 4, a + 6);
}

inline void Inverse8(double* a) {
  Inverse4(a);
  Butterfly2(a + 8);
  Butterfly2(a + 12);
  MergeInverseUntwiddled(a, a + 4, a + 8, a + 12);
  MergeInverse(a + 2, a + 6, a + 10, a + 14, kEighthCosines, kEighthSines);
}

inline void Inverse16(double* a) {
  Inverse8(a);
  Inverse4(a + 16);
  Inverse4(a + 24);
  MergeInverseUntwiddled(a, a + 8, a + 16, a + 24);
  MergeInverse(a + 2, a + 10, a + 18, a + 26, kSixteenthCosines, kSixteenthSines);
  MergeInverse(a + 4, a + 12, a + 20, a + 28, kEighthCosines, kEighthSines);
  MergeInverse(a + 6, a + 14, a + 22, a + 30, kThreeSixteenthsCosines, kThreeSixteenthsSines);
}

// One stage over four quarters of `quarter` doubles each; twiddle k (from 1) takes the
// four table values from 4k − 4 on.
void ForwardStage(double* a, std::int32_t quarter, const double* twiddles) {
  double* const p1 = a + quarter;
  double* const p2 = p1 + quarter;
  double* const p3 = p2 + quarter;
  SplitForwardUntwiddled(a, p1, p2, p3);
  for (std::int32_t j = 2; j < quarter; j += 2, twiddles += 4) {
    SplitForward(a + j, p1 + j, p2 + j, p3 + j, LoadPair(twiddles), LoadPair(twiddles + 2));
  }
}

void InverseStage(double* a, std::int32_t quarter, const double* twiddles) {
  double* const p1 = a + quarter;
  double* const p2 = p1 + quarter;
  double* const p3 = p2 + quarter;
  MergeInverseUntwiddled(a, p1, p2, p3);
  for (std::int32_t j = 2; j < quarter; j += 2, twiddles += 4) {
    MergeInverse(a + j, p1 + j, p2 + j, p3 + j, LoadPair(twiddles), LoadPair(twiddles + 2));
  }
}

void ForwardRecursive(double* a, int log2, const SpectralTables& tables) {
  if (log2 == 4) {
    Forward16(a);
    return;
  }
  if (log2 == 3) {
    Forward8(a);
    return;
  }
  const std::int32_t quarter = std::int32_t{1} << (log2 - 1);  // n/4 complex values, in doubles
  ForwardStage(a, quarter, tables.TwiddlesOfLog2(log2));
  ForwardRecursive(a, log2 - 1, tables);
  ForwardRecursive(a + 2 * quarter, log2 - 2, tables);
  ForwardRecursive(a + 3 * quarter, log2 - 2, tables);
}

void InverseRecursive(double* a, int log2, const SpectralTables& tables) {
  if (log2 == 4) {
    Inverse16(a);
    return;
  }
  if (log2 == 3) {
    Inverse8(a);
    return;
  }
  const std::int32_t quarter = std::int32_t{1} << (log2 - 1);
  InverseRecursive(a, log2 - 1, tables);
  InverseRecursive(a + 2 * quarter, log2 - 2, tables);
  InverseRecursive(a + 3 * quarter, log2 - 2, tables);
  InverseStage(a, quarter, tables.TwiddlesOfLog2(log2));
}

inline void MoveComplex(double* data, std::int32_t to, std::int32_t from) {
  std::memcpy(data + 2 * to, data + 2 * from, 2 * sizeof(double));
}

}  // namespace

void FftForward(double* data, std::int32_t n) { ForwardRecursive(data, Log2OfPowerOfTwo(n), SharedSpectralTables()); }

void FftInverse(double* data, std::int32_t n) { InverseRecursive(data, Log2OfPowerOfTwo(n), SharedSpectralTables()); }

// Each cycle of T_n, listed from its leader, is rotated by one step: the new element
// k is the old element T_n[k].
void FftToNaturalOrder(double* data, std::int32_t n) {
  const SpectralTables& tables = SharedSpectralTables();
  const std::vector<std::int32_t>& leaders = tables.CycleLeaders(n);
  const std::int32_t* walk = tables.CycleWalk(n).data();
  for (std::size_t c = 0; c < leaders.size(); ++c) {
    const std::int32_t next = c + 1 < leaders.size() ? leaders[c + 1] : -1;
    std::int32_t k = *walk++;
    const ComplexPair first = LoadPair(data + 2 * k);
    for (; *walk != next; k = *walk++) MoveComplex(data, k, *walk);
    StorePair(data + 2 * k, first);
  }
}

// The reverse rotation: the old element k moves to element T_n[k].
void FftToTransformOrder(double* data, std::int32_t n) {
  const SpectralTables& tables = SharedSpectralTables();
  const std::vector<std::int32_t>& leaders = tables.CycleLeaders(n);
  const std::int32_t* walk = tables.CycleWalk(n).data();
  for (std::size_t c = 0; c < leaders.size(); ++c) {
    const std::int32_t next = c + 1 < leaders.size() ? leaders[c + 1] : -1;
    const std::int32_t leader = *walk++;
    ComplexPair carried = LoadPair(data + 2 * leader);
    for (; *walk != next; ++walk) {
      const ComplexPair displaced = LoadPair(data + 2 * *walk);
      StorePair(data + 2 * *walk, carried);
      carried = displaced;
    }
    StorePair(data + 2 * leader, carried);
  }
}
