#pragma once

#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "host/vst2_interface.h"
#include "platform/plugin_library.h"

// One call that the plug-in made to the host.
struct HostCall {
  AEffect* effect;
  VstInt32 opcode;
  VstInt32 index;
  VstIntPtr value;
  void* ptr;
  float opt;
};

// A scriptable VST 2.4 host: answers the version query and time requests as a test
// sets it up, and records every call that its plug-in instances make.
class TestHost {
 public:
  TestHost();
  ~TestHost();
  TestHost(const TestHost&) = delete;
  TestHost& operator=(const TestHost&) = delete;

  // Creates an instance through the given entry point (or any function that takes
  // the host callback and answers a record) with this host's callback.
  AEffect* create(const std::function<AEffect*(audioMasterCallback)>& entry);
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

  static VstIntPtr VSTCALLBACK Callback(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value,
                                        void* ptr, float opt);

 private:
  VstIntPtr answer(const HostCall& call);

  mutable std::mutex mutex_;
  std::vector<HostCall> calls_;
};

// Drives one plug-in instance only through its effect record, as a host does, and
// closes it when the test is done with it.
class PluginInstance {
 public:
  explicit PluginInstance(AEffect* effect) : effect_(effect) {}
  ~PluginInstance() { close(); }
  PluginInstance(const PluginInstance&) = delete;
  PluginInstance& operator=(const PluginInstance&) = delete;

  AEffect* effect() const { return effect_; }
  VstIntPtr dispatch(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0, void* ptr = nullptr,
                     float opt = 0.0f);
  // Open, sample rate, block size, resume: what a host does before processing.
  void start(float sampleRate = 44100.0f, VstInt32 blockSize = 512);
  // A text query (names, labels, displays) into a roomy buffer.
  std::string text(VstInt32 opcode, VstInt32 index = 0);
  float parameter(VstInt32 index);
  void setParameter(VstInt32 index, float value);
  std::vector<unsigned char> chunk();
  VstIntPtr restore(const std::vector<unsigned char>& bytes);
  // Processes two channels in place, in blocks of at most blockSize frames.
  void process(std::vector<float>& left, std::vector<float>& right, std::size_t blockSize = 512);
  void process(std::vector<double>& left, std::vector<double>& right, std::size_t blockSize = 512);
  // effClose; the record is gone afterwards.
  void close();
  // Hands the record over to a test that closes it itself.
  AEffect* release() {
    AEffect* effect = effect_;
    effect_ = nullptr;
    return effect;
  }

 private:
  AEffect* effect_;
};

// The plug-in built beside the running test program, unless QUORVANTILE_PLUGIN names
// another file.
std::string BuiltPluginPath();
// The plug-in library built with the tests, loaded once per test program.
PluginLibrary& BuiltPlugin();
