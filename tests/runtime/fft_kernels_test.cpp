#include "runtime/fft_kernel_sets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "spectral_reference.h"

// Every kernel set of the build runs here where this processor and its system support
// it, against the direct sums and against the baseline set; the others are skipped,
// each saying why. The sets without fused multiply-adds do the baseline's arithmetic
// value by value and must give its bits; fusing the twiddle products rounds once where
// the baseline rounds twice, so there the results may differ in the last bits only.

namespace {

constexpr double kTolerance = 1e-12;  // as the transform tests allow against the direct sums
constexpr std::int32_t kLargestDirectSize = 2048;

bool FusesMultiplyAdds(FftKernelSet set) { return set == FftKernelSet::kAvx2Fma; }

std::vector<double> Interleaved(const ComplexVector& values) {
  std::vector<double> cells;
  for (const Complex& value : values) cells.insert(cells.end(), {value.real(), value.imag()});
  return cells;
}

ComplexVector Paired(const std::vector<double>& cells) {
  ComplexVector values(cells.size() / 2);
  for (std::size_t k = 0; k < values.size(); ++k) values[k] = {cells[2 * k], cells[2 * k + 1]};
  return values;
}

ComplexVector Forward(FftKernelSet set, const ComplexVector& input) {
  std::vector<double> cells = Interleaved(input);
  FftForwardWith(set, cells.data(), static_cast<std::int32_t>(input.size()));
  return Paired(cells);
}

ComplexVector Inverse(FftKernelSet set, const ComplexVector& input) {
  std::vector<double> cells = Interleaved(input);
  FftInverseWith(set, cells.data(), static_cast<std::int32_t>(input.size()));
  return Paired(cells);
}

// The largest difference of a real or imaginary part, relative to the largest part of
// the baseline's result.
double LargestDifference(const ComplexVector& result, const ComplexVector& baseline) {
  double difference = 0.0, largest = 0.0;
  for (std::size_t k = 0; k < result.size(); ++k) {
    difference = std::max({difference, std::abs(result[k].real() - baseline[k].real()),
                           std::abs(result[k].imag() - baseline[k].imag())});
    largest = std::max({largest, std::abs(baseline[k].real()), std::abs(baseline[k].imag())});
  }
  return difference / largest;
}

class FftKernelSets : public ::testing::TestWithParam<FftKernelSet> {
 protected:
  void SetUp() override {
    const FftKernelSet set = GetParam();
    if (!FftKernelSetBuilt(set)) GTEST_SKIP() << FftKernelSetName(set) << " skipped: this build does not carry it";
    if (!FftKernelSetSupported(set)) {
      GTEST_SKIP() << FftKernelSetName(set) << " skipped: this processor or its system does not run its instructions";
    }
  }
};

TEST_P(FftKernelSets, ForwardAndInverseMatchTheDirectSums) {
  for (std::int32_t n = 16; n <= kLargestDirectSize; n *= 2) {
    const ComplexVector values = RandomComplex(static_cast<std::size_t>(n), static_cast<unsigned>(n));
    EXPECT_LT(RelativeError(Forward(GetParam(), values), InOwnOrder(DirectDft(values))), kTolerance) << n;
    EXPECT_LT(RelativeError(Inverse(GetParam(), InOwnOrder(values)), DirectDft(values, +1)), kTolerance) << n;
  }
}

// Each of the log2(n) levels may round a value once less than the baseline does.
TEST_P(FftKernelSets, GiveTheBaselineBitsOrDifferOnlyInTheLastBits) {
  for (int log2 = 4; log2 <= 15; ++log2) {
    const std::int32_t n = std::int32_t{1} << log2;
    const ComplexVector values = RandomComplex(static_cast<std::size_t>(n), static_cast<unsigned>(n + 1));
    const ComplexVector forward = Forward(GetParam(), values), inverse = Inverse(GetParam(), values);
    const ComplexVector baselineForward = Forward(FftKernelSet::kBaseline, values);
    const ComplexVector baselineInverse = Inverse(FftKernelSet::kBaseline, values);
    if (FusesMultiplyAdds(GetParam())) {
      const double bound = log2 * std::numeric_limits<double>::epsilon();
      EXPECT_LT(LargestDifference(forward, baselineForward), bound) << n;
      EXPECT_LT(LargestDifference(inverse, baselineInverse), bound) << n;
    } else {
      EXPECT_EQ(forward, baselineForward) << n;
      EXPECT_EQ(inverse, baselineInverse) << n;
    }
  }
}

std::string TestNameOf(const ::testing::TestParamInfo<FftKernelSet>& set) {
  std::string name = FftKernelSetName(set.param);
  std::replace(name.begin(), name.end(), '+', '_');
  return name;
}

INSTANTIATE_TEST_SUITE_P(EachSet, FftKernelSets, ::testing::ValuesIn(kFftKernelSets), TestNameOf);

// The script's transforms run a set that this processor supports.
TEST(FftKernelSetChoice, ScriptTransformsGiveTheBitsOfTheSetInUse) {
  const FftKernelSet inUse = FftKernelSetInUse();
  EXPECT_TRUE(FftKernelSetSupported(inUse)) << FftKernelSetName(inUse);
  const ComplexVector values = RandomComplex(1024, 2);
  SpectralScript script;
  StoreComplex(script, 0, values);
  script.FftTransform(0, 1024, CZepkinMemory::kFftForward);
  EXPECT_EQ(LoadComplex(script, 0, values.size()), Forward(inUse, values));
  script.FftTransform(0, 1024, CZepkinMemory::kFftInverse);
  EXPECT_EQ(LoadComplex(script, 0, values.size()), Inverse(inUse, Forward(inUse, values)));
}

}  // namespace
