#pragma once

#include <string>
#include <vector>

#include "host/vst2_interface.h"
#include "tools/vst_host/plugin_module.h"
#include "tools/vst_host/render_host.h"

// One plug-in instance, driven only through its effect record as a host drives it:
// created and opened on construction; started (sample rate, block size, resume) on
// request; stopped and closed when the object goes.
class HostedPlugin {
 public:
  // Throws std::runtime_error when the entry point gives no instance or not a VST
  // effect record.
  HostedPlugin(const PluginModule& module, RenderHost& host);
  ~HostedPlugin();
  HostedPlugin(const HostedPlugin&) = delete;
  HostedPlugin& operator=(const HostedPlugin&) = delete;

  const AEffect& record() const { return *effect_; }
  bool hasFlag(VstInt32 flag) const { return (effect_->flags & flag) != 0; }

  // Sample rate and block size from the host, 64-bit processing when asked, then resume.
  void start(bool doublePrecision);

  // A text query (names, labels, displays) into a buffer roomier than any the interface promises.
  std::string text(VstInt32 opcode, VstInt32 index = 0) const;
  VstIntPtr dispatch(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0, void* ptr = nullptr,
                     float opt = 0.0f) const;
  float parameter(VstInt32 index) const;
  void setParameter(VstInt32 index, float value);

  // The state chunk as the plug-in hands it over for a whole bank (empty when it has none).
  std::vector<unsigned char> chunk();
  void restoreChunk(std::vector<unsigned char> bytes);

  void process(float** inputs, float** outputs, VstInt32 frames);
  void process(double** inputs, double** outputs, VstInt32 frames);

 private:
  RenderHost& host_;
  AEffect* effect_;
  bool running_ = false;
};
