#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "host/bounded_text.h"
#include "host/callback_entries.h"
#include "host/dorn.h"
#include "runtime/zepkin.h"

namespace {

// A change smaller than this is no change: the slider section does not run.
constexpr double kNoChange = 0.00001;

const SliderDefinition* SliderAt(const TZepkin* script, VstInt32 index) {
  if (!script || index < 0 || static_cast<std::size_t>(index) >= script->sliders.size()) return nullptr;
  return &script->sliders[static_cast<std::size_t>(index)];
}

double& ValueOf(TZepkin& script, const SliderDefinition& slider) {
  return script.sliderValues[static_cast<std::size_t>(slider.sliderNumber)];
}

// The host value mapped onto the slider's range and rounded half up on the grid of
// step multiples counted from 0 (not from the minimum). Without a positive step the
// mapping stays linear.
double Quantised(const SliderDefinition& slider, double hostValue) {
  const double value = slider.minimum + hostValue * (slider.maximum - slider.minimum);
  if (!(slider.step > 0.0)) return value;
  return slider.step * std::floor((value + slider.step * 0.5) / slider.step);
}

// Which enumeration name a value shows: names are spread evenly over the range.
std::size_t EnumPosition(const SliderDefinition& slider, double value) {
  const double count = static_cast<double>(slider.enumNames.size());
  const double position = std::trunc((value - slider.minimum) * (count - 1.0) / (slider.maximum - slider.minimum));
  if (!(position >= 0.0) || position > std::numeric_limits<std::int32_t>::max()) return 0;
  return std::min(static_cast<std::size_t>(position), slider.enumNames.size() - 1);
}

void CopyParameterText(CDorn* plugin, VstInt32 index, char* text, std::size_t capacity,
                       std::string SliderDefinition::*field) {
  const SliderDefinition* slider = SliderAt(RuntimeOf(plugin), index);
  CopyBoundedText(text, slider ? (slider->*field).c_str() : "", capacity);
}

}  // namespace

double OnGetParameter(CDorn* plugin, VstInt32 index) {
  TZepkin* script = RuntimeOf(plugin);
  const SliderDefinition* slider = SliderAt(script, index);
  if (!slider) return 0.0;
  const double range = slider->maximum - slider->minimum;
  if (range == 0.0) return 0.0;
  return (ValueOf(*script, *slider) - slider->minimum) / range;
}

void OnSetParameter(CDorn* plugin, VstInt32 index, double hostValue) {
  TZepkin* script = RuntimeOf(plugin);
  const SliderDefinition* slider = SliderAt(script, index);
  if (!slider || !std::isfinite(hostValue)) return;
  // Host values lie in [0, 1]; one beyond stands for the end of the slider's range it passed.
  const double candidate = Quantised(*slider, std::clamp(hostValue, 0.0, 1.0));
  double& value = ValueOf(*script, *slider);
  const double change = candidate - value;
  if (change > -kNoChange && change < kNoChange) return;
  value = candidate;
  if (slider->boundVariable) *slider->boundVariable = candidate;
  script->DoSlider();
}

void OnGetParameterName(CDorn* plugin, VstInt32 index, char* text) {
  CopyParameterText(plugin, index, text, kVstExtMaxParamStrLen, &SliderDefinition::displayName);
}

void OnGetParameterLabel(CDorn* plugin, VstInt32 index, char* text) {
  CopyParameterText(plugin, index, text, kVstMaxParamStrLen, &SliderDefinition::unitLabel);
}

void OnGetParameterDisplay(CDorn* plugin, VstInt32 index, char* text) {
  TZepkin* script = RuntimeOf(plugin);
  const SliderDefinition* slider = SliderAt(script, index);
  if (!slider) {
    CopyBoundedText(text, "", kVstMaxParamStrLen);
    return;
  }
  const double value = ValueOf(*script, *slider);
  if (!slider->enumNames.empty()) {
    CopyBoundedText(text, slider->enumNames[EnumPosition(*slider, value)].c_str(), kVstMaxParamStrLen);
    return;
  }
  char formatted[kVstMaxParamStrLen];
  std::snprintf(formatted, sizeof formatted, "%.2f", value);
  CopyBoundedText(text, formatted, kVstMaxParamStrLen);
}
