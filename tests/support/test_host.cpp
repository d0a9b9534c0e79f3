#include "tests/support/test_host.h"

#include <algorithm>
#include <cstdlib>

AEffect* TestHost::createBuiltPlugin() { return create(BuiltPlugin().entryPoint("VSTPluginMain")); }

VstIntPtr TestHost::answer(const HostCall& call) {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    calls_.push_back(call);
  }
  if (inspect) inspect(call);
  switch (call.opcode) {
    case audioMasterVersion:
      return versionAnswer;
    case audioMasterGetTime:
      return providesTimeInfo ? reinterpret_cast<VstIntPtr>(&timeInfo) : 0;
    default: {
      const auto found = answers.find(call.opcode);
      return found != answers.end() ? found->second : 0;
    }
  }
}

std::vector<HostCall> TestHost::calls() const {
  const std::lock_guard<std::mutex> lock(mutex_);
  return calls_;
}

std::size_t TestHost::countOf(VstInt32 opcode) const {
  const std::lock_guard<std::mutex> lock(mutex_);
  return static_cast<std::size_t>(
      std::count_if(calls_.begin(), calls_.end(), [opcode](const HostCall& call) { return call.opcode == opcode; }));
}

void TestHost::clearCalls() {
  const std::lock_guard<std::mutex> lock(mutex_);
  calls_.clear();
}

void PluginInstance::start(float sampleRate, VstInt32 blockSize) {
  dispatch(effOpen);
  dispatch(effSetSampleRate, 0, 0, nullptr, sampleRate);
  dispatch(effSetBlockSize, 0, blockSize);
  dispatch(effMainsChanged, 0, 1);
}

namespace {

template <class Sample, class Process>
void ProcessInBlocks(std::vector<Sample>& left, std::vector<Sample>& right, std::size_t blockSize, Process process) {
  for (std::size_t start = 0; start < left.size(); start += blockSize) {
    const std::size_t frames = std::min(blockSize, left.size() - start);
    Sample* channels[2] = {left.data() + start, right.data() + start};
    process(channels, static_cast<VstInt32>(frames));
  }
}

}  // namespace

void PluginInstance::process(std::vector<float>& left, std::vector<float>& right, std::size_t blockSize) {
  ProcessInBlocks(left, right, blockSize, [this](float** channels, VstInt32 frames) {
    process(channels, channels, frames);
  });
}

void PluginInstance::process(std::vector<double>& left, std::vector<double>& right, std::size_t blockSize) {
  ProcessInBlocks(left, right, blockSize, [this](double** channels, VstInt32 frames) {
    process(channels, channels, frames);
  });
}

void PluginInstance::close() {
  if (!effect()) return;
  dispatch(effClose);
  forgetEffect();
}

std::string BuiltPluginPath() {
  if (const char* chosen = std::getenv("QUORVANTILE_PLUGIN")) return chosen;
  return ExecutableDirectory() + QUORVANTILE_PLUGIN_FILE_NAME;
}

PluginLibrary& BuiltPlugin() {
  static PluginLibrary library(BuiltPluginPath());
  return library;
}
