#include "tools/vst_host/effect_calls.h"

#include <algorithm>

VstIntPtr EffectCalls::dispatch(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt) const {
  return effect_->dispatcher(effect_, opcode, index, value, ptr, opt);
}

std::string EffectCalls::text(VstInt32 opcode, VstInt32 index) const {
  // Plug-ins overrun the interface's small limits often enough that hosts hand them far
  // larger buffers; the last byte stays a zero whatever the plug-in writes before it.
  char buffer[512] = {};
  dispatch(opcode, index, 0, buffer);
  return std::string(buffer, std::find(buffer, buffer + sizeof buffer - 1, 0));
}

float EffectCalls::parameter(VstInt32 index) const { return effect_->getParameter(effect_, index); }

void EffectCalls::setParameter(VstInt32 index, float value) const { effect_->setParameter(effect_, index, value); }

namespace {

VstInt32 PresetFlag(ChunkScope scope) { return scope == ChunkScope::kProgram ? 1 : 0; }

}  // namespace

std::vector<unsigned char> EffectCalls::chunk(ChunkScope scope) const {
  void* data = nullptr;
  const VstIntPtr size = dispatch(effGetChunk, PresetFlag(scope), 0, &data);
  if (size <= 0 || !data) return {};
  const auto* bytes = static_cast<const unsigned char*>(data);
  return std::vector<unsigned char>(bytes, bytes + size);
}

VstIntPtr EffectCalls::restore(std::vector<unsigned char> bytes, ChunkScope scope) const {
  return dispatch(effSetChunk, PresetFlag(scope), static_cast<VstIntPtr>(bytes.size()),
                  bytes.empty() ? nullptr : bytes.data());
}

void EffectCalls::process(float** inputs, float** outputs, VstInt32 frames) const {
  effect_->processReplacing(effect_, inputs, outputs, frames);
}

void EffectCalls::process(double** inputs, double** outputs, VstInt32 frames) const {
  effect_->processDoubleReplacing(effect_, inputs, outputs, frames);
}
