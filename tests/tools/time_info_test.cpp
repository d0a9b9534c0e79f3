#include <gtest/gtest.h>

#include <cmath>

#include "tests/tools/render_test_support.h"

namespace {

// The probe shows, in every frame of a block, the time information at the block's start.
enum ProbeChannel { kTempo = 4, kQuarters, kBarStart, kNumerator, kDenominator, kSamplePosition, kPlaying };

TEST(TimeInfo, TransportPlaysAtTheTempoAndTimeSignatureAsked) {
  // A rate of 1000 frames a second and blocks of a quarter second, so that every
  // position is exact in binary and bars start within the 5 seconds.
  constexpr double kRate = 1000.0;
  constexpr std::size_t kBlock = 250;
  const ScratchFolder folder(CurrentTestName());
  WriteFloatWav(folder.file("in.wav"), 2, kRate, std::vector<double>(2 * 5000, 0.0));
  struct Case {
    std::vector<std::string> options;
    double tempo;
    int numerator;
    int denominator;
  };
  const Case cases[] = {
      {{}, 120.0, 4, 4},
      {{"--tempo", "90", "--time-signature", "3/4"}, 90.0, 3, 4},
      {{"--tempo=180", "--time-signature=7/8"}, 180.0, 7, 8},
  };
  for (const Case& each : cases) {
    std::vector<std::string> arguments = each.options;
    arguments.insert(arguments.end(), {"--plugin", ProbePlugin(), "--block", std::to_string(kBlock),
                                       folder.file("in.wav"), folder.file("out.wav")});
    const ToolRun run = RunTool(arguments);
    ASSERT_EQ(run.status, 0) << run.err;
    const Audio shown = ReadAudio(folder.file("out.wav"));
    const double barQuarters = each.numerator * 4.0 / each.denominator;
    for (std::size_t frame = 0; frame < 5000; frame += kBlock) {
      SCOPED_TRACE(std::to_string(each.tempo) + " BPM, frame " + std::to_string(frame));
      const double quarters = static_cast<double>(frame) / kRate * each.tempo / 60.0;
      EXPECT_EQ(shown.at(frame, kTempo), each.tempo);
      EXPECT_EQ(shown.at(frame, kNumerator), each.numerator);
      EXPECT_EQ(shown.at(frame, kDenominator), each.denominator);
      EXPECT_EQ(shown.at(frame, kSamplePosition), static_cast<double>(frame));
      EXPECT_EQ(shown.at(frame, kQuarters), quarters);
      EXPECT_EQ(shown.at(frame, kBarStart), std::floor(quarters / barQuarters) * barQuarters);
      EXPECT_EQ(shown.at(frame + kBlock - 1, kQuarters), quarters);
      EXPECT_EQ(shown.at(frame, kPlaying), 1.0);
    }
  }
}

}  // namespace
