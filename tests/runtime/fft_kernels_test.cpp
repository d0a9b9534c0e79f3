#include "runtime/fft_kernels.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "runtime/fft.h"
#include "runtime/spectral_tables.h"
#include "spectral_reference.h"

// Builds with a second set of kernels for AVX run those wherever the processor allows,
// so the baseline kernels, compiled into this test as the plug-in compiles them, are
// checked against whichever set the transforms use. Both do the same arithmetic lane
// by lane, so the results agree to the last bit.

namespace {

std::vector<double> Cells(std::int32_t n, unsigned seed) { return RandomValues(static_cast<std::size_t>(2 * n), seed); }

TEST(FftKernels, BaselineKernelsGiveTheSameBitsAsTheKernelsInUse) {
  const double* const* twiddles = SharedSpectralTables().TwiddlesByLog2();
  for (int log2 = kFftMinLog2; log2 <= kFftMaxLog2; ++log2) {
    const std::int32_t n = std::int32_t{1} << log2;
    std::vector<double> baseline = Cells(n, static_cast<unsigned>(log2)), inUse = baseline;
    ForwardRecursive(baseline.data(), log2, twiddles);
    FftForward(inUse.data(), n);
    EXPECT_EQ(baseline, inUse) << n;
    InverseRecursive(baseline.data(), log2, twiddles);
    FftInverse(inUse.data(), n);
    EXPECT_EQ(baseline, inUse) << n;
  }
}

}  // namespace
