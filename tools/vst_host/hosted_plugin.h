#pragma once

#include "host/vst2_interface.h"
#include "tools/vst_host/effect_calls.h"
#include "tools/vst_host/plugin_module.h"
#include "tools/vst_host/render_host.h"

// One plug-in instance, driven only through its effect record as a host drives it:
// created and opened on construction; started (sample rate, block size, resume) on
// request; stopped and closed when the object goes.
class HostedPlugin final : public EffectCalls {
 public:
  // Throws std::runtime_error when the entry point gives no instance or not a VST
  // effect record.
  HostedPlugin(const PluginModule& module, RenderHost& host);
  ~HostedPlugin();
  HostedPlugin(const HostedPlugin&) = delete;
  HostedPlugin& operator=(const HostedPlugin&) = delete;

  const AEffect& record() const { return *effect(); }

  // Sample rate and block size from the host, 64-bit processing when asked, then resume.
  void start(bool doublePrecision);

 private:
  RenderHost& host_;
  bool running_ = false;
};
