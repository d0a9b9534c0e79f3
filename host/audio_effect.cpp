#include "host/audio_effect.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <utility>

#include "platform/guarded_call.h"

namespace {

AudioEffect* ObjectOf(AEffect* effect) { return effect ? static_cast<AudioEffect*>(effect->object) : nullptr; }

// The effect record's functions: the host's only way in besides the dispatcher.

VST_HOST_ENTRY VstIntPtr VSTCALLBACK DispatchRecord(AEffect* effect, VstInt32 opcode, VstInt32 index,
                                                   VstIntPtr value, void* ptr, float opt) {
  return GuardedHostCall<VstIntPtr>(0, [&]() -> VstIntPtr {
    AudioEffect* object = ObjectOf(effect);
    if (!object) return 0;
    if (opcode != effClose) return object->dispatcher(opcode, index, value, ptr, opt);
    object->dispatcher(opcode, index, value, ptr, opt);
    delete object;
    return 1;
  });
}

VST_HOST_ENTRY void VSTCALLBACK ProcessRecord(AEffect* effect, float** inputs, float** outputs,
                                              VstInt32 sampleFrames) {
  GuardedHostCall([&] {
    if (AudioEffect* object = ObjectOf(effect)) object->process(inputs, outputs, sampleFrames);
  });
}

VST_HOST_ENTRY void VSTCALLBACK ProcessReplacingRecord(AEffect* effect, float** inputs, float** outputs,
                                                       VstInt32 sampleFrames) {
  GuardedHostCall([&] {
    if (AudioEffect* object = ObjectOf(effect)) object->processReplacing(inputs, outputs, sampleFrames);
  });
}

VST_HOST_ENTRY void VSTCALLBACK ProcessDoubleReplacingRecord(AEffect* effect, double** inputs, double** outputs,
                                                             VstInt32 sampleFrames) {
  GuardedHostCall([&] {
    if (AudioEffect* object = ObjectOf(effect)) object->processDoubleReplacing(inputs, outputs, sampleFrames);
  });
}

VST_HOST_ENTRY void VSTCALLBACK SetParameterRecord(AEffect* effect, VstInt32 index, float value) {
  GuardedHostCall([&] {
    if (AudioEffect* object = ObjectOf(effect)) object->setParameter(index, value);
  });
}

VST_HOST_ENTRY float VSTCALLBACK GetParameterRecord(AEffect* effect, VstInt32 index) {
  return GuardedHostCall(0.0f, [&] {
    AudioEffect* object = ObjectOf(effect);
    return object ? object->getParameter(index) : 0.0f;
  });
}

}  // namespace

AudioEffect::AudioEffect(audioMasterCallback hostCallback, VstInt32 programCount, VstInt32 parameterCount)
    : audioMaster(hostCallback), numPrograms(programCount), numParams(parameterCount), cEffect() {
  cEffect.magic = kEffectMagic;
  cEffect.dispatcher = DispatchRecord;
  cEffect.process = ProcessRecord;
  cEffect.setParameter = SetParameterRecord;
  cEffect.getParameter = GetParameterRecord;
  cEffect.numPrograms = numPrograms;
  cEffect.numParams = numParams;
  cEffect.numInputs = 1;
  cEffect.numOutputs = 2;
  cEffect.flags = effFlagsCanReplacing;
  cEffect.ioRatio = 1.0f;
  cEffect.object = this;
  cEffect.uniqueID = CCONST('N', 'o', 'E', 'f');
  cEffect.version = 1;
  cEffect.processReplacing = ProcessReplacingRecord;
  cEffect.processDoubleReplacing = ProcessDoubleReplacingRecord;
}

AudioEffect::~AudioEffect() = default;

void AudioEffect::setFlag(VstInt32 flag, bool state) {
  if (state) {
    cEffect.flags |= flag;
  } else {
    cEffect.flags &= ~flag;
  }
}

void AudioEffect::setEditor(std::unique_ptr<AEffEditor> newEditor) {
  editor = std::move(newEditor);
  setFlag(effFlagsHasEditor, editor != nullptr);
}

VstIntPtr AudioEffect::callHost(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt) {
  return audioMaster ? audioMaster(&cEffect, opcode, index, value, ptr, opt) : 0;
}

void AudioEffect::setParameterAutomated(VstInt32 index, float value) {
  setParameter(index, value);
  callHost(audioMasterAutomate, index, 0, nullptr, value);
}

VstInt32 AudioEffect::getMasterVersion() {
  const VstIntPtr version = callHost(audioMasterVersion);
  return version ? static_cast<VstInt32>(version) : 1;
}

VstInt32 AudioEffect::getCurrentUniqueId() { return static_cast<VstInt32>(callHost(audioMasterCurrentId)); }

void AudioEffect::masterIdle() { callHost(audioMasterIdle); }

bool AudioEffect::isInputConnected(VstInt32 input) { return callHost(audioMasterPinConnected, input, 0) == 0; }

bool AudioEffect::isOutputConnected(VstInt32 output) { return callHost(audioMasterPinConnected, output, 1) == 0; }

VstIntPtr AudioEffect::dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt) {
  char* const text = static_cast<char*>(ptr);
  switch (opcode) {
    case effOpen:
      open();
      return 0;
    case effClose:
      close();
      return 0;
    case effSetProgram:
      if (value >= 0 && value < numPrograms) setProgram(static_cast<VstInt32>(value));
      return 0;
    case effGetProgram:
      return getProgram();
    case effSetProgramName:
      if (text) setProgramName(text);
      return 0;
    case effGetProgramName:
      if (text) getProgramName(text);
      return 0;
    case effGetParamLabel:
      if (text) getParameterLabel(index, text);
      return 0;
    case effGetParamDisplay:
      if (text) getParameterDisplay(index, text);
      return 0;
    case effGetParamName:
      if (text) getParameterName(index, text);
      return 0;
    case effSetSampleRate:
      // A negative, infinite or undefined rate is none: the rate set before stays.
      if (opt >= 0.0f && std::isfinite(opt)) setSampleRate(opt);
      return 0;
    case effSetBlockSize:
      // A negative size, or one beyond 32 bits, is none: the size set before stays.
      if (value >= 0 && value <= std::numeric_limits<VstInt32>::max()) setBlockSize(static_cast<VstInt32>(value));
      return 0;
    case effMainsChanged:
      if (value) {
        resume();
      } else {
        suspend();
      }
      return 0;
    case effEditGetRect:
    case effEditOpen:
    case effEditClose:
    case effEditIdle:
      return dispatchEditor(opcode, ptr);
    case effIdentify:
      return CCONST('N', 'v', 'E', 'f');
    case effGetChunk:
      return ptr ? getChunk(static_cast<void**>(ptr), index != 0) : 0;
    case effSetChunk:
      return setChunk(ptr, static_cast<VstInt32>(value), index != 0);
    default:
      return 0;
  }
}

VstIntPtr AudioEffect::dispatchEditor(VstInt32 opcode, void* ptr) {
  if (!editor) return 0;
  switch (opcode) {
    case effEditGetRect:
      return ptr && editor->getRect(static_cast<ERect**>(ptr)) ? 1 : 0;
    case effEditOpen:
      return editor->open(ptr) ? 1 : 0;
    case effEditClose:
      editor->close();
      return 0;
    case effEditIdle:
      editor->idle();
      return 0;
    default:
      return 0;
  }
}
