#include <gtest/gtest.h>

#include "tests/tools/render_test_support.h"
#include "tools/vst_host/plugin_library.h"

namespace {

// Every refusal is one line that starts with the tool's name, a non-zero exit status
// and no output file.
class HostileInput : public ::testing::Test {
 protected:
  HostileInput() : folder(CurrentTestName()), output(folder.file("out.wav")) {}

  void expectRefusal(const std::vector<std::string>& arguments, const std::string& reason) {
    const ToolRun run = RunTool(arguments);
    EXPECT_NE(run.status, 0);
    EXPECT_EQ(LineCount(run.err), 1u) << run.err;
    EXPECT_EQ(run.err.rfind("vst-render: ", 0), 0u) << run.err;
    EXPECT_NE(run.err.find(reason), std::string::npos) << "expected \"" << reason << "\" in: " << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(FileExists(output));
  }

  std::string stereoInput() {
    const std::string path = folder.file("stereo.wav");
    WriteFloatWav(path, 2, 44100.0, std::vector<double>(2 * 100, 0.5));
    return path;
  }

  ScratchFolder folder;
  std::string output;
};

TEST_F(HostileInput, EmptyFile) {
  WriteText(folder.file("empty.wav"), "");
  expectRefusal({folder.file("empty.wav"), output}, "empty.wav");
}

TEST_F(HostileInput, FileWithAHeaderAndNoAudio) {
  WriteFloatWav(folder.file("silent.wav"), 2, 44100.0, {});
  expectRefusal({folder.file("silent.wav"), output}, "holds no audio");
}

TEST_F(HostileInput, MonoFileForAStereoPlugIn) {
  WriteFloatWav(folder.file("mono.wav"), 1, 44100.0, std::vector<double>(100, 0.5));
  expectRefusal({folder.file("mono.wav"), output}, "has 1 channel, but the plug-in takes 2 channels");
}

TEST_F(HostileInput, TextFileNamedWav) {
  WriteText(folder.file("notes.wav"), "Not audio: a shopping list.\neggs\nflour\n");
  expectRefusal({folder.file("notes.wav"), output}, "cannot read");
}

TEST_F(HostileInput, MissingInput) {
  expectRefusal({folder.file("nowhere.wav"), output}, "no such file");
}

TEST_F(HostileInput, MissingPlugIn) {
  expectRefusal({"--plugin", folder.file("gone.so"), stereoInput(), output}, "cannot load the plug-in");
}

TEST_F(HostileInput, LibraryThatIsNotAPlugIn) {
  expectRefusal({"--plugin", ExecutableDirectory() + QUORVANTILE_NOT_A_PLUGIN, stereoInput(), output},
                "is not a VST 2.4 plug-in");
}

TEST_F(HostileInput, TextFileAsPlugIn) {
  WriteText(folder.file("fake.dll"), "MZ? no, just text\n");
  expectRefusal({"--plugin", folder.file("fake.dll"), stereoInput(), output}, "cannot load the plug-in");
}

TEST_F(HostileInput, InfoOnALibraryThatIsNotAPlugIn) {
  expectRefusal({"--info", "--plugin", ExecutableDirectory() + QUORVANTILE_NOT_A_PLUGIN}, "is not a VST 2.4 plug-in");
}

TEST_F(HostileInput, UnknownParameterNamesTheParametersThereAre) {
  expectRefusal({"--param", "volume=0.5", stereoInput(), output},
                "no parameter \"volume\": it has 0 \"target level\", 1 \"fade time\"");
}

TEST_F(HostileInput, ParameterIndexBeyondTheList) {
  expectRefusal({"--automate", "2=0:0.5", stereoInput(), output}, "no parameter \"2\"");
}

TEST_F(HostileInput, UsageMistakesPointToTheHelp) {
  expectRefusal({"--block", "-5", stereoInput(), output}, "see vst-render --help");
  expectRefusal({"--param", "target level=2", stereoInput(), output}, "from 0 to 1");
  expectRefusal({stereoInput()}, "needs an INPUT and an OUTPUT");
}

TEST_F(HostileInput, OutputThatWouldOverwriteTheInput) {
  const std::string input = stereoInput();
  const ToolRun run = RunTool({input, input});
  EXPECT_NE(run.status, 0);
  EXPECT_NE(run.err.find("would overwrite the input"), std::string::npos) << run.err;
  EXPECT_EQ(ReadAudio(input).info.frames, 100);
}

TEST_F(HostileInput, MissingOrEmptyChunkFile) {
  expectRefusal({"--chunk", folder.file("none.chunk"), stereoInput(), output}, "cannot read the chunk file");
  WriteText(folder.file("empty.chunk"), "");
  expectRefusal({"--chunk", folder.file("empty.chunk"), stereoInput(), output}, "is empty");
}

TEST_F(HostileInput, UnknownOutputFormat) {
  expectRefusal({"--format", "mp3", stereoInput(), output}, "mp3");
}

}  // namespace
