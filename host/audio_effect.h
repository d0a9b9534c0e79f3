#pragma once

#include <memory>

#include "host/aeff_editor.h"
#include "host/vst2_interface.h"

// The VST 2.4 effect base object: the effect record, its flags, the second level of
// the opcode dispatch and the basic calls back to the host.
class AudioEffect {
 public:
  AudioEffect(audioMasterCallback hostCallback, VstInt32 programCount, VstInt32 parameterCount);
  virtual ~AudioEffect();
  AudioEffect(const AudioEffect&) = delete;
  AudioEffect& operator=(const AudioEffect&) = delete;

  // Opcodes 0 to 24; every other opcode answers 0. Pointers are checked here, so
  // the operations below receive usable arguments.
  virtual VstIntPtr dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt);

  virtual void open() {}
  virtual void close() {}
  virtual void suspend() {}
  virtual void resume() {}
  virtual void setSampleRate(float rate) { sampleRate = rate; }
  virtual void setBlockSize(VstInt32 size) { blockSize = size; }
  virtual float getSampleRate() { return sampleRate; }
  virtual VstInt32 getBlockSize() { return blockSize; }

  // The deprecated accumulating process: nothing is accumulated.
  virtual void process(float** /*inputs*/, float** /*outputs*/, VstInt32 /*sampleFrames*/) {}
  virtual void processReplacing(float** /*inputs*/, float** /*outputs*/, VstInt32 /*sampleFrames*/) {}
  virtual void processDoubleReplacing(double** /*inputs*/, double** /*outputs*/, VstInt32 /*sampleFrames*/) {}

  virtual void setParameter(VstInt32 /*index*/, float /*value*/) {}
  virtual float getParameter(VstInt32 /*index*/) { return 0.0f; }
  // Sets the parameter, then tells the host that the user changed it.
  virtual void setParameterAutomated(VstInt32 index, float value);
  virtual void getParameterLabel(VstInt32 /*index*/, char* label) { *label = 0; }
  virtual void getParameterDisplay(VstInt32 /*index*/, char* text) { *text = 0; }
  virtual void getParameterName(VstInt32 /*index*/, char* text) { *text = 0; }

  virtual VstInt32 getProgram() { return curProgram; }
  virtual void setProgram(VstInt32 program) { curProgram = program; }
  virtual void setProgramName(char* /*name*/) {}
  virtual void getProgramName(char* name) { *name = 0; }
  virtual VstInt32 getChunk(void** /*data*/, bool /*isPreset*/ = false) { return 0; }
  virtual VstInt32 setChunk(void* /*data*/, VstInt32 /*byteSize*/, bool /*isPreset*/ = false) { return 0; }

  virtual void setUniqueID(VstInt32 id) { cEffect.uniqueID = id; }
  virtual void setNumInputs(VstInt32 inputs) { cEffect.numInputs = inputs; }
  virtual void setNumOutputs(VstInt32 outputs) { cEffect.numOutputs = outputs; }
  virtual void setInitialDelay(VstInt32 delay) { cEffect.initialDelay = delay; }
  virtual void setRealtimeQualities(VstInt32 qualities) { cEffect.realQualities = qualities; }  // deprecated
  virtual void setOfflineQualities(VstInt32 qualities) { cEffect.offQualities = qualities; }    // deprecated
  virtual void canProcessReplacing(bool state = true) { setFlag(effFlagsCanReplacing, state); }
  virtual void canDoubleReplacing(bool state = true) { setFlag(effFlagsCanDoubleReplacing, state); }
  virtual void programsAreChunks(bool state = true) { setFlag(effFlagsProgramChunks, state); }
  virtual void hasVu(bool state = true) { setFlag(effFlagsHasVu, state); }        // deprecated
  virtual void hasClip(bool state = true) { setFlag(effFlagsHasClip, state); }    // deprecated
  virtual void canMono(bool state = true) { setFlag(effFlagsCanMono, state); }    // deprecated
  // The effect owns its editor from here on (and none with null).
  virtual void setEditor(std::unique_ptr<AEffEditor> newEditor);
  virtual AEffEditor* getEditor() { return editor.get(); }
  virtual AEffect* getAeffect() { return &cEffect; }

  // Calls to the host. Without a host callback each answers as noted, or 0.
  virtual VstInt32 getMasterVersion();  // 1 when the host answers 0 or is absent
  virtual VstInt32 getCurrentUniqueId();
  virtual void masterIdle();
  virtual bool isInputConnected(VstInt32 input);    // true unless the host says otherwise
  virtual bool isOutputConnected(VstInt32 output);  // true unless the host says otherwise

  // Number-to-text tools for parameter displays; each writes at most maxLen bytes,
  // terminating zero included.
  virtual void dB2string(float value, char* text, VstInt32 maxLen);     // "-oo" at or below 0
  virtual void Hz2string(float samples, char* text, VstInt32 maxLen);   // sample rate / samples
  virtual void ms2string(float samples, char* text, VstInt32 maxLen);   // samples in milliseconds
  virtual void float2string(float value, char* text, VstInt32 maxLen);  // up to 8 digits
  virtual void int2string(VstInt32 value, char* text, VstInt32 maxLen);  // "Huge!" above 99999999

 protected:
  void setFlag(VstInt32 flag, bool state);
  // Passes one request to the host; 0 without a host callback.
  VstIntPtr callHost(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0, void* ptr = nullptr,
                     float opt = 0.0f);

  audioMasterCallback audioMaster;
  std::unique_ptr<AEffEditor> editor;
  float sampleRate = 44100.0f;
  VstInt32 blockSize = 1024;
  VstInt32 numPrograms;
  VstInt32 numParams;
  VstInt32 curProgram = 0;
  AEffect cEffect;

 private:
  VstIntPtr dispatchEditor(VstInt32 opcode, void* ptr);
};
