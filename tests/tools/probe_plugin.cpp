// A VST 2.4 plug-in for the render tool's tests: it keeps plain parameter programs and
// no state chunk, and every output frame of a block shows, channel by channel, the
// current program's three parameter values and its number, then the host's time
// information at the block's start: tempo, position in quarter notes, bar start, time
// signature, sample position, and 1 while the transport plays. Its last parameter's
// name and label hold bytes that JSON must escape.
#include <cstdio>

#include "host/vst2_interface.h"

namespace {

constexpr VstInt32 kParameters = 3;
constexpr VstInt32 kPrograms = 2;
constexpr VstInt32 kOutputs = 11;
const char* const kNames[kParameters] = {"alpha", "beta", "say \"hi\" \\ \xff"};
const char* const kLabels[kParameters] = {"", "dB", "\t\x01"};

struct Probe {
  AEffect effect{};
  audioMasterCallback host = nullptr;
  float values[kPrograms][kParameters] = {{0.5f, 0.5f, 0.5f}, {0.5f, 0.5f, 0.5f}};
  char names[kPrograms][kVstMaxProgNameLen] = {"first", "second"};
  VstInt32 program = 0;
  float* current() { return values[program]; }
};

Probe& ProbeOf(AEffect* effect) { return *static_cast<Probe*>(effect->object); }

VstIntPtr Copy(void* ptr, const char* text, std::size_t capacity) {
  std::snprintf(static_cast<char*>(ptr), capacity, "%s", text);
  return 1;
}

VstIntPtr VSTCALLBACK Dispatch(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float) {
  Probe& probe = ProbeOf(effect);
  const bool known = index >= 0 && index < kParameters;
  switch (opcode) {
    case effClose:
      delete &probe;
      return 1;
    case effSetProgram:
      if (value >= 0 && value < kPrograms) probe.program = static_cast<VstInt32>(value);
      return 0;
    case effGetProgram:
      return probe.program;
    case effSetProgramName:
      return Copy(probe.names[probe.program], static_cast<const char*>(ptr), kVstMaxProgNameLen);
    case effGetProgramName:
      return Copy(ptr, probe.names[probe.program], kVstMaxProgNameLen);
    case effGetParamName:
      return known ? Copy(ptr, kNames[index], kVstExtMaxParamStrLen) : 0;
    case effGetParamLabel:
      return known ? Copy(ptr, kLabels[index], kVstMaxParamStrLen) : 0;
    case effGetParamDisplay:
      return known ? std::snprintf(static_cast<char*>(ptr), kVstMaxParamStrLen, "%.3f", probe.current()[index]) : 0;
    case effGetEffectName:
      return Copy(ptr, "probe", kVstMaxEffectNameLen);
    default:
      return 0;
  }
}

void VSTCALLBACK SetParameter(AEffect* effect, VstInt32 index, float value) {
  if (index >= 0 && index < kParameters) ProbeOf(effect).current()[index] = value;
}

float VSTCALLBACK GetParameter(AEffect* effect, VstInt32 index) {
  return index >= 0 && index < kParameters ? ProbeOf(effect).current()[index] : 0.0f;
}

void VSTCALLBACK Process(AEffect* effect, float** /*inputs*/, float** outputs, VstInt32 frames) {
  Probe& probe = ProbeOf(effect);
  const auto* time = reinterpret_cast<const VstTimeInfo*>(probe.host(effect, audioMasterGetTime, 0, 0, nullptr, 0.0f));
  const VstTimeInfo t = time ? *time : VstTimeInfo{};
  const double shown[kOutputs] = {probe.current()[0], probe.current()[1], probe.current()[2],
                                  static_cast<double>(probe.program), t.tempo, t.ppqPos, t.barStartPos,
                                  static_cast<double>(t.timeSigNumerator), static_cast<double>(t.timeSigDenominator),
                                  t.samplePos, (t.flags & kVstTransportPlaying) ? 1.0 : 0.0};
  for (VstInt32 channel = 0; channel < kOutputs; ++channel) {
    for (VstInt32 frame = 0; frame < frames; ++frame) outputs[channel][frame] = static_cast<float>(shown[channel]);
  }
}

}  // namespace

#if defined(_WIN32)
extern "C" __declspec(dllexport)
#else
extern "C" __attribute__((visibility("default")))
#endif
AEffect* VSTCALLBACK VSTPluginMain(audioMasterCallback host) {
  auto* probe = new Probe;
  probe->host = host;
  AEffect& effect = probe->effect;
  effect.magic = kEffectMagic;
  effect.dispatcher = Dispatch;
  effect.setParameter = SetParameter;
  effect.getParameter = GetParameter;
  effect.processReplacing = Process;
  effect.numPrograms = kPrograms;
  effect.numParams = kParameters;
  effect.numInputs = 2;
  effect.numOutputs = kOutputs;
  effect.flags = effFlagsCanReplacing;
  effect.object = probe;
  effect.uniqueID = CCONST('p', 'r', 'b', 'e');
  effect.version = 3;
  return &effect;
}
