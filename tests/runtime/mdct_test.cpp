#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "runtime/mdct_lookup.h"
#include "spectral_reference.h"

namespace {

constexpr double kPi = 3.14159265358979323846264338328;
// Rounding grows like ε·log2(n) through the fast algorithm and like ε·√n through the
// direct sums it is compared with; both stay below 1e-14 at size 4096.
constexpr double kTolerance = 1e-12;

std::vector<std::int32_t> MdctSizes() {
  std::vector<std::int32_t> sizes;
  for (std::int32_t n = 32; n <= 4096; n *= 2) sizes.push_back(n);
  return sizes;
}

// Runs the builtin on `values` stored at `index` and returns `resultCount` cells.
std::vector<double> RunMdct(TZepkin& script, const std::vector<double>& values, std::int32_t size, std::int32_t inverse,
                            std::size_t resultCount, std::int32_t index = 0) {
  StoreValues(script, index, values);
  script.Mdct(index, size, inverse);
  return LoadValues(script, index, resultCount);
}

TEST(MdctLookup, HoldsTheSineWindowAndTheScale) {
  for (const std::int32_t n : MdctSizes()) {
    const MdctLookup& lookup = SharedMdctLookup(n);
    EXPECT_EQ(lookup.size, n);
    EXPECT_EQ(1 << lookup.log2Size, n);
    EXPECT_EQ(lookup.scale, 4.0 / n);
    ASSERT_EQ(lookup.window.size(), static_cast<std::size_t>(n / 2));
    for (std::int32_t i = 0; i < n / 2; ++i) EXPECT_NEAR(lookup.window[i], SineWindow(n, i), 1e-16) << n << " " << i;
  }
}

TEST(MdctLookup, SizeThirtyTwoHasNoFastTables) {
  const MdctLookup& lookup = SharedMdctLookup(32);
  EXPECT_TRUE(lookup.trig.empty());
  EXPECT_TRUE(lookup.bitReverse.empty());
}

TEST(MdctLookup, TrigTableHoldsItsThreeRotationsInPlace) {
  for (const std::int32_t n : MdctSizes()) {
    if (n == 32) continue;
    const std::vector<double>& trig = SharedMdctLookup(n).trig;
    ASSERT_EQ(trig.size(), static_cast<std::size_t>(n + n / 4));
    for (std::int32_t i = 0; i < n / 4; ++i) {
      EXPECT_NEAR(trig[2 * i], std::cos(4 * i * kPi / n), 1e-15);
      EXPECT_NEAR(trig[2 * i + 1], -std::sin(4 * i * kPi / n), 1e-15);
      EXPECT_NEAR(trig[n / 2 + 2 * i], std::cos((2 * i + 1) * kPi / (2 * n)), 1e-15);
      EXPECT_NEAR(trig[n / 2 + 2 * i + 1], std::sin((2 * i + 1) * kPi / (2 * n)), 1e-15);
    }
    for (std::int32_t i = 0; i < n / 8; ++i) {
      EXPECT_NEAR(trig[n + 2 * i], std::cos((4 * i + 2) * kPi / n) * 0.5, 1e-15);
      EXPECT_NEAR(trig[n + 2 * i + 1], -std::sin((4 * i + 2) * kPi / n) * 0.5, 1e-15);
    }
  }
}

// For size 64 (log2 6): acc is i reversed within 5 bits, the pair ((31 AND NOT acc) − 1, acc).
TEST(MdctLookup, BitReversalPairsComplementAndReversedIndex) {
  EXPECT_EQ(SharedMdctLookup(64).bitReverse,
            (std::vector<std::int32_t>{30, 0, 14, 16, 22, 8, 6, 24, 26, 4, 10, 20, 18, 12, 2, 28}));
  EXPECT_EQ(SharedMdctLookup(4096).bitReverse.size(), 1024u);
}

TEST(Mdct, ForwardMatchesTheDefinitionWithItsScale) {
  SpectralScript script;
  for (const std::int32_t n : MdctSizes()) {
    const std::vector<double> input = RandomValues(static_cast<std::size_t>(n), static_cast<unsigned>(n));
    const std::vector<double> expected = Scaled(DirectMdct(Windowed(input)), MdctForwardScale(n));
    EXPECT_LT(RelativeError(RunMdct(script, input, n, 0, n / 2), expected), kTolerance) << n;
  }
}

TEST(Mdct, ForwardLeavesTheSecondHalfOfTheCellsAlone) {
  SpectralScript script;
  const std::vector<double> input = RandomValues(256, 7);
  const std::vector<double> result = RunMdct(script, input, 256, 0, 256);
  EXPECT_EQ(std::vector<double>(result.begin() + 128, result.end()),
            std::vector<double>(input.begin() + 128, input.end()));
}

TEST(Mdct, InverseMatchesTheDefinitionWithItsScaleAndWindow) {
  SpectralScript script;
  for (const std::int32_t n : MdctSizes()) {
    const std::vector<double> coefficients =
        RandomValues(static_cast<std::size_t>(n / 2), static_cast<unsigned>(n + 1));
    const std::vector<double> expected = Scaled(Windowed(DirectInverseMdct(coefficients)), MdctInverseScale(n));
    EXPECT_LT(RelativeError(RunMdct(script, coefficients, n, 1, n), expected), kTolerance) << n;
  }
}

// Sine-windowed frames that overlap by half cancel each other's time-domain aliasing:
// the overlap-added inverse transforms give back the shared middle section.
TEST(Mdct, OverlapAddOfTwoHalfOverlappingFramesRebuildsTheirCommonHalf) {
  SpectralScript script;
  for (const std::int32_t n : MdctSizes()) {
    const std::vector<double> signal = RandomValues(static_cast<std::size_t>(3 * n / 2), static_cast<unsigned>(n + 2));
    const std::vector<double> first(signal.begin(), signal.begin() + n);
    const std::vector<double> second(signal.begin() + n / 2, signal.end());
    const std::vector<double> firstOut = RunMdct(script, RunMdct(script, first, n, 0, n / 2), n, 1, n);
    const std::vector<double> secondOut = RunMdct(script, RunMdct(script, second, n, 0, n / 2), n, 1, n);
    double worst = 0.0;
    for (std::int32_t j = 0; j < n / 2; ++j) {
      worst = std::max(worst, std::abs(firstOut[n / 2 + j] + secondOut[j] - signal[n / 2 + j]));
    }
    EXPECT_LT(worst, kTolerance) << n;
  }
}

TEST(Mdct, SizeIsRoundedDownToAPowerOfTwo) {
  SpectralScript script;
  const std::vector<double> input = RandomValues(100, 8);
  const std::vector<double> rounded = RunMdct(script, input, 100, 0, 100);
  std::vector<double> expected = RunMdct(script, std::vector<double>(input.begin(), input.begin() + 64), 64, 0, 64);
  expected.insert(expected.end(), input.begin() + 64, input.end());
  EXPECT_EQ(rounded, expected);
}

TEST(Mdct, SizesOutsideTheRangeDoNothing) {
  const std::vector<double> input = RandomValues(8192, 9);
  SpectralScript script;
  StoreValues(script, 0, input);
  for (const std::int32_t size : {31, 16, 1, 0, -64, 8192, 1 << 30}) {
    script.Mdct(0, size, 0);
    script.Mdct(0, size, 1);
  }
  EXPECT_EQ(LoadValues(script, 0, input.size()), input);
}

TEST(Mdct, TransformsAcrossABlockBoundaryEqualThoseOnContiguousCells) {
  SpectralScript crossing, contiguous;
  for (const std::int32_t n : {32, 512}) {
    const std::vector<double> input = RandomValues(static_cast<std::size_t>(n), static_cast<unsigned>(n + 3));
    for (const std::int32_t inverse : {0, 1}) {
      const std::vector<double> expected = RunMdct(contiguous, input, n, inverse, n);
      for (const std::int32_t index :
           {CZepkinMemory::kBlockLength - n / 4, CZepkinMemory::kBlockLength - 3 * n / 4, -1}) {
        EXPECT_EQ(RunMdct(crossing, input, n, inverse, n, index), expected) << n << " " << inverse << " " << index;
      }
    }
  }
}

}  // namespace
