#pragma once

#include "host/audio_effect.h"

// The VST 2.x extensions: the first level of the opcode dispatch (opcodes 25 and
// above), their default answers, and the remaining calls back to the host.
class AudioEffectX : public AudioEffect {
 public:
  using AudioEffect::AudioEffect;

  VstIntPtr dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt) override;

  // Asks for MIDI (a synth always, an effect when it can receive MIDI events).
  void resume() override;

  virtual VstInt32 processEvents(VstEvents* /*events*/) { return 0; }
  virtual bool canParameterBeAutomated(VstInt32 /*index*/) { return true; }
  virtual bool string2parameter(VstInt32 /*index*/, char* /*text*/) { return false; }
  virtual bool getProgramNameIndexed(VstInt32 /*category*/, VstInt32 /*index*/, char* /*text*/) { return false; }
  virtual bool getInputProperties(VstInt32 /*index*/, VstPinProperties* /*properties*/) { return false; }
  virtual bool getOutputProperties(VstInt32 /*index*/, VstPinProperties* /*properties*/) { return false; }
  virtual VstPlugCategory getPlugCategory();
  virtual bool offlineNotify(VstAudioFile* /*files*/, VstInt32 /*count*/, bool /*start*/) { return false; }
  virtual bool offlinePrepare(VstOfflineTask* /*tasks*/, VstInt32 /*count*/) { return false; }
  virtual bool offlineRun(VstOfflineTask* /*tasks*/, VstInt32 /*count*/) { return false; }
  virtual bool processVariableIo(VstVariableIo* /*varIo*/) { return false; }
  virtual bool setSpeakerArrangement(VstSpeakerArrangement* /*input*/, VstSpeakerArrangement* /*output*/) {
    return false;
  }
  // Stores null into whichever of the two arrangement slots is given.
  virtual bool getSpeakerArrangement(VstSpeakerArrangement** input, VstSpeakerArrangement** output);
  virtual bool setBypass(bool /*onOff*/) { return false; }
  virtual bool getEffectName(char* /*name*/) { return false; }
  virtual bool getVendorString(char* /*text*/) { return false; }
  virtual bool getProductString(char* /*text*/) { return false; }
  virtual VstInt32 getVendorVersion() { return 0; }
  virtual VstIntPtr vendorSpecific(VstInt32 /*index*/, VstIntPtr /*value*/, void* /*ptr*/, float /*opt*/) {
    return 0;
  }
  virtual VstInt32 canDo(char* /*text*/) { return 0; }
  virtual VstInt32 getTailSize() { return 0; }
  virtual bool getParameterProperties(VstInt32 /*index*/, VstParameterProperties* /*properties*/) {
    return false;
  }
  virtual VstInt32 getVstVersion() { return kVstVersion; }
  virtual VstInt32 getMidiProgramName(VstInt32 /*channel*/, MidiProgramName* /*name*/) { return 0; }
  virtual VstInt32 getCurrentMidiProgram(VstInt32 /*channel*/, MidiProgramName* /*current*/) { return -1; }
  virtual VstInt32 getMidiProgramCategory(VstInt32 /*channel*/, MidiProgramCategory* /*category*/) { return 0; }
  virtual bool hasMidiProgramsChanged(VstInt32 /*channel*/) { return false; }
  virtual bool getMidiKeyName(VstInt32 /*channel*/, MidiKeyName* /*keyName*/) { return false; }
  virtual bool beginSetProgram() { return false; }
  virtual bool endSetProgram() { return false; }
  virtual VstInt32 getNextShellPlugin(char* /*name*/) { return 0; }
  virtual VstInt32 startProcess() { return 0; }
  virtual VstInt32 stopProcess() { return 0; }
  virtual VstIntPtr setTotalSampleToProcess(VstIntPtr value) { return value; }
  virtual bool setPanLaw(VstInt32 /*type*/, float /*value*/) { return false; }
  virtual VstInt32 beginLoadBank(VstPatchChunkInfo* /*info*/) { return 0; }
  virtual VstInt32 beginLoadProgram(VstPatchChunkInfo* /*info*/) { return 0; }
  virtual bool setProcessPrecision(VstInt32 /*precision*/) { return false; }
  virtual VstInt32 getNumMidiInputChannels() { return 0; }
  virtual VstInt32 getNumMidiOutputChannels() { return 0; }

  virtual void isSynth(bool state = true) { setFlag(effFlagsIsSynth, state); }
  virtual void noTail(bool state = true) { setFlag(effFlagsNoSoundInStop, state); }
  virtual void wantAsyncOperation(bool state = true) { setFlag(effFlagsExtIsAsync, state); }  // deprecated
  virtual void hasExternalBuffer(bool state = true) { setFlag(effFlagsExtHasBuffer, state); }  // deprecated

  // Speaker arrangements: a header of two 32-bit fields and one VstSpeakerProperties
  // per channel, allocated here and freed with deallocateArrangement.
  virtual bool allocateArrangement(VstSpeakerArrangement** arrangement, VstInt32 nbChannels);
  virtual bool deallocateArrangement(VstSpeakerArrangement** arrangement);
  virtual bool copySpeaker(VstSpeakerProperties* to, VstSpeakerProperties* from);
  virtual bool matchArrangement(VstSpeakerArrangement** to, VstSpeakerArrangement* from);

  // Calls to the host.
  virtual VstTimeInfo* getTimeInfo(VstInt32 filter);
  virtual bool sendVstEventsToHost(VstEvents* events);  // true only when the host answers 1
  virtual void wantEvents(VstInt32 filter = 1);         // deprecated
  virtual VstInt32 tempoAt(VstInt32 position);          // deprecated
  virtual VstInt32 getNumAutomatableParameters();       // deprecated
  virtual VstInt32 getParameterQuantization();          // deprecated
  virtual bool ioChanged();
  virtual bool needIdle();  // deprecated
  virtual bool sizeWindow(VstInt32 width, VstInt32 height);
  virtual double updateSampleRate();  // keeps the host's answer when it is positive
  virtual VstInt32 updateBlockSize();  // keeps the host's answer when it is positive
  virtual VstInt32 getInputLatency();
  virtual VstInt32 getOutputLatency();
  virtual AEffect* getPreviousPlug(VstInt32 input);  // deprecated
  virtual AEffect* getNextPlug(VstInt32 output);     // deprecated
  virtual VstInt32 willProcessReplacing();           // deprecated
  virtual VstInt32 getCurrentProcessLevel();
  virtual VstInt32 getAutomationState();
  virtual bool offlineStart(VstAudioFile* files, VstInt32 numAudioFiles, VstInt32 numNewAudioFiles);
  virtual bool offlineRead(VstOfflineTask* offline, VstInt32 option, bool readSource = true);
  virtual bool offlineWrite(VstOfflineTask* offline, VstInt32 option);
  virtual VstInt32 offlineGetCurrentPass();
  virtual VstInt32 offlineGetCurrentMetaPass();
  virtual void setOutputSamplerate(float rate);                         // deprecated
  virtual VstSpeakerArrangement* getOutputSpeakerArrangement();         // deprecated
  virtual bool getHostVendorString(char* text);
  virtual bool getHostProductString(char* text);
  virtual VstInt32 getHostVendorVersion();
  virtual VstIntPtr hostVendorSpecific(VstInt32 arg1, VstIntPtr arg2, void* ptrArg, float floatArg);
  virtual bool canHostDo(char* text);
  virtual VstInt32 getHostLanguage();
  virtual void* openWindow(VstWindow* window);  // deprecated
  virtual bool closeWindow(VstWindow* window);  // deprecated
  virtual void* getDirectory();
  virtual bool updateDisplay();
  virtual bool beginEdit(VstInt32 index);
  virtual bool endEdit(VstInt32 index);
  virtual bool openFileSelector(VstFileSelect* select);   // false for null, without asking
  virtual bool closeFileSelector(VstFileSelect* select);  // false for null, without asking
  virtual bool getChunkFile(void* nativePath);            // deprecated; false for null, without asking
  virtual VstSpeakerArrangement* getInputSpeakerArrangement();  // deprecated

 private:
  VstIntPtr dispatchEditorKeys(VstInt32 opcode, VstInt32 index, VstIntPtr value, float opt);
};
