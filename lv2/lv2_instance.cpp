#include "lv2/lv2_instance.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

#include "host/dorn.h"
#include "runtime/zepkin.h"

namespace {

VstIntPtr Dispatch(AEffect* effect, VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0, void* ptr = nullptr,
                   float opt = 0.0f) {
  return effect->dispatcher(effect, opcode, index, value, ptr, opt);
}

// The bank chunk the plug-in writes now, and its size in bytes (0 for none).
VstInt32 CurrentChunk(AEffect* effect, void** data) {
  *data = nullptr;
  const auto size = static_cast<VstInt32>(Dispatch(effect, effGetChunk, 0, 0, data));
  return *data ? size : 0;
}

double SliderValue(const TZepkin& script, const SliderDefinition& slider) {
  return script.sliderValues[static_cast<std::size_t>(slider.sliderNumber)];
}

bool SlidersInRange(const TZepkin& script) {
  return std::all_of(script.sliders.begin(), script.sliders.end(), [&](const SliderDefinition& slider) {
    const double value = SliderValue(script, slider);
    return value >= slider.minimum && value <= slider.maximum;  // false for NaN
  });
}

bool StartsWithMarker(const void* data, std::size_t size) {
  float first = 0.0f;
  if (size < sizeof first) return false;
  std::memcpy(&first, data, sizeof first);
  return first == TZepkin::kChunkMarker;
}

// Whether the chunk, restored into a fresh plug-in object of the same kind, is one that
// object could have written: of the size it writes, marked, and leaving every slider
// inside its range.
bool TrialAccepts(CDorn& trial, const void* data, std::size_t size) {
  AEffect* const effect = trial.getAeffect();
  Dispatch(effect, effOpen);
  void* written = nullptr;
  const VstInt32 expected = CurrentChunk(effect, &written);
  if (expected <= 0 || size != static_cast<std::size_t>(expected) || !StartsWithMarker(data, size)) return false;
  Dispatch(effect, effSetChunk, 0, static_cast<VstIntPtr>(size), const_cast<void*>(data));
  return SlidersInRange(*RuntimeOf(&trial));
}

}  // namespace

void ClosePluginObject::operator()(CDorn* plugin) const { Dispatch(plugin->getAeffect(), effClose); }

Lv2PortLayout PortLayoutOf(CDorn* plugin) {
  const AEffect* const effect = plugin->getAeffect();
  return {static_cast<std::uint32_t>(std::max(effect->numInputs, 0)),
          static_cast<std::uint32_t>(std::max(effect->numOutputs, 0)),
          static_cast<std::uint32_t>(RuntimeOf(plugin)->sliders.size())};
}

Lv2Instance::Lv2Instance(PluginObject plugin, float sampleRate, VstInt32 blockSize, Urids urids)
    : plugin_(std::move(plugin)),
      effect_(plugin_->getAeffect()),
      script_(*RuntimeOf(plugin_.get())),
      layout_(PortLayoutOf(plugin_.get())),
      urids_(urids),
      inputs_(layout_.inputs, nullptr),
      outputs_(layout_.outputs, nullptr),
      controls_(layout_.controls, nullptr) {
  for (const SliderDefinition& slider : script_.sliders) {
    lastControls_.push_back(static_cast<float>(SliderValue(script_, slider)));
  }
  Dispatch(effect_, effOpen);
  Dispatch(effect_, effSetSampleRate, 0, 0, nullptr, sampleRate);
  Dispatch(effect_, effSetBlockSize, 0, blockSize);
}

void Lv2Instance::connect(std::uint32_t port, void* data) {
  if (port < layout_.firstOutput()) {
    inputs_[port] = static_cast<float*>(data);
  } else if (port < layout_.firstControl()) {
    outputs_[port - layout_.firstOutput()] = static_cast<float*>(data);
  } else if (port < layout_.count()) {
    controls_[port - layout_.firstControl()] = static_cast<const float*>(data);
  }
}

void Lv2Instance::activate() { Dispatch(effect_, effMainsChanged, 0, 1); }

void Lv2Instance::deactivate() { Dispatch(effect_, effMainsChanged, 0, 0); }

// A value that is not a number changes nothing, as for a VST parameter; one outside the
// slider's range stands for the end it passed.
void Lv2Instance::applyControls() {
  for (std::uint32_t c = 0; c < layout_.controls; ++c) {
    if (!controls_[c]) continue;
    const float value = *controls_[c];
    if (!std::isfinite(value) || value == lastControls_[c]) continue;
    lastControls_[c] = value;
    const SliderDefinition& slider = script_.sliders[c];
    const double range = slider.maximum - slider.minimum;
    if (!(range > 0.0)) continue;
    const double held = std::clamp(static_cast<double>(value), slider.minimum, slider.maximum);
    effect_->setParameter(effect_, static_cast<VstInt32>(c), static_cast<float>((held - slider.minimum) / range));
  }
}

bool Lv2Instance::audioConnected() const {
  const auto connected = [](const float* port) { return port != nullptr; };
  return std::all_of(inputs_.begin(), inputs_.end(), connected) &&
         std::all_of(outputs_.begin(), outputs_.end(), connected);
}

void Lv2Instance::run(std::uint32_t frames) {
  applyControls();
  if (!audioConnected()) return;
  effect_->processReplacing(effect_, inputs_.data(), outputs_.data(), static_cast<VstInt32>(frames));
}

LV2_State_Status Lv2Instance::save(LV2_State_Store_Function store, LV2_State_Handle handle) const {
  if (urids_.stateKey == 0) return LV2_STATE_ERR_NO_FEATURE;
  void* chunk = nullptr;
  const VstInt32 size = CurrentChunk(effect_, &chunk);
  if (size <= 0) return LV2_STATE_SUCCESS;  // nothing to keep
  // Little-endian floats whatever the machine: the layout the chunk is defined in.
  return store(handle, urids_.stateKey, chunk, static_cast<std::size_t>(size), urids_.chunkType,
               LV2_STATE_IS_POD | LV2_STATE_IS_PORTABLE);
}

LV2_State_Status Lv2Instance::restore(LV2_State_Retrieve_Function retrieve, LV2_State_Handle handle,
                                      PluginObject trial) {
  if (urids_.stateKey == 0) return LV2_STATE_ERR_NO_FEATURE;
  std::size_t size = 0;
  std::uint32_t type = 0;
  std::uint32_t flags = 0;
  const void* const chunk = retrieve(handle, urids_.stateKey, &size, &type, &flags);
  if (!chunk) return LV2_STATE_ERR_NO_PROPERTY;
  if (type != urids_.chunkType) return LV2_STATE_ERR_BAD_TYPE;
  if (!trial || !TrialAccepts(*trial, chunk, size)) return LV2_STATE_ERR_UNKNOWN;
  Dispatch(effect_, effSetChunk, 0, static_cast<VstIntPtr>(size), const_cast<void*>(chunk));
  return LV2_STATE_SUCCESS;
}
