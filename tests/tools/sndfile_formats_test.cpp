#include <gtest/gtest.h>

#include <sndfile.h>

#include "tests/tools/render_test_support.h"

namespace {

constexpr double kRate = 44100.0;

void WriteFile(const std::string& path, int format, const std::vector<double>& interleaved) {
  SF_INFO info{};
  info.channels = 2;
  info.samplerate = static_cast<int>(kRate);
  info.format = format;
  SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
  ASSERT_NE(file, nullptr) << sf_strerror(nullptr);
  sf_writef_double(file, interleaved.data(), static_cast<sf_count_t>(interleaved.size() / 2));
  sf_close(file);
}

class SndfileFormats : public ::testing::Test {
 protected:
  std::string render(int format, const std::string& inputName, const std::string& outputName,
                     std::vector<std::string> arguments = {}) {
    const std::string input = folder.file(inputName);
    WriteFile(input, format, std::vector<double>(2 * 4000, 0.5));
    arguments.push_back(input);
    arguments.push_back(folder.file(outputName));
    const ToolRun run = RunTool(arguments);
    EXPECT_EQ(run.status, 0) << run.err;
    return folder.file(outputName);
  }

  ScratchFolder folder{CurrentTestName()};
};

TEST_F(SndfileFormats, OutputKeepsTheFormatOfTheInput) {
  for (const int format : {SF_FORMAT_WAV | SF_FORMAT_PCM_16, SF_FORMAT_FLAC | SF_FORMAT_PCM_24,
                           SF_FORMAT_AIFF | SF_FORMAT_PCM_16}) {
    const Audio output = ReadAudio(render(format, "in", "out"));
    EXPECT_EQ(output.info.format, format);
    EXPECT_EQ(output.info.frames, 4000);
    EXPECT_NEAR(output.at(3999, 1), 0.5, 1e-4);
  }
}

TEST_F(SndfileFormats, FormatOptionChangesTheContainerAndKeepsTheEncodingWhereItFits) {
  const int wav16 = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
  EXPECT_EQ(ReadAudio(render(wav16, "a.wav", "a.flac", {"--format", "flac"})).info.format,
            SF_FORMAT_FLAC | SF_FORMAT_PCM_16);
  EXPECT_EQ(ReadAudio(render(wav16, "b.wav", "b.aiff", {"--format", "aiff"})).info.format,
            SF_FORMAT_AIFF | SF_FORMAT_PCM_16);
  // FLAC holds no floats: float WAV becomes 24-bit FLAC.
  EXPECT_EQ(ReadAudio(render(SF_FORMAT_WAV | SF_FORMAT_FLOAT, "c.wav", "c.flac", {"--format", "flac"})).info.format,
            SF_FORMAT_FLAC | SF_FORMAT_PCM_24);
}

}  // namespace
