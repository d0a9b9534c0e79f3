#pragma once

#include <vector>

#include "host/audio_effect_x.h"
#include "host/callback_table.h"
#include "runtime/reference_counted.h"

class TZepkin;
namespace VSTGUI {
class CDrawContext;
}

// The VST effect object of one plug-in instance. Generic: every request that
// concerns the script goes through exactly one entry of its CallbackTable copy.
class CDorn final : public AudioEffectX {
 public:
  static constexpr VstInt32 kMidiRingLength = 1000;

  // Asks the host for its VST version first: null when there is no host callback or
  // the host answers 0. Otherwise the new object owns `script`.
  static CDorn* Create(TZepkin* script, const CallbackTable& table, audioMasterCallback hostCallback,
                       VstInt32 programCount, VstInt32 parameterCount);
  ~CDorn() override;

  void open() override;
  void close() override;
  void suspend() override;
  void resume() override;
  void processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames) override;
  void processDoubleReplacing(double** inputs, double** outputs, VstInt32 sampleFrames) override;
  void setParameter(VstInt32 index, float value) override;
  float getParameter(VstInt32 index) override;
  void setProgramName(char* name) override;
  void getProgramName(char* name) override;
  void getParameterLabel(VstInt32 index, char* label) override;
  void getParameterDisplay(VstInt32 index, char* text) override;
  void getParameterName(VstInt32 index, char* text) override;
  VstInt32 getChunk(void** data, bool isPreset) override;
  VstInt32 setChunk(void* data, VstInt32 byteSize, bool isPreset) override;
  bool getProgramNameIndexed(VstInt32 category, VstInt32 index, char* text) override;
  // Keeps the MIDI events of the list in the ring, overwriting the oldest.
  VstInt32 processEvents(VstEvents* events) override;
  bool getEffectName(char* name) override;
  bool getVendorString(char* text) override;
  bool getProductString(char* text) override;
  VstInt32 getVendorVersion() override;
  // Claims "receiveVstMidiEvent" only.
  VstInt32 canDo(char* text) override;

  TZepkin* runtime;                                    // owned; deleted through OnDestroy
  VSTGUI::CDrawContext* activeDrawContext = nullptr;  // lent by the editor's view while it draws
  VstInt32 midiRingPosition = 0;                       // next ring entry to write
  VstInt32 midiReadPosition = 0;                       // next ring entry to read
  std::vector<ReferenceCounted*> fontCache;            // one reference held on each
  std::vector<VstMidiEvent> midiRing;
  const CallbackTable callbacks;

 private:
  CDorn(TZepkin* script, const CallbackTable& table, audioMasterCallback hostCallback, VstInt32 programCount,
        VstInt32 parameterCount);
};

// The runtime and the effect record of a plug-in object; null for a null object.
TZepkin* RuntimeOf(CDorn* plugin);
AEffect* EffectOf(CDorn* plugin);
