#include <gtest/gtest.h>

#include "tests/support/noise.h"
#include "tests/tools/render_test_support.h"

namespace {

// A chain gives what rendering through each of its plug-ins in turn gives, through
// files in between (32-bit float files, which hold the 32-bit samples between them exactly).
TEST(Chain, FaderAfterFaderEqualsTwoRendersThroughAFile) {
  const ScratchFolder folder(CurrentTestName());
  const std::vector<float> noise = Noise<float>(2 * 6000, 11);
  WriteFloatWav(folder.file("in.wav"), 2, 44100.0, std::vector<double>(noise.begin(), noise.end()));
  const std::vector<std::string> first = {"--param", "target level=0.5", "--param", "fade time=0"};
  const std::vector<std::string> second = {"--plugin", FaderPlugin(), "--automate", "target level=0.05:0.2"};

  std::vector<std::string> chain = first;
  chain.insert(chain.end(), second.begin(), second.end());
  chain.insert(chain.end(), {folder.file("in.wav"), folder.file("chain.wav")});
  std::vector<std::string> one = first;
  one.insert(one.end(), {folder.file("in.wav"), folder.file("between.wav")});
  std::vector<std::string> two = second;
  two.insert(two.end(), {folder.file("between.wav"), folder.file("two.wav")});
  for (const auto& arguments : {chain, one, two}) {
    const ToolRun run = RunTool(arguments);
    ASSERT_EQ(run.status, 0) << run.err;
  }
  const Audio chained = ReadAudio(folder.file("chain.wav"));
  EXPECT_EQ(chained.samples, ReadAudio(folder.file("two.wav")).samples);
  EXPECT_NE(chained.samples, ReadAudio(folder.file("between.wav")).samples);
}

TEST(Chain, ChannelCountsMustFitFromOnePlugInToTheNext) {
  const ScratchFolder folder(CurrentTestName());
  WriteFloatWav(folder.file("in.wav"), 2, 44100.0, std::vector<double>(2 * 100, 0.5));
  const ToolRun run = RunTool({"--plugin", ProbePlugin(), "--plugin", FaderPlugin(), folder.file("in.wav"),
                               folder.file("out.wav")});
  ExpectRefusal(run, {"plug-in 1 (" QUORVANTILE_PROBE_PLUGIN ") gives 11 channels, but plug-in 2 (" QUORVANTILE_PLUGIN_FILE_NAME
                      ") takes 2 channels"});
  EXPECT_FALSE(FileExists(folder.file("out.wav")));
}

}  // namespace
