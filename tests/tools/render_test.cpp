#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <random>

#include "tests/tools/render_test_support.h"

namespace {

constexpr double kRate = 44100.0;

std::vector<double> Noise(std::size_t values, unsigned seed) {
  std::mt19937 generator(seed);
  std::uniform_real_distribution<double> distribution(-1.0, 1.0);
  std::vector<double> samples(values);
  // Float values, so that a float WAV holds them exactly.
  for (double& sample : samples) sample = static_cast<float>(distribution(generator));
  return samples;
}

class Render : public ::testing::Test {
 protected:
  Render() : folder(CurrentTestName()), input(folder.file("in.wav")) {}

  ToolRun render(std::vector<std::string> arguments, const std::string& output) {
    arguments.push_back(input);
    arguments.push_back(output);
    return RunTool(arguments);
  }

  ScratchFolder folder;
  std::string input;
};

TEST_F(Render, FullLevelLeavesTheAudioUnchanged) {
  const std::vector<double> noise = Noise(2 * 3000, 1);
  WriteFloatWav(input, 2, kRate, noise);
  const ToolRun run = render({}, folder.file("out.wav"));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  const Audio output = ReadAudio(folder.file("out.wav"));
  EXPECT_EQ(output.info.channels, 2);
  EXPECT_EQ(output.info.sampleRate, kRate);
  EXPECT_EQ(output.samples, noise);
}

TEST_F(Render, ParametersAreFoundByNameInAnyCaseOrByIndex) {
  WriteFloatWav(input, 2, kRate, Noise(2 * 5000, 2));
  ASSERT_EQ(render({"--param", "target level=0.5", "--param", "fade time=0"}, folder.file("name.wav")).status, 0);
  ASSERT_EQ(render({"--param", " Target Level =0.5", "--param", "1=0"}, folder.file("index.wav")).status, 0);
  const Audio byName = ReadAudio(folder.file("name.wav"));
  EXPECT_EQ(byName.samples, ReadAudio(folder.file("index.wav")).samples);
  EXPECT_NE(byName.samples, ReadAudio(input).samples);
}

TEST_F(Render, SixtyFourBitPathGivesTheSameFileAsThirtyTwoBit) {
  WriteFloatWav(input, 2, kRate, Noise(2 * 20000, 3));
  const std::vector<std::string> settings = {"--param", "target level=0.4", "--param", "fade time=0"};
  ASSERT_EQ(render(settings, folder.file("float.wav")).status, 0);
  std::vector<std::string> wide = settings;
  wide.push_back("--double");
  ASSERT_EQ(render(wide, folder.file("double.wav")).status, 0);
  EXPECT_EQ(ReadAudio(folder.file("float.wav")).samples, ReadAudio(folder.file("double.wav")).samples);
}

// A constant input shows the gain itself: with a change at frame 150 and blocks of 64
// frames, the glide starts with the block at frame 128.
TEST_F(Render, AutomationActsFromTheStartOfTheBlockThatHoldsItsTime) {
  WriteFloatWav(input, 2, kRate, std::vector<double>(2 * 1000, 1.0));
  const ToolRun run = render({"--block", "64", "--param", "fade time=0", "--automate",
                              "target level=" + std::to_string(150.5 / kRate) + ":0"},
                             folder.file("out.wav"));
  ASSERT_EQ(run.status, 0) << run.err;
  const Audio output = ReadAudio(folder.file("out.wav"));
  for (std::size_t frame = 0; frame < 128; ++frame) ASSERT_EQ(output.at(frame, 0), 1.0) << frame;
  EXPECT_LT(output.at(128, 0), 1.0);
  EXPECT_LT(output.at(999, 1), output.at(128, 1));
}

TEST_F(Render, LaterAutomationPointsOfAParameterTakeOver) {
  WriteFloatWav(input, 2, kRate, std::vector<double>(2 * 4410, 1.0));
  const ToolRun run = render({"--param", "fade time=0", "--automate", "target level=0:0,0.05:1"},
                             folder.file("out.wav"));
  ASSERT_EQ(run.status, 0) << run.err;
  const Audio output = ReadAudio(folder.file("out.wav"));
  const std::size_t turn = 2048;  // the block of 512 frames that holds 0.05 s (frame 2205)
  EXPECT_LT(output.at(turn - 1, 0), output.at(0, 0));
  EXPECT_GT(output.at(4409, 0), output.at(turn, 0));
}

TEST_F(Render, SavedChunkRestoresTheSameSettings) {
  WriteFloatWav(input, 2, kRate, Noise(2 * 8000, 4));
  const std::string chunk = folder.file("settings.chunk");
  ASSERT_EQ(render({"--param", "target level=0.3", "--param", "fade time=0.1", "--save-chunk", chunk},
                   folder.file("set.wav")).status, 0);
  const Audio saved = ReadAudio(folder.file("set.wav"));
  std::ifstream file(chunk, std::ios::binary | std::ios::ate);
  EXPECT_EQ(file.tellg(), 260);  // the marker and 64 slider values, 32-bit floats

  const ToolRun run = render({"--chunk", chunk}, folder.file("restored.wav"));
  ASSERT_EQ(run.status, 0) << run.err;
  const Audio restored = ReadAudio(folder.file("restored.wav"));
  ASSERT_EQ(restored.samples.size(), saved.samples.size());
  // The chunk holds the slider values as 32-bit floats, one rounding away from those set.
  for (std::size_t i = 0; i < saved.samples.size(); ++i) ASSERT_NEAR(restored.samples[i], saved.samples[i], 1e-6) << i;
}

TEST_F(Render, InfoShowsTheFadersIdentityAndParameters) {
  const ToolRun run = RunTool({"--info"});
  ASSERT_EQ(run.status, 0) << run.err;
  for (const char* expected : {"Veltronika_Quorvantile", "Veltronika, version 1000", "2 in, 2 out",
                               "32-bit yes, 64-bit yes", "state chunk: yes, editor: no", "parameters: 2",
                               "target level", "1.000000  1.00\n", "fade time", "0.650000  7.50 s\n"}) {
    EXPECT_NE(run.out.find(expected), std::string::npos) << expected << " in\n" << run.out;
  }
}

TEST_F(Render, HelpShowsTheUsage) {
  const ToolRun run = RunTool({"--help"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out.rfind("usage: vst-render [options] INPUT OUTPUT\n", 0), 0u) << run.out;
}

}  // namespace
