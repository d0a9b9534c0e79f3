#include "tools/vst_host/hosted_plugin.h"

#include <algorithm>
#include <stdexcept>

namespace {

// effSetProcessPrecision's value for 64-bit samples.
constexpr VstIntPtr kVstProcessPrecision64 = 1;

AEffect* CreateEffect(const PluginModule& module) {
  AEffect* effect = module.entryPoint()(&RenderHost::Callback);
  if (!effect) throw std::runtime_error(module.path() + " gave no plug-in instance");
  if (effect->magic != kEffectMagic || !effect->dispatcher) {
    throw std::runtime_error(module.path() + " is not a VST 2.4 plug-in: its entry point gave no VST effect record");
  }
  return effect;
}

}  // namespace

HostedPlugin::HostedPlugin(const PluginModule& module, RenderHost& host) : host_(host), effect_(CreateEffect(module)) {
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

VstIntPtr HostedPlugin::dispatch(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt) const {
  return effect_->dispatcher(effect_, opcode, index, value, ptr, opt);
}

std::string HostedPlugin::text(VstInt32 opcode, VstInt32 index) const {
  // Plug-ins overrun the interface's small limits often enough that hosts hand them
  // far larger buffers; so do we.
  char buffer[512] = {};
  dispatch(opcode, index, 0, buffer);
  return std::string(buffer, std::find(buffer, buffer + sizeof buffer - 1, 0));
}

float HostedPlugin::parameter(VstInt32 index) const { return effect_->getParameter(effect_, index); }

void HostedPlugin::setParameter(VstInt32 index, float value) { effect_->setParameter(effect_, index, value); }

std::vector<unsigned char> HostedPlugin::chunk() {
  void* data = nullptr;
  const VstIntPtr size = dispatch(effGetChunk, 0, 0, &data);
  if (size <= 0 || !data) return {};
  const auto* bytes = static_cast<const unsigned char*>(data);
  return std::vector<unsigned char>(bytes, bytes + size);
}

void HostedPlugin::restoreChunk(std::vector<unsigned char> bytes) {
  dispatch(effSetChunk, 0, static_cast<VstIntPtr>(bytes.size()), bytes.data());
}

void HostedPlugin::process(float** inputs, float** outputs, VstInt32 frames) {
  effect_->processReplacing(effect_, inputs, outputs, frames);
}

void HostedPlugin::process(double** inputs, double** outputs, VstInt32 frames) {
  effect_->processDoubleReplacing(effect_, inputs, outputs, frames);
}
