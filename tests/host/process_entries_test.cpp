#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/host/recording_script.h"

namespace {

class ProcessEntries : public ::testing::Test {
 protected:
  ProcessEntries() { instance.start(); }
  RecordingScript& script() { return *recorded.script; }
  std::size_t blocksRun() const {
    std::size_t blocks = 0;
    for (const std::string& section : recorded.script->log) blocks += section == "block" ? 1 : 0;
    return blocks;
  }

  TestHost host;
  RecordedPlugin recorded{host};
  PluginInstance instance{recorded.effect};
};

TEST_F(ProcessEntries, ZeroFramesStillRunTheBlockSectionOnce) {
  float left = 0.0f, right = 0.0f;
  float* channels[2] = {&left, &right};
  recorded.effect->processReplacing(recorded.effect, channels, channels, 0);
  EXPECT_EQ(blocksRun(), 1u);
  double wideLeft = 0.0, wideRight = 0.0;
  double* wide[2] = {&wideLeft, &wideRight};
  recorded.effect->processDoubleReplacing(recorded.effect, wide, wide, 0);
  EXPECT_EQ(blocksRun(), 2u);
  EXPECT_EQ(script().framesSeen, 0);
}

TEST_F(ProcessEntries, EachFrameReadsBothInputsBeforeWritingInPlace) {
  std::vector<float> left = {1, 2, 3}, right = {10, 20, 30};
  instance.process(left, right);
  EXPECT_EQ(left, (std::vector<float>{10, 20, 30}));
  EXPECT_EQ(right, (std::vector<float>{2, 4, 6}));
  EXPECT_EQ(blocksRun(), 1u);
  EXPECT_EQ(script().framesSeen, 3);
}

TEST_F(ProcessEntries, SeparateOutputBuffersLeaveTheInputsAlone) {
  double inLeft[2] = {0.5, -0.5}, inRight[2] = {0.25, 1.0};
  double outLeft[2] = {}, outRight[2] = {};
  double* inputs[2] = {inLeft, inRight};
  double* outputs[2] = {outLeft, outRight};
  recorded.effect->processDoubleReplacing(recorded.effect, inputs, outputs, 2);
  EXPECT_EQ(outLeft[0], 0.25);
  EXPECT_EQ(outLeft[1], 1.0);
  EXPECT_EQ(outRight[0], 1.0);
  EXPECT_EQ(outRight[1], -1.0);
  EXPECT_EQ(inLeft[0], 0.5);
}

TEST_F(ProcessEntries, ThirtyTwoBitOutputsAreTheNarrowedResults) {
  std::vector<float> left = {0.1f}, right = {1e-3f};
  instance.process(left, right);
  EXPECT_EQ(left[0], 1e-3f);
  EXPECT_EQ(right[0], static_cast<float>(2.0 * static_cast<double>(0.1f)));
}

TEST_F(ProcessEntries, MissingBuffersRunNothing) {
  float sample = 1.0f;
  float* partial[2] = {&sample, nullptr};
  recorded.effect->processReplacing(recorded.effect, nullptr, nullptr, 16);
  recorded.effect->processReplacing(recorded.effect, partial, partial, 16);
  EXPECT_EQ(blocksRun(), 0u);
  EXPECT_EQ(script().framesSeen, 0);
  EXPECT_EQ(sample, 1.0f);
}

TEST_F(ProcessEntries, NegativeFrameCountsProcessNoFrames) {
  float left = 1.0f, right = 2.0f;
  float* channels[2] = {&left, &right};
  recorded.effect->processReplacing(recorded.effect, channels, channels, -5);
  EXPECT_EQ(blocksRun(), 1u);
  EXPECT_EQ(script().framesSeen, 0);
  EXPECT_EQ(left, 1.0f);
}

}  // namespace
