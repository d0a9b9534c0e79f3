#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "runtime/spectral_tables.h"
#include "spectral_reference.h"

namespace {

constexpr double kPi = 3.14159265358979323846264338328;
// Rounding in a split-radix transform grows like ε·log2(n), about 4e-15 at the largest
// size; the bound leaves a wide margin above that and far below any real fault.
constexpr double kTolerance = 1e-12;
constexpr std::int32_t kLargestDirectSize = 4096;

std::vector<std::int32_t> Sizes(std::int32_t from, std::int32_t to) {
  std::vector<std::int32_t> sizes;
  for (std::int32_t n = from; n <= to; n *= 2) sizes.push_back(n);
  return sizes;
}

ComplexVector Transformed(const ComplexVector& input, std::int32_t mode) {
  static SpectralScript script;  // one object for all: its blocks and workspace are made once
  StoreComplex(script, 0, input);
  script.FftTransform(0, static_cast<std::int32_t>(input.size()), mode);
  return LoadComplex(script, 0, input.size());
}

// Per step k: cos, cos, −sin, sin.
TEST(FftTables, TwiddlesHoldCosineAndSineOfEveryStepBelowAQuarterTurn) {
  // The table and the check each round the angle and the function once: below 1, at
  // most four units of 2^-53 apart.
  constexpr double kTwoRoundings = 4.5e-16;
  const double c = 0.92387953251128675613, s = 0.38268343236508977173, h = 0.70710678118654752440;
  const SpectralTables& tables = SharedSpectralTables();
  EXPECT_EQ(tables.Twiddles(16), (std::vector<double>{c, c, -s, s, h, h, -h, h, s, s, -c, c}));
  for (const std::int32_t n : Sizes(16, 32768)) {
    const std::vector<double>& twiddles = tables.Twiddles(n);
    ASSERT_EQ(twiddles.size(), static_cast<std::size_t>(4 * (n / 4 - 1))) << n;
    for (std::int32_t k = 1; k < n / 4; ++k) {
      const double* const step = &twiddles[4 * (k - 1)];
      EXPECT_NEAR(step[0], std::cos(2 * kPi * k / n), kTwoRoundings) << n << " " << k;
      EXPECT_EQ(step[1], step[0]) << n << " " << k;
      EXPECT_NEAR(step[3], std::sin(2 * kPi * k / n), kTwoRoundings) << n << " " << k;
      EXPECT_EQ(step[2], -step[3]) << n << " " << k;
    }
  }
}

TEST(FftTables, PermutationNamesWhereTheTransformLeavesEachBin) {
  const SpectralTables& tables = SharedSpectralTables();
  EXPECT_EQ(tables.Permutation(4), (std::vector<std::int32_t>{0, 3, 1, 2}));  // X0, X2, X3, X1
  // X0, X4, X6, X2, X7, X3, X1, X5
  EXPECT_EQ(tables.Permutation(8), (std::vector<std::int32_t>{0, 6, 3, 5, 1, 7, 2, 4}));
  for (const std::int32_t n : Sizes(4, 32768)) {
    const std::vector<std::int32_t>& permutation = tables.Permutation(n);
    ASSERT_EQ(permutation.size(), static_cast<std::size_t>(n));
    EXPECT_EQ(permutation[0], 0);
    for (std::int32_t i = 1; i < n; ++i) ASSERT_EQ(permutation[(n - Perm(i, n)) % n], i) << n << " " << i;
  }
}

TEST(FftTables, CycleLeadersAreTheSmallestElementOfEachCycleLongerThanOne) {
  const SpectralTables& tables = SharedSpectralTables();
  EXPECT_EQ(tables.CycleLeaders(16), (std::vector<std::int32_t>{1, 3}));
  EXPECT_EQ(tables.CycleLeaders(32), (std::vector<std::int32_t>{1}));
  EXPECT_EQ(tables.CycleLeaders(64), (std::vector<std::int32_t>{1, 3, 9}));
  for (const std::int32_t n : Sizes(4, 32768)) {
    const std::vector<std::int32_t>& permutation = tables.Permutation(n);
    std::vector<std::int32_t> smallest(static_cast<std::size_t>(n), n);  // per element: least of its cycle
    std::vector<std::int32_t> expected;
    for (std::int32_t start = 0; start < n; ++start) {
      if (smallest[start] < n) continue;
      std::int32_t length = 0;
      for (std::int32_t k = start; smallest[k] == n; k = permutation[k], ++length) smallest[k] = start;
      if (length > 1) expected.push_back(start);
    }
    EXPECT_EQ(tables.CycleLeaders(n), expected) << n;
  }
}

TEST(Fft, ForwardMatchesTheDirectSumInItsOwnOrderAndAfterReorderingInNaturalOrder) {
  SpectralScript script;
  for (const std::int32_t n : Sizes(16, kLargestDirectSize)) {
    const ComplexVector input = RandomComplex(static_cast<std::size_t>(n), static_cast<unsigned>(n));
    const ComplexVector spectrum = DirectDft(input);
    StoreComplex(script, 0, input);
    script.FftTransform(0, n, CZepkinMemory::kFftForward);
    EXPECT_LT(RelativeError(LoadComplex(script, 0, input.size()), InOwnOrder(spectrum)), kTolerance) << n;
    script.FftTransform(0, n, CZepkinMemory::kFftToNaturalOrder);
    EXPECT_LT(RelativeError(LoadComplex(script, 0, input.size()), spectrum), kTolerance) << n;
  }
}

// Above 4096 a full direct transform would dominate the test time: sampled bins are
// summed directly, and Parseval's identity (energy × n) checks the spectrum as a whole.
TEST(Fft, LargeTransformsMatchSampledBinsAndKeepTheEnergyTimesTheSize) {
  for (const std::int32_t n : Sizes(8192, 32768)) {
    const ComplexVector input = RandomComplex(static_cast<std::size_t>(n), static_cast<unsigned>(n));
    const ComplexVector natural =
        Transformed(Transformed(input, CZepkinMemory::kFftForward), CZepkinMemory::kFftToNaturalOrder);
    double sampledError = 0.0, sampledEnergy = 0.0;
    for (const std::int32_t k :
         {0, 1, 2, 3, n / 4 - 1, n / 4, n / 2 - 1, n / 2, n / 2 + 7, 3 * n / 4 + 1, n - 2, n - 1}) {
      const Complex expected = DftBin(input, k);
      sampledError += std::norm(natural[k] - expected);
      sampledEnergy += std::norm(expected);
    }
    EXPECT_LT(std::sqrt(sampledError / sampledEnergy), kTolerance) << n;
    double inputEnergy = 0.0, spectrumEnergy = 0.0;
    for (std::size_t k = 0; k < input.size(); ++k) {
      inputEnergy += std::norm(input[k]);
      spectrumEnergy += std::norm(natural[k]);
    }
    EXPECT_NEAR(spectrumEnergy / (n * inputEnergy), 1.0, kTolerance) << n;
  }
}

TEST(Fft, ReorderingANaturalSpectrumThenTheInverseTransformMatchesTheDirectInverseSum) {
  for (const std::int32_t n : Sizes(16, 1024)) {
    const ComplexVector spectrum = RandomComplex(static_cast<std::size_t>(n), static_cast<unsigned>(n + 1));
    const ComplexVector own = Transformed(spectrum, CZepkinMemory::kFftToTransformOrder);
    EXPECT_EQ(own, InOwnOrder(spectrum)) << n;
    EXPECT_LT(RelativeError(Transformed(own, CZepkinMemory::kFftInverse), DirectDft(spectrum, +1)), kTolerance) << n;
  }
}

// Both ways back: straight from the transform's own order, and from natural order
// through the reordering into the transform's own order.
TEST(Fft, ForwardThenInverseMultipliesByTheSize) {
  for (const std::int32_t n : Sizes(16, 32768)) {
    const ComplexVector input = RandomComplex(static_cast<std::size_t>(n), static_cast<unsigned>(n + 2));
    ComplexVector scaled = input;
    for (Complex& value : scaled) value *= static_cast<double>(n);
    const ComplexVector own = Transformed(input, CZepkinMemory::kFftForward);
    EXPECT_LT(RelativeError(Transformed(own, CZepkinMemory::kFftInverse), scaled), kTolerance) << n;
    const ComplexVector natural = Transformed(own, CZepkinMemory::kFftToNaturalOrder);
    EXPECT_EQ(Transformed(natural, CZepkinMemory::kFftToTransformOrder), own) << n;
  }
}

TEST(Fft, SixteenValuesComeBackSixteenTimesLarger) {
  ComplexVector input(16);
  for (std::size_t k = 0; k < input.size(); ++k) input[k] = {k + 1.0, 0.5 - static_cast<double>(k)};
  const ComplexVector roundTrip =
      Transformed(Transformed(input, CZepkinMemory::kFftForward), CZepkinMemory::kFftInverse);
  for (std::size_t k = 0; k < input.size(); ++k) {
    EXPECT_NEAR(roundTrip[k].real(), 16.0 * input[k].real(), 1e-13) << k;
    EXPECT_NEAR(roundTrip[k].imag(), 16.0 * input[k].imag(), 1e-13) << k;
  }
}

TEST(Fft, ImpulseAtZeroGivesOneInEveryBin) {
  for (const std::int32_t n : Sizes(16, 32768)) {
    ComplexVector impulse(static_cast<std::size_t>(n));
    impulse[0] = 1.0;
    for (const Complex& value : Transformed(impulse, CZepkinMemory::kFftForward)) ASSERT_EQ(value, Complex(1.0)) << n;
  }
}

TEST(Fft, ImpulseAtOneGivesTheRootsOfUnityInNaturalOrder) {
  for (const std::int32_t n : Sizes(16, 32768)) {
    ComplexVector impulse(static_cast<std::size_t>(n));
    impulse[1] = 1.0;
    const ComplexVector natural =
        Transformed(Transformed(impulse, CZepkinMemory::kFftForward), CZepkinMemory::kFftToNaturalOrder);
    double worst = 0.0;
    for (std::int32_t k = 0; k < n; ++k) {
      worst = std::max(worst, std::abs(natural[k] - std::polar(1.0, -2 * kPi * k / n)));
    }
    EXPECT_LT(worst, kTolerance) << n;
  }
}

TEST(Fft, SizeIsRoundedDownToAPowerOfTwo) {
  const ComplexVector input = RandomComplex(600, 3);
  SpectralScript rounded, exact;
  StoreComplex(rounded, 0, input);
  StoreComplex(exact, 0, input);
  rounded.FftTransform(0, 1000, CZepkinMemory::kFftForward);
  exact.FftTransform(0, 512, CZepkinMemory::kFftForward);
  EXPECT_EQ(LoadComplex(rounded, 0, 600), LoadComplex(exact, 0, 600));
  EXPECT_EQ(LoadComplex(rounded, 1024, 88), ComplexVector(input.begin() + 512, input.end()));
}

TEST(Fft, SizesOutsideTheRangeAndUnknownModesDoNothing) {
  const ComplexVector input = RandomComplex(32768, 4);
  SpectralScript script;
  StoreComplex(script, 0, input);
  for (const std::int32_t size : {15, 8, 1, 0, -16, 65536, std::numeric_limits<std::int32_t>::max()}) {
    for (const std::int32_t mode : {0, 1, 4, 5}) script.FftTransform(0, size, mode);
  }
  for (const std::int32_t mode : {-1, 2, 3, 6, 100}) script.FftTransform(0, 1024, mode);
  EXPECT_EQ(LoadComplex(script, 0, input.size()), input);
  EXPECT_EQ(script.memoryBlocks.size(), 1u);
}

TEST(Fft, TransformsAcrossABlockBoundaryEqualThoseOnContiguousCells) {
  const std::int32_t n = 256;
  const ComplexVector input = RandomComplex(n, 5);
  SpectralScript crossing;
  for (const std::int32_t index : {CZepkinMemory::kBlockLength - 2 * 100, CZepkinMemory::kBlockLength - 1, -50}) {
    for (const std::int32_t mode : {0, 1, 4, 5}) {
      StoreComplex(crossing, index, input);
      crossing.FftTransform(index, n, mode);
      EXPECT_EQ(LoadComplex(crossing, index, input.size()), Transformed(input, mode)) << index << " " << mode;
    }
  }
}

TEST(Fft, LargestTransformMayStartAnywhereInABlock) {
  const ComplexVector input = RandomComplex(32768, 6);
  SpectralScript crossing;
  StoreComplex(crossing, 12345, input);
  crossing.FftTransform(12345, 32768, CZepkinMemory::kFftForward);
  EXPECT_EQ(LoadComplex(crossing, 12345, input.size()), Transformed(input, CZepkinMemory::kFftForward));
}

}  // namespace
