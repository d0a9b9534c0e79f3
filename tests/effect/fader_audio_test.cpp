#include <cmath>
#include <limits>

#include "tests/effect/fader_fixture.h"

namespace {

TEST_F(FaderTest, FullLevelKeepsTheGainAtExactlyOne) {
  start();
  for (int i = 0; i < 10000; ++i) {
    const double input = std::sin(i * 0.01) * 0.9;
    ASSERT_EQ(sample(input, -input), input);
    ASSERT_EQ(fader.samples[1], -input);
  }
  EXPECT_EQ(fader.currentGain, 1.0);
}

TEST_F(FaderTest, EachFrameCoversTheCoefficientsShareOfTheRemainingDistance) {
  start();
  instance.setParameter(0, 0.5f);
  const double k = fader.smoothingCoefficient;
  const double target = fader.targetGain;
  double expected = 1.0;
  for (int i = 0; i < 1000; ++i) {
    expected = expected + (target - expected) * k;
    ASSERT_EQ(sample(1.0), expected) << i;
  }
}

TEST_F(FaderTest, BothChannelsAreScaledByTheSameGain) {
  start();
  instance.setParameter(0, 0.3f);
  for (int i = 0; i < 1000; ++i) {
    const double left = sample(0.5, 0.5);
    ASSERT_EQ(left, fader.samples[1]);
  }
}

TEST_F(FaderTest, GainSnapsToASilentTargetInsideTheThreshold) {
  start();
  instance.setParameter(0, 0.0f);
  fader.currentGain = 0.0000105;
  sample(1.0);
  EXPECT_GT(fader.currentGain, 0.0) << "still outside: no snap";
  fader.currentGain = 0.0000100001;
  EXPECT_EQ(sample(1.0), 0.0);
  EXPECT_EQ(fader.currentGain, 0.0);
}

TEST_F(FaderTest, LevelOneHundredthAlsoSnapsToItsTinyTarget) {
  start();
  instance.setParameter(0, 0.01f);
  ASSERT_LT(fader.targetGain, 0.00001);
  fader.currentGain = 0.000009;
  sample(1.0);
  EXPECT_EQ(fader.currentGain, fader.targetGain);
}

TEST_F(FaderTest, SampleSectionTouchesOnlyTheTwoChannels) {
  start();
  fader.samples[2] = 42.0;
  sample(1.0, 1.0);
  EXPECT_EQ(fader.samples[2], 42.0);
}

TEST_F(FaderTest, InfiniteInputStaysInfinite) {
  start();
  EXPECT_EQ(sample(std::numeric_limits<double>::infinity()), std::numeric_limits<double>::infinity());
  EXPECT_EQ(fader.currentGain, 1.0);
}

}  // namespace
