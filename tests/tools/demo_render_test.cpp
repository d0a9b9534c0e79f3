#include <gtest/gtest.h>

#include <cmath>

#include "tests/tools/render_test_support.h"
#include "tools/demo/demo_signal.h"

namespace {

// The demo: target level 0.25 at 2 s, fade time 1 s + 0.2 of the 10 s range = 3 s.
const std::vector<std::string> kDemoSettings = {"--param", "fade time=0.2", "--automate", "target level=2:0.25"};
constexpr std::size_t kBlock = 512;

// Level 0.25 through the gain law level^(6 / ln 10): -31.38 dB.
double TargetGain() { return std::pow(0.25, 6.0 / std::log(10.0)); }

// The glide's share of the remaining distance per frame: time constant a fifth of 3 s.
double Coefficient() {
  const double period = 1.0 / kDemoSampleRate;
  return period / (0.2 * 3.0 + period);
}

class DemoRender : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteDemoSignal(folder.file("input.wav"));
    std::vector<std::string> arguments = kDemoSettings;
    arguments.push_back(folder.file("input.wav"));
    arguments.push_back(folder.file("fader-demo.wav"));
    const ToolRun run = RunTool(arguments);
    ASSERT_EQ(run.status, 0) << run.err;
    input = ReadAudio(folder.file("input.wav"));
    output = ReadAudio(folder.file("fader-demo.wav"));
    ASSERT_EQ(output.info.frames, input.info.frames);
  }

  // The change lands at the start of the block that holds 2 s.
  std::size_t changeFrame() const { return static_cast<std::size_t>(2.0 * kDemoSampleRate) / kBlock * kBlock; }

  ScratchFolder folder{CurrentTestName()};
  Audio input;
  Audio output;
};

TEST_F(DemoRender, LevelIsUnchangedBeforeTwoSeconds) {
  EXPECT_NEAR(static_cast<double>(changeFrame()) / kDemoSampleRate, 2.0, kBlock / kDemoSampleRate);
  for (std::size_t frame = 0; frame < changeFrame(); ++frame) {
    for (int channel : {0, 1}) ASSERT_EQ(output.at(frame, channel), input.at(frame, channel)) << frame;
  }
}

TEST_F(DemoRender, GainGlidesFromTwoSecondsAsAOnePoleSmoother) {
  const double target = TargetGain();
  const double k = Coefficient();
  double gain = 1.0;
  for (std::size_t frame = changeFrame(); frame < static_cast<std::size_t>(output.info.frames); ++frame) {
    gain += (target - gain) * k;
    for (int channel : {0, 1}) {
      const double in = input.at(frame, channel);
      // The file holds 32-bit floats: compare within their rounding.
      ASSERT_NEAR(output.at(frame, channel), in * gain, 1e-7) << frame;
    }
  }
}

TEST_F(DemoRender, OutputSettlesAtMinusThirtyOnePointThreeEightDecibels) {
  EXPECT_NEAR(20.0 * std::log10(TargetGain()), -31.38, 0.005);
  // The last second, where the glide has covered all but e^-12 of its way.
  const auto start = static_cast<std::size_t>(9.0 * kDemoSampleRate);
  double in = 0.0, out = 0.0;
  for (std::size_t frame = start; frame < static_cast<std::size_t>(output.info.frames); ++frame) {
    for (int channel : {0, 1}) {
      in += input.at(frame, channel) * input.at(frame, channel);
      out += output.at(frame, channel) * output.at(frame, channel);
    }
  }
  EXPECT_NEAR(10.0 * std::log10(out / in), -31.38, 0.01);
}

TEST_F(DemoRender, FadeTimeIsWhereTheGlideHasCoveredAllButTwoThirdsOfAPercent) {
  // 3 s after the change the remaining share of the way is (1 - k)^(3 s), about e^-5.
  const double k = Coefficient();
  EXPECT_NEAR(std::pow(1.0 - k, 3.0 * kDemoSampleRate), std::exp(-5.0), 1e-5);
  // The first frame from there on where the input is far enough from a zero crossing
  // for the ratio of output to input to show the gain.
  std::size_t frame = changeFrame() + static_cast<std::size_t>(3.0 * kDemoSampleRate);
  while (std::fabs(input.at(frame, 0)) < 0.25) ++frame;
  const double remaining = std::pow(1.0 - k, static_cast<double>(frame - changeFrame() + 1));
  const double gain = output.at(frame, 0) / input.at(frame, 0);
  EXPECT_NEAR((gain - TargetGain()) / (1.0 - TargetGain()), remaining, 1e-5);
}

}  // namespace
