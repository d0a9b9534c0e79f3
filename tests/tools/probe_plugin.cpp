// A VST 2.4 plug-in for the render tool's tests: it keeps plain parameter programs and
// no state chunk, and its outputs show what it holds and what the host tells it. Every
// output frame of a block carries, channel by channel: the current program's three
// parameter values, the program's number, then the host's time information at the
// block's start: tempo, position in quarter notes, bar start, time signature numerator
// and denominator, sample position, and 1 while the transport plays. Its last
// parameter's name and label hold bytes that JSON must escape.
#include <cstdio>
#include <cstring>

#include "host/vst2_interface.h"

namespace {

constexpr VstInt32 kParameters = 3;
constexpr VstInt32 kPrograms = 2;
constexpr VstInt32 kOutputs = 11;

const char* const kParameterNames[kParameters] = {"alpha", "beta", "say \"hi\" \\ \xff"};
const char* const kParameterLabels[kParameters] = {"", "dB", "\t\x01"};

struct Probe {
  AEffect effect{};
  audioMasterCallback host = nullptr;
  float values[kPrograms][kParameters] = {{0.5f, 0.5f, 0.5f}, {0.5f, 0.5f, 0.5f}};
  char names[kPrograms][kVstMaxProgNameLen] = {"first", "second"};
  VstInt32 program = 0;
};

Probe& ProbeOf(AEffect* effect) { return *static_cast<Probe*>(effect->object); }

void CopyText(void* ptr, const char* text, std::size_t capacity) {
  std::snprintf(static_cast<char*>(ptr), capacity, "%s", text);
}

VstIntPtr VSTCALLBACK Dispatch(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                               float) {
  Probe& probe = ProbeOf(effect);
  const bool parameter = index >= 0 && index < kParameters;
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
      CopyText(probe.names[probe.program], static_cast<const char*>(ptr), kVstMaxProgNameLen);
      return 0;
    case effGetProgramName:
      CopyText(ptr, probe.names[probe.program], kVstMaxProgNameLen);
      return 0;
    case effGetParamName:
      if (parameter) CopyText(ptr, kParameterNames[index], kVstMaxParamStrLen * 4);
      return 0;
    case effGetParamLabel:
      if (parameter) CopyText(ptr, kParameterLabels[index], kVstMaxParamStrLen);
      return 0;
    case effGetParamDisplay:
      if (parameter) std::snprintf(static_cast<char*>(ptr), kVstMaxParamStrLen, "%.3f", probe.values[probe.program][index]);
      return 0;
    case effGetEffectName:
      CopyText(ptr, "probe", kVstMaxEffectNameLen);
      return 1;
    default:
      return 0;
  }
}

void VSTCALLBACK SetParameter(AEffect* effect, VstInt32 index, float value) {
  Probe& probe = ProbeOf(effect);
  if (index >= 0 && index < kParameters) probe.values[probe.program][index] = value;
}

float VSTCALLBACK GetParameter(AEffect* effect, VstInt32 index) {
  Probe& probe = ProbeOf(effect);
  return index >= 0 && index < kParameters ? probe.values[probe.program][index] : 0.0f;
}

void VSTCALLBACK Process(AEffect* effect, float** /*inputs*/, float** outputs, VstInt32 frames) {
  Probe& probe = ProbeOf(effect);
  const auto* time = reinterpret_cast<const VstTimeInfo*>(probe.host(effect, audioMasterGetTime, 0, 0, nullptr, 0.0f));
  const VstTimeInfo none{};
  const VstTimeInfo& t = time ? *time : none;
  const double shown[kOutputs] = {probe.values[probe.program][0], probe.values[probe.program][1],
                                  probe.values[probe.program][2], static_cast<double>(probe.program), t.tempo,
                                  t.ppqPos, t.barStartPos, static_cast<double>(t.timeSigNumerator),
                                  static_cast<double>(t.timeSigDenominator), t.samplePos,
                                  (t.flags & kVstTransportPlaying) ? 1.0 : 0.0};
  for (VstInt32 channel = 0; channel < kOutputs; ++channel) {
    for (VstInt32 frame = 0; frame < frames; ++frame) outputs[channel][frame] = static_cast<float>(shown[channel]);
  }
}

}  // namespace

#if defined(_WIN32)
#define PROBE_EXPORT extern "C" __declspec(dllexport)
#else
#define PROBE_EXPORT extern "C" __attribute__((visibility("default")))
#endif

PROBE_EXPORT AEffect* VSTCALLBACK VSTPluginMain(audioMasterCallback host) {
  if (!host) return nullptr;
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
