#include <gtest/gtest.h>

#include "tests/support/noise.h"
#include "tests/tools/render_test_support.h"

namespace {

// 32-bit float files hold the 32-bit samples between the two plug-ins exactly.
TEST(Chain, FaderAfterFaderEqualsTwoRendersThroughAFile) {
  const ScratchFolder folder(CurrentTestName());
  const std::vector<float> noise = Noise<float>(2 * 6000, 11);
  WriteFloatWav(folder.file("in.wav"), 2, 44100.0, std::vector<double>(noise.begin(), noise.end()));
  ExpectChainEqualsRendersInTurn(folder, folder.file("in.wav"), {"--param", "target level=0.5", "--param", "fade time=0"},
                                 {"--plugin", FaderPlugin(), "--automate", "target level=0.05:0.2"});
}

TEST(Chain, ChannelCountsMustFitFromOnePlugInToTheNext) {
  const ScratchFolder folder(CurrentTestName());
  WriteFloatWav(folder.file("in.wav"), 2, 44100.0, std::vector<double>(2 * 100, 0.5));
  ExpectRefusal(RunTool({"--plugin", ProbePlugin(), "--plugin", FaderPlugin(), folder.file("in.wav"),
                         folder.file("out.wav")}),
                {"plug-in 1 (" QUORVANTILE_PROBE_PLUGIN ") gives 11 channels, but plug-in 2 (" QUORVANTILE_PLUGIN_FILE_NAME
                 ") takes 2 channels"});
  EXPECT_FALSE(FileExists(folder.file("out.wav")));
}

}  // namespace
