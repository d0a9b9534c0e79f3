#pragma once

#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "host/vst2_interface.h"
#include "tools/vst_host/effect_calls.h"
#include "tools/vst_host/plugin_host.h"
#include "tools/vst_host/plugin_library.h"

// A scriptable VST 2.4 host: answers the version query and time requests as a test
// sets it up, and records every call that its plug-in instances make.
class TestHost final : public PluginHost {
 public:
  TestHost() = default;

  // An instance of the built plug-in, through its VSTPluginMain.
  AEffect* createBuiltPlugin();

  std::vector<HostCall> calls() const;
  std::size_t countOf(VstInt32 opcode) const;
  void clearCalls();

  VstIntPtr versionAnswer = kVstVersion;
  bool providesTimeInfo = false;
  VstTimeInfo timeInfo{};
  std::map<VstInt32, VstIntPtr> answers;  // answers to other opcodes; 0 when absent
  // Looks at a call while it is being made, when its pointers are still valid.
  std::function<void(const HostCall&)> inspect;

 private:
  VstIntPtr answer(const HostCall& call) override;

  mutable std::mutex mutex_;
  std::vector<HostCall> calls_;
};

// Drives one plug-in instance only through its effect record, as a host does, and
// closes it when the test is done with it. What the plug-in answers reaches the test
// as it is.
class PluginInstance final : public EffectCalls {
 public:
  explicit PluginInstance(AEffect* effect) : EffectCalls(effect) {}
  ~PluginInstance() { close(); }
  PluginInstance(const PluginInstance&) = delete;
  PluginInstance& operator=(const PluginInstance&) = delete;

  // Open, sample rate, block size, resume: what a host does before processing.
  void start(float sampleRate = 44100.0f, VstInt32 blockSize = 512);
  // Processes two channels in place, in blocks of at most blockSize frames.
  using EffectCalls::process;
  void process(std::vector<float>& left, std::vector<float>& right, std::size_t blockSize = 512);
  void process(std::vector<double>& left, std::vector<double>& right, std::size_t blockSize = 512);
  // effClose; the record is gone afterwards.
  void close();
  // Hands the record over to a test that closes it itself.
  AEffect* release() {
    AEffect* released = effect();
    forgetEffect();
    return released;
  }
};

// The plug-in built beside the running test program, unless QUORVANTILE_PLUGIN names
// another file.
std::string BuiltPluginPath();
// The plug-in library built with the tests, loaded once per test program.
PluginLibrary& BuiltPlugin();
