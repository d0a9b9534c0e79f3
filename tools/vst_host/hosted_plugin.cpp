#include "tools/vst_host/hosted_plugin.h"

#include <stdexcept>

namespace {

// effSetProcessPrecision's value for 64-bit samples.
constexpr VstIntPtr kVstProcessPrecision64 = 1;

AEffect* CreateEffect(const PluginModule& module, RenderHost& host) {
  AEffect* effect = host.create(module.entryPoint());
  if (!effect) throw std::runtime_error(module.path() + " gave no plug-in instance");
  if (effect->magic != kEffectMagic || !effect->dispatcher) {
    throw std::runtime_error(module.path() + " is not a VST 2.4 plug-in: its entry point gave no VST effect record");
  }
  return effect;
}

}  // namespace

HostedPlugin::HostedPlugin(const PluginModule& module, RenderHost& host)
    : EffectCalls(CreateEffect(module, host)), host_(host) {
  dispatch(effOpen);
}

HostedPlugin::~HostedPlugin() {
  if (running_) {
    dispatch(effStopProcess);
    dispatch(effMainsChanged, 0, 0);
  }
  dispatch(effClose);
}

void HostedPlugin::start(bool doublePrecision) {
  dispatch(effSetSampleRate, 0, 0, nullptr, static_cast<float>(host_.sampleRate()));
  dispatch(effSetBlockSize, 0, host_.blockSize());
  if (doublePrecision) dispatch(effSetProcessPrecision, 0, kVstProcessPrecision64);
  dispatch(effMainsChanged, 0, 1);
  dispatch(effStartProcess);
  running_ = true;
}
