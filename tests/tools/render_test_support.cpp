#include "tests/tools/render_test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "tools/render/render.h"
#include "tools/vst_host/plugin_library.h"

ScratchFolder::ScratchFolder(const std::string& name)
    : path_((std::filesystem::current_path() / "render-tool-files" / name).string()) {
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string ScratchFolder::file(const std::string& name) const {
  return (std::filesystem::path(path_) / name).string();
}

std::string CurrentTestName() {
  const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
  return std::string(test->test_suite_name()) + "." + test->name();
}

void WriteFloatWav(const std::string& path, int channels, double sampleRate, const std::vector<double>& interleaved) {
  const auto frames = interleaved.size() / static_cast<std::size_t>(channels);
  const auto writer =
      CreateAudioWriter(path, {channels, sampleRate, static_cast<std::int64_t>(frames), FloatWavFormat()});
  writer->write(interleaved.data(), frames);
  writer->finish();
}

Audio ReadAudio(const std::string& path) {
  const auto reader = OpenAudioReader(path);
  Audio audio{reader->info(), {}};
  audio.samples.resize(static_cast<std::size_t>(audio.info.frames) * static_cast<std::size_t>(audio.info.channels));
  const std::size_t frames = reader->read(audio.samples.data(), static_cast<std::size_t>(audio.info.frames));
  audio.samples.resize(frames * static_cast<std::size_t>(audio.info.channels));
  return audio;
}

void WriteText(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

bool FileExists(const std::string& path) { return std::filesystem::exists(path); }

std::vector<unsigned char> ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& path, const std::vector<unsigned char>& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::string FaderPlugin() { return ExecutableDirectory() + QUORVANTILE_PLUGIN_FILE_NAME; }

std::string ProbePlugin() { return ExecutableDirectory() + QUORVANTILE_PROBE_PLUGIN; }

ToolRun RunTool(const std::vector<std::string>& arguments) {
  std::ostringstream out, err;
  const int status = RunRender(arguments, Console{out, err, false});
  return {status, out.str(), err.str()};
}

std::size_t LineCount(const std::string& text) {
  std::size_t lines = 0;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) ++lines;
  return lines;
}

void ExpectRefusal(const ToolRun& run, const std::vector<std::string>& texts) {
  EXPECT_NE(run.status, 0);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(LineCount(run.err), 1u) << run.err;
  EXPECT_EQ(run.err.rfind("vst-render: ", 0), 0u) << run.err;
  for (const std::string& text : texts) {
    EXPECT_NE(run.err.find(text), std::string::npos) << "expected \"" << text << "\" in: " << run.err;
  }
}

void ExpectChainEqualsRendersInTurn(const ScratchFolder& folder, const std::string& input,
                                    const std::vector<std::string>& first, const std::vector<std::string>& second) {
  std::vector<std::string> chain = first;
  chain.insert(chain.end(), second.begin(), second.end());
  std::vector<std::string> one = first;
  std::vector<std::string> two = second;
  chain.insert(chain.end(), {input, folder.file("chain.wav")});
  one.insert(one.end(), {input, folder.file("between.wav")});
  two.insert(two.end(), {folder.file("between.wav"), folder.file("two.wav")});
  for (const auto& arguments : {chain, one, two}) {
    std::srand(1);
    const ToolRun run = RunTool(arguments);
    ASSERT_EQ(run.status, 0) << run.err;
  }
  const Audio chained = ReadAudio(folder.file("chain.wav"));
  EXPECT_EQ(chained.samples, ReadAudio(folder.file("two.wav")).samples);
  EXPECT_NE(chained.samples, ReadAudio(folder.file("between.wav")).samples);
}
