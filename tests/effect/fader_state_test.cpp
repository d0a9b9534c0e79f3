#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "host/dorn.h"
#include "plugin/plugin_entry.h"
#include "tests/effect/fader_fixture.h"

namespace {

TEST_F(FaderTest, ConstructionDescribesTheFaderAndRunsNoSection) {
  EXPECT_EQ(fader.effectName, "Veltronika_Quorvantile");
  EXPECT_EQ(fader.productName, "Veltronika_Quorvantile");
  EXPECT_EQ(fader.programName, "Veltronika_Quorvantile");
  EXPECT_EQ(fader.vendorName, "Veltronika");
  EXPECT_EQ(fader.vendorVersion, 1000);
  EXPECT_EQ(fader.uniqueId, 0);
  EXPECT_EQ(fader.channelCount, 2);
  ASSERT_EQ(fader.sliders.size(), 2u);
  const SliderDefinition& level = fader.sliders[0];
  EXPECT_EQ(level.sliderNumber, 1);
  EXPECT_EQ(level.displayName, "target level");
  EXPECT_EQ(level.unitLabel, "");
  EXPECT_EQ(level.minimum, 0.0);
  EXPECT_EQ(level.maximum, 1.0);
  EXPECT_EQ(level.step, 0.01);
  const SliderDefinition& fade = fader.sliders[1];
  EXPECT_EQ(fade.sliderNumber, 2);
  EXPECT_EQ(fade.displayName, "fade time");
  EXPECT_EQ(fade.unitLabel, "s");
  EXPECT_EQ(fade.minimum, 1.0);
  EXPECT_EQ(fade.maximum, 11.0);
  EXPECT_EQ(fade.step, 0.1);
  EXPECT_EQ(fader.sliderValues[1], 1.0);
  EXPECT_EQ(fader.sliderValues[2], 7.5);
  for (std::size_t n = 3; n < fader.sliderValues.size(); ++n) EXPECT_EQ(fader.sliderValues[n], 0.0);
  EXPECT_EQ(fader.sliderValues[0], 0.0);
  EXPECT_EQ(fader.currentGain, 0.0);
  EXPECT_EQ(fader.refreshRate, 0.0);
}

TEST_F(FaderTest, OpenResetsEveryVariableAndRegistersTheFontName) {
  start();
  fader.targetGain = 5.0;
  fader.playState = 1.0;
  *fader.MemoryAt(3) = 1.0;
  instance.dispatch(effOpen);
  EXPECT_EQ(fader.currentGain, 0.0);
  EXPECT_EQ(fader.targetGain, 0.0);
  EXPECT_EQ(fader.smoothingCoefficient, 0.0);
  EXPECT_EQ(fader.sampleRate, 0.0);
  EXPECT_EQ(fader.playState, 0.0);
  EXPECT_TRUE(fader.memoryBlocks.empty());
  EXPECT_EQ(fader.strings.size(), 1u);
  EXPECT_EQ(fader.strings.at(10000), "Courier New");
  EXPECT_EQ(fader.stringCount, 1.0);
  EXPECT_EQ(sample(1.0), 0.0) << "a gain of 0 after open: silence until the next resume";
}

TEST_F(FaderTest, InitFetchesTheHostSettings) {
  host.providesTimeInfo = true;
  host.timeInfo.tempo = 140.0;
  start(48000.0f, 256);
  EXPECT_EQ(fader.refreshRate, 30.0);
  EXPECT_EQ(fader.hostSampleRate, 48000.0);
  EXPECT_EQ(fader.sampleRate, 48000.0);
  EXPECT_EQ(fader.inputCount, 2.0);
  EXPECT_EQ(fader.blockLength, 256.0);
  EXPECT_EQ(fader.tempo, 140.0);
  EXPECT_EQ(fader.levelCurve, 6.0);
  EXPECT_EQ(fader.samplePeriod, 1.0 / 48000.0);
  EXPECT_EQ(fader.currentGain, 1.0);
  EXPECT_EQ(fader.smoothingScale, 0.2);
  EXPECT_EQ(fader.colorAlpha, 0.0);
}

TEST_F(FaderTest, LevelLawGivesAboutFiftyTwoDecibelsPerDecade) {
  start();
  const struct {
    float hostValue;
    double gain;
  } cases[] = {{1.0f, 1.0}, {0.5f, 0.16428}, {0.25f, 0.026988}, {0.1f, 0.0024788}, {0.01f, 6.144e-6}, {0.0f, 0.0}};
  for (const auto& c : cases) {
    instance.setParameter(0, c.hostValue);
    EXPECT_NEAR(fader.targetGain, c.gain, c.gain * 1e-4) << c.hostValue;
  }
  instance.setParameter(0, 1.0f);
  EXPECT_EQ(fader.targetGain, 1.0);
}

TEST_F(FaderTest, UnusableLevelsGiveATargetOfZero) {
  start();
  const double infinity = std::numeric_limits<double>::infinity();
  for (double level : {std::nan(""), -0.5, -infinity, infinity, 1e200}) {
    fader.sliderValues[1] = level;
    fader.DoSlider();
    EXPECT_EQ(fader.targetGain, 0.0) << level;
  }
}

// The fader never amplifies: a level above full holds the target at 1, while one that
// the law turns into no number (infinite, or overflowing: 1e200 ^ 2.6 is beyond any
// double) gives silence. The audio goes through the effect record.
TEST_F(FaderTest, LevelsAboveFullHoldTheTargetAtUnityUnlessTheLawGivesNoNumber) {
  const struct {
    double level;
    double gain;
  } cases[] = {{1.0000001, 1.0}, {2.0, 1.0}, {1e30, 1.0}, {1e200, 0.0}, {std::numeric_limits<double>::infinity(), 0.0}};
  for (const auto& c : cases) {
    start();
    fader.sliderValues[1] = c.level;
    fader.sliderValues[2] = 1.0;  // one second of fade
    EXPECT_EQ(instance.restore(chunkOf({-1000.0f})), 4);  // recomputes from the values as they are
    EXPECT_EQ(fader.targetGain, c.gain) << c.level;
    std::vector<double> left(3 * 44100, 0.5), right(3 * 44100, -0.5);
    instance.process(left, right);
    EXPECT_EQ(fader.currentGain, c.gain) << c.level << ": from 1, exactly at the target after 3 s";
    EXPECT_EQ(left.back(), 0.5 * c.gain) << c.level;
    EXPECT_EQ(right.back(), -0.5 * c.gain) << c.level;
  }
}

TEST_F(FaderTest, CoefficientFollowsFadeTimeAndSampleRate) {
  start(44100.0f, 512);
  EXPECT_EQ(fader.smoothingTime, 1.5);
  EXPECT_NEAR(fader.smoothingCoefficient, 1.0 / 66151.0, 1e-18);

  PluginInstance other(host.create(VSTPluginMain));
  auto& second = *static_cast<TZepkinEffect*>(static_cast<CDorn*>(other.effect()->object)->runtime);
  other.start(48000.0f, 512);
  other.setParameter(1, 0.0f);
  EXPECT_NEAR(second.smoothingCoefficient, 1.0416e-4, 1e-8);
}

TEST_F(FaderTest, ABlockLongerThanTheFadeTimeSetsTheTimeConstant) {
  start(44100.0f, 88200);  // two seconds per block
  instance.setParameter(1, 0.0f);  // one second of fade
  EXPECT_DOUBLE_EQ(fader.smoothingTime, 0.4);
}

TEST_F(FaderTest, SampleRateZeroFreezesTheGain) {
  start(0.0f, 512);
  EXPECT_EQ(fader.samplePeriod, 0.0);
  instance.setParameter(0, 0.0f);
  EXPECT_EQ(fader.smoothingCoefficient, 0.0);
  EXPECT_EQ(sample(1.0), 1.0);
}

TEST_F(FaderTest, ChangesSmallerThanTheThresholdRunNoSliderSection) {
  start();
  fader.smoothingCoefficient = 123.0;  // only the slider section would recompute it
  instance.setParameter(1, 0.65f);      // quantises to the current 7.5
  EXPECT_EQ(fader.smoothingCoefficient, 123.0);
  fader.sliderValues[2] = 7.500009;
  instance.setParameter(1, 0.65f);
  EXPECT_EQ(fader.smoothingCoefficient, 123.0);
  instance.setParameter(1, 0.66f);
  EXPECT_NE(fader.smoothingCoefficient, 123.0);
  EXPECT_DOUBLE_EQ(fader.sliderValues[2], 7.6);
}

TEST_F(FaderTest, BlockSectionReadsTransportAndTimeSignature) {
  host.providesTimeInfo = true;
  host.timeInfo.tempo = 90.0;
  host.timeInfo.timeSigNumerator = 3;
  host.timeInfo.timeSigDenominator = 4;
  host.timeInfo.ppqPos = 12.25;
  host.timeInfo.flags = kVstTransportPlaying | kVstTransportRecording;
  start();
  fader.DoBlock();
  EXPECT_EQ(fader.hostTempo, 90.0);
  EXPECT_EQ(fader.tempo, 90.0);
  EXPECT_EQ(fader.timeSigNumerator, 3.0);
  EXPECT_EQ(fader.timeSigDenominator, 4.0);
  EXPECT_EQ(fader.playState, 5.0);
  EXPECT_EQ(fader.beatPosition, 12.25);
  host.timeInfo.flags = kVstTransportRecording;
  fader.DoBlock();
  EXPECT_EQ(fader.playState, 4.0);

  host.providesTimeInfo = false;
  fader.DoBlock();
  EXPECT_EQ(fader.hostTempo, 90.0) << "kept without time information";
  EXPECT_EQ(fader.timeSigNumerator, 3.0);
  EXPECT_EQ(fader.playState, 0.0);
  EXPECT_EQ(fader.beatPosition, 0.0);
}

TEST_F(FaderTest, SectionsStartFromTheFetchedHostValues) {
  start(44100.0f, 512);
  fader.sampleRate = 1.0;
  fader.blockLength = 99.0;
  fader.DoSample();
  EXPECT_EQ(fader.sampleRate, 44100.0);
  EXPECT_EQ(fader.blockLength, 512.0);
}

TEST_F(FaderTest, SerializeSavesSlidersOneToSixtyFour) {
  start();
  fader.sliderValues[64] = 3.0;
  fader.sliderValues[65] = 4.0;
  const std::vector<unsigned char> saved = instance.chunk();
  ASSERT_EQ(saved.size(), 260u);
  float last = 0.0f;
  std::memcpy(&last, saved.data() + 256, 4);
  EXPECT_EQ(last, 3.0f);
  EXPECT_EQ(fader.serializeCounter, 65.0);
}

TEST_F(FaderTest, RestoringMarkerAndLevelKeepsTheFadeTime) {
  start();
  instance.setParameter(1, 0.2f);
  EXPECT_EQ(instance.restore(chunkOf({-1000.0f, 0.5f})), 8);
  EXPECT_EQ(fader.sliderValues[1], 0.5);
  EXPECT_EQ(fader.sliderValues[2], 3.0);
  EXPECT_NEAR(fader.targetGain, 0.16428, 1e-5);
}

TEST_F(FaderTest, OnlyTheFirstRestoreRestartsTheGain) {
  start();
  instance.setParameter(0, 0.0f);
  for (int i = 0; i < 1000; ++i) sample(1.0);
  ASSERT_LT(fader.currentGain, 1.0);
  instance.restore(chunkOf({-1000.0f, 0.0f}));
  EXPECT_EQ(fader.currentGain, 1.0) << "the first restore runs the init section";
  for (int i = 0; i < 1000; ++i) sample(1.0);
  const double gliding = fader.currentGain;
  instance.restore(chunkOf({-1000.0f, 0.0f}));
  EXPECT_EQ(fader.currentGain, gliding);
}

TEST_F(FaderTest, MarkerOnlyRestoreRecomputesFromTheCurrentSliders) {
  start();
  fader.smoothingCoefficient = 123.0;
  EXPECT_EQ(instance.restore(chunkOf({-1000.0f})), 4);
  EXPECT_NEAR(fader.smoothingCoefficient, 1.0 / 66151.0, 1e-18);
  EXPECT_EQ(fader.sliderValues[1], 1.0);
}

TEST_F(FaderTest, NaNLevelFromADamagedChunkGivesSilence) {
  start();
  instance.restore(chunkOf({-1000.0f, std::nanf("")}));
  EXPECT_TRUE(std::isnan(fader.sliderValues[1]));
  EXPECT_EQ(fader.targetGain, 0.0);
}

TEST_F(FaderTest, ResumeRestartsTheGlideFromFullGain) {
  start();
  instance.setParameter(0, 0.5f);
  for (int i = 0; i < 20000; ++i) sample(1.0);
  ASSERT_LT(fader.currentGain, 0.9);
  instance.dispatch(effMainsChanged, 0, 0);
  instance.dispatch(effMainsChanged, 0, 1);
  EXPECT_EQ(fader.currentGain, 1.0);
  EXPECT_NEAR(fader.targetGain, 0.16428, 1e-5);
}

}  // namespace
