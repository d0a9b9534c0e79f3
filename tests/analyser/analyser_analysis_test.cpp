#include <cmath>

#include "tests/analyser/analyser_fixture.h"

namespace {

// -6 dBFS: half of full scale.
constexpr double kHalfScale = 0.5011872336272722;
constexpr double kFortyDbBelow = kHalfScale / 100.0;

class AnalysisAtRate : public AnalyserTest, public ::testing::WithParamInterface<float> {
 protected:
  void SetUp() override {
    rate = GetParam();
    start(rate);
  }
};

TEST_P(AnalysisAtRate, ASineAtMinusSixDbReadsMinusSixDbAtItsBin) {
  play({{kHalfScale, 1000.0}}, 1.0);
  ASSERT_TRUE(take());
  EXPECT_NEAR(levelAt(1000.0), -6.0, 0.5);
  EXPECT_LT(levelAt(3000.0), -60.0) << "nothing where there is no sine";
}

TEST_P(AnalysisAtRate, TwoSinesFortyDbApartBothShow) {
  play({{kHalfScale, 1000.0}, {kFortyDbBelow, 5000.0}}, 1.0);
  ASSERT_TRUE(take());
  EXPECT_NEAR(levelAt(1000.0), -6.0, 0.5);
  EXPECT_NEAR(levelAt(5000.0), -46.0, 1.0);
  EXPECT_LT(levelAt(3000.0), -60.0);
}

TEST_P(AnalysisAtRate, SilenceReadsAtTheFloor) {
  play({}, 0.5);
  ASSERT_TRUE(take());
  const SpectrumReading reading{analyser};
  for (std::int32_t k = 0; k < reading.bins(); ++k) ASSERT_LE(reading.level(k, -90.0), -90.0) << k;
}

INSTANTIATE_TEST_SUITE_P(Rates, AnalysisAtRate, ::testing::Values(44100.0f, 48000.0f));

TEST_F(AnalyserTest, AFullScaleSineAtABinCentreReadsZeroDb) {
  start(44100.0f);
  play({{1.0, 100.0 * 44100.0 / 4096.0}}, 1.0);  // the centre of bin 100
  ASSERT_TRUE(take());
  EXPECT_NEAR(levelAt(100.0 * 44100.0 / 4096.0), 0.0, 0.1);
}

TEST_F(AnalyserTest, FreezeKeepsTheSpectrumWhileTheInputChanges) {
  start(44100.0f);
  play({{kHalfScale, 1000.0}}, 1.0);
  setFreeze(true);
  take();
  const double frozen = levelAt(1000.0);
  play({{kHalfScale, 3000.0}}, 1.0);
  EXPECT_FALSE(take()) << "nothing new while frozen";
  EXPECT_EQ(levelAt(1000.0), frozen);
  setFreeze(false);
  play({{kHalfScale, 3000.0}}, 1.0);
  EXPECT_TRUE(take());
  EXPECT_NEAR(levelAt(3000.0), -6.0, 0.5);
}

// A new size starts a new analysis: nothing of the old one carries over.
TEST_F(AnalyserTest, ChangingTheSizeRestartsTheAnalysis) {
  start(44100.0f);
  play({{kHalfScale, 1000.0}}, 1.0);
  instance.setParameter(2, 1.0f);  // 8192
  play({{kHalfScale, 3000.0}}, 0.25);
  ASSERT_TRUE(take());
  EXPECT_EQ(SpectrumReading{analyser}.size(), 8192);
  EXPECT_LT(levelAt(1000.0), -60.0);
  EXPECT_NEAR(levelAt(3000.0), -6.0, 0.5);
}

}  // namespace
