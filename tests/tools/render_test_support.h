#pragma once

#include <string>
#include <vector>

#include "tools/audio/audio_file.h"

// A folder of its own for one test's files, emptied when it is made and removed when
// it goes, below the folder the test runs in.
class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& name);
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  std::string file(const std::string& name) const;

 private:
  std::string path_;
};

// The scratch folder named after the running test.
std::string CurrentTestName();

struct Audio {
  AudioFileInfo info;
  std::vector<double> samples;  // interleaved
  double at(std::size_t frame, int channel) const {
    return samples[frame * static_cast<std::size_t>(info.channels) + static_cast<std::size_t>(channel)];
  }
};

void WriteFloatWav(const std::string& path, int channels, double sampleRate, const std::vector<double>& interleaved);
Audio ReadAudio(const std::string& path);
void WriteText(const std::string& path, const std::string& text);
bool FileExists(const std::string& path);
std::vector<unsigned char> ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::vector<unsigned char>& bytes);

// The fader built with the tests, and the probe plug-in of the tests (probe_plugin.cpp).
std::string FaderPlugin();
std::string ProbePlugin();

// vst-render as its main runs it, in this process.
struct ToolRun {
  int status;
  std::string out;
  std::string err;
};
ToolRun RunTool(const std::vector<std::string>& arguments);

// Lines of a text, the last one counted even without its line break.
std::size_t LineCount(const std::string& text);

// A refusal as the tool gives it: a non-zero exit status, nothing on standard output,
// and one line on standard error that starts with the tool's name and holds each of
// the texts.
void ExpectRefusal(const ToolRun& run, const std::vector<std::string>& texts);

// Renders input through a chain of the plug-ins that the options first and then second
// name, and through each of the two in turn with a file in between, and expects the
// same output from both, one that second has changed. Each render starts the C
// library's rand() where a new process starts it, for plug-ins that draw on it.
void ExpectChainEqualsRendersInTurn(const ScratchFolder& folder, const std::string& input,
                                    const std::vector<std::string>& first, const std::vector<std::string>& second);
