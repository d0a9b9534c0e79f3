#include "host/dorn.h"

#include <cstring>

CDorn* CDorn::Create(TZepkin* script, const CallbackTable& table, audioMasterCallback hostCallback,
                     VstInt32 programCount, VstInt32 parameterCount) {
  if (!hostCallback || hostCallback(nullptr, audioMasterVersion, 0, 0, nullptr, 0.0f) == 0) return nullptr;
  return new CDorn(script, table, hostCallback, programCount, parameterCount);
}

CDorn::CDorn(TZepkin* script, const CallbackTable& table, audioMasterCallback hostCallback, VstInt32 programCount,
             VstInt32 parameterCount)
    : AudioEffectX(hostCallback, programCount, parameterCount),
      runtime(script),
      midiRing(kMidiRingLength, VstMidiEvent{}),
      callbacks(table) {
  canProcessReplacing(true);
  canDoubleReplacing(true);
  if (callbacks.OnSetup) callbacks.OnSetup(this);
}

CDorn::~CDorn() {
  for (ReferenceCounted*& font : fontCache) {
    if (font) font->forget();
    font = nullptr;
  }
  if (callbacks.OnDestroy) callbacks.OnDestroy(this);
}

TZepkin* RuntimeOf(CDorn* plugin) { return plugin ? plugin->runtime : nullptr; }

AEffect* EffectOf(CDorn* plugin) { return plugin ? plugin->getAeffect() : nullptr; }

void CDorn::open() {
  if (callbacks.OnOpen) callbacks.OnOpen(this);
}

void CDorn::close() {
  if (callbacks.OnClose) callbacks.OnClose(this);
}

void CDorn::suspend() {
  if (callbacks.OnSuspend) callbacks.OnSuspend(this);
}

void CDorn::resume() {
  AudioEffectX::resume();
  if (callbacks.OnResume) callbacks.OnResume(this);
}

void CDorn::processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames) {
  if (callbacks.OnProcessReplacing) callbacks.OnProcessReplacing(this, inputs, outputs, sampleFrames);
}

void CDorn::processDoubleReplacing(double** inputs, double** outputs, VstInt32 sampleFrames) {
  if (callbacks.OnProcessDoubleReplacing) callbacks.OnProcessDoubleReplacing(this, inputs, outputs, sampleFrames);
}

void CDorn::setParameter(VstInt32 index, float value) {
  if (callbacks.OnSetParameter) callbacks.OnSetParameter(this, index, static_cast<double>(value));
}

float CDorn::getParameter(VstInt32 index) {
  return callbacks.OnGetParameter ? static_cast<float>(callbacks.OnGetParameter(this, index)) : 0.0f;
}

void CDorn::setProgramName(char* name) {
  if (callbacks.OnSetProgramName) callbacks.OnSetProgramName(this, name);
}

void CDorn::getProgramName(char* name) {
  if (callbacks.OnGetProgramName) callbacks.OnGetProgramName(this, name);
}

void CDorn::getParameterLabel(VstInt32 index, char* label) {
  if (callbacks.OnGetParameterLabel) callbacks.OnGetParameterLabel(this, index, label);
}

void CDorn::getParameterDisplay(VstInt32 index, char* text) {
  if (callbacks.OnGetParameterDisplay) callbacks.OnGetParameterDisplay(this, index, text);
}

void CDorn::getParameterName(VstInt32 index, char* text) {
  if (callbacks.OnGetParameterName) callbacks.OnGetParameterName(this, index, text);
}

VstInt32 CDorn::getChunk(void** data, bool isPreset) {
  return callbacks.OnGetChunk ? callbacks.OnGetChunk(this, data, isPreset) : 0;
}

VstInt32 CDorn::setChunk(void* data, VstInt32 byteSize, bool isPreset) {
  return callbacks.OnSetChunk ? callbacks.OnSetChunk(this, data, byteSize, isPreset) : 0;
}

bool CDorn::getProgramNameIndexed(VstInt32 category, VstInt32 index, char* text) {
  return callbacks.OnGetProgramNameIndexed && callbacks.OnGetProgramNameIndexed(this, category, index, text) != 0;
}

VstInt32 CDorn::processEvents(VstEvents* events) {
  // The host's list holds numEvents pointers, beyond the two that the record declares.
  VstEvent* const* const list = events->events;
  for (VstInt32 i = 0; i < events->numEvents; ++i) {
    const VstEvent* event = list[i];
    if (!event || event->type != kVstMidiType) continue;
    std::memcpy(&midiRing[static_cast<std::size_t>(midiRingPosition)], event, sizeof(VstMidiEvent));
    midiRingPosition = (midiRingPosition + 1) % kMidiRingLength;
  }
  return 1;
}

bool CDorn::getEffectName(char* name) {
  return callbacks.OnGetEffectName && callbacks.OnGetEffectName(this, name) != 0;
}

bool CDorn::getVendorString(char* text) {
  return callbacks.OnGetVendorString && callbacks.OnGetVendorString(this, text) != 0;
}

bool CDorn::getProductString(char* text) {
  return callbacks.OnGetProductString && callbacks.OnGetProductString(this, text) != 0;
}

VstInt32 CDorn::getVendorVersion() { return callbacks.OnGetVendorVersion ? callbacks.OnGetVendorVersion(this) : 0; }

VstInt32 CDorn::canDo(char* text) {
  return std::strcmp(text, "receiveVstMidiEvent") == 0 ? 1 : -1;
}
