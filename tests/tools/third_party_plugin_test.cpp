#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "tests/tools/render_test_support.h"

namespace {

// A VST 2.4 plug-in that this project did not write: the room reverb of Debian's
// dragonfly-reverb-vst package, built with another framework and exporting only the
// older entry point name "main".
constexpr char kPackage[] = "dragonfly-reverb-vst";
constexpr char kReverb[] = "/usr/lib/lxvst/DragonflyRoomReverb-vst.so";
constexpr double kRate = 48000.0;

class ThirdPartyPlugIn : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(kReverb)) {
      GTEST_SKIP() << kReverb << " is missing: install Debian's " << kPackage << " to test a third-party plug-in";
    }
  }

  ScratchFolder folder{CurrentTestName()};
};

TEST_F(ThirdPartyPlugIn, InfoListsItsIdentityAndParameters) {
  const ToolRun run = RunTool({"--info", "--plugin", kReverb});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("channels:   2 in, 2 out"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("Decay"), std::string::npos) << run.out;
}

TEST_F(ThirdPartyPlugIn, ReverbRingsOnAfterAnImpulse) {
  // One click at the start of a second of silence, through the reverb alone (no dry signal).
  std::vector<double> click(2 * static_cast<std::size_t>(kRate), 0.0);
  click[0] = click[1] = 1.0;
  WriteFloatWav(folder.file("click.wav"), 2, kRate, click);
  const ToolRun run = RunTool({"--plugin", kReverb, "--param", "dry level=0", "--block", "256",
                               folder.file("click.wav"), folder.file("room.wav")});
  ASSERT_EQ(run.status, 0) << run.err;

  const Audio room = ReadAudio(folder.file("room.wav"));
  ASSERT_EQ(room.info.frames, static_cast<std::int64_t>(kRate));
  // Where the input is silent, between 50 and 300 ms, the room still sounds.
  double energy = 0.0;
  for (auto frame = static_cast<std::size_t>(0.05 * kRate); frame < static_cast<std::size_t>(0.3 * kRate); ++frame) {
    for (int channel : {0, 1}) {
      ASSERT_TRUE(std::isfinite(room.at(frame, channel))) << frame;
      energy += room.at(frame, channel) * room.at(frame, channel);
    }
  }
  EXPECT_GT(energy, 1e-6);
}

TEST_F(ThirdPartyPlugIn, ChainWithTheFaderEqualsRenderingThroughBothInTurn) {
  std::vector<double> click(2 * 4800, 0.0);
  click[0] = click[1] = 1.0;
  WriteFloatWav(folder.file("click.wav"), 2, kRate, click);
  ExpectChainEqualsRendersInTurn(folder, folder.file("click.wav"), {"--plugin", kReverb, "--param", "dry level=0.5"},
                                 {"--plugin", FaderPlugin(), "--param", "fade time=0", "--automate",
                                  "target level=0.02:0.3"});
}

}  // namespace
