#include "tests/support/test_host.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

// The callback has no user data: instances are routed to their host by record, and
// calls made while an instance is being created go to the host creating it.
std::mutex registryMutex;
std::map<AEffect*, TestHost*> hostsByEffect;
TestHost* creatingHost = nullptr;

TestHost* HostFor(AEffect* effect) {
  const std::lock_guard<std::mutex> lock(registryMutex);
  const auto found = hostsByEffect.find(effect);
  return found != hostsByEffect.end() ? found->second : creatingHost;
}

}  // namespace

TestHost::TestHost() = default;

TestHost::~TestHost() {
  const std::lock_guard<std::mutex> lock(registryMutex);
  for (auto entry = hostsByEffect.begin(); entry != hostsByEffect.end();) {
    entry = entry->second == this ? hostsByEffect.erase(entry) : std::next(entry);
  }
}

AEffect* TestHost::create(const std::function<AEffect*(audioMasterCallback)>& entry) {
  {
    const std::lock_guard<std::mutex> lock(registryMutex);
    creatingHost = this;
  }
  AEffect* effect = entry(&TestHost::Callback);
  const std::lock_guard<std::mutex> lock(registryMutex);
  creatingHost = nullptr;
  if (effect) hostsByEffect[effect] = this;
  return effect;
}

AEffect* TestHost::createBuiltPlugin() { return create(BuiltPlugin().entryPoint("VSTPluginMain")); }

VstIntPtr VSTCALLBACK TestHost::Callback(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value,
                                        void* ptr, float opt) {
  TestHost* host = HostFor(effect);
  return host ? host->answer(HostCall{effect, opcode, index, value, ptr, opt}) : 0;
}

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

VstIntPtr PluginInstance::dispatch(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt) {
  return effect_->dispatcher(effect_, opcode, index, value, ptr, opt);
}

void PluginInstance::start(float sampleRate, VstInt32 blockSize) {
  dispatch(effOpen);
  dispatch(effSetSampleRate, 0, 0, nullptr, sampleRate);
  dispatch(effSetBlockSize, 0, blockSize);
  dispatch(effMainsChanged, 0, 1);
}

std::string PluginInstance::text(VstInt32 opcode, VstInt32 index) {
  char buffer[256];
  std::memset(buffer, 0, sizeof buffer);
  dispatch(opcode, index, 0, buffer);
  return std::string(buffer, std::find(buffer, buffer + sizeof buffer, 0));
}

float PluginInstance::parameter(VstInt32 index) { return effect_->getParameter(effect_, index); }

void PluginInstance::setParameter(VstInt32 index, float value) { effect_->setParameter(effect_, index, value); }

std::vector<unsigned char> PluginInstance::chunk() {
  void* data = nullptr;
  const VstIntPtr size = dispatch(effGetChunk, 0, 0, &data);
  if (size <= 0 || !data) return {};
  const auto* bytes = static_cast<const unsigned char*>(data);
  return std::vector<unsigned char>(bytes, bytes + size);
}

VstIntPtr PluginInstance::restore(const std::vector<unsigned char>& bytes) {
  std::vector<unsigned char> copy = bytes;  // the host's own buffer, as hosts hand it over
  return dispatch(effSetChunk, 0, static_cast<VstIntPtr>(copy.size()), copy.empty() ? nullptr : copy.data());
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
    effect_->processReplacing(effect_, channels, channels, frames);
  });
}

void PluginInstance::process(std::vector<double>& left, std::vector<double>& right, std::size_t blockSize) {
  ProcessInBlocks(left, right, blockSize, [this](double** channels, VstInt32 frames) {
    effect_->processDoubleReplacing(effect_, channels, channels, frames);
  });
}

void PluginInstance::close() {
  if (!effect_) return;
  dispatch(effClose);
  effect_ = nullptr;
}

std::string BuiltPluginPath() {
  if (const char* chosen = std::getenv("QUORVANTILE_PLUGIN")) return chosen;
  return ExecutableDirectory() + QUORVANTILE_PLUGIN_FILE_NAME;
}

PluginLibrary& BuiltPlugin() {
  static PluginLibrary library(BuiltPluginPath());
  return library;
}
