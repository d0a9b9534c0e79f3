#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>

#include "tests/support/test_host.h"

namespace {

class Dispatcher : public ::testing::Test {
 protected:
  Dispatcher() : instance(host.createBuiltPlugin()) {}

  VstIntPtr dispatch(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0, void* ptr = nullptr,
                     float opt = 0.0f) {
    return instance.dispatch(opcode, index, value, ptr, opt);
  }

  TestHost host;
  PluginInstance instance;
};

// A host buffer with guard bytes behind it, all filled with a marker.
struct GuardedBuffer {
  static constexpr unsigned char kMarker = 0xAA;
  GuardedBuffer() { bytes.fill(kMarker); }
  char* data() { return reinterpret_cast<char*>(bytes.data()); }
  std::string text() const { return std::string(reinterpret_cast<const char*>(bytes.data())); }
  bool untouchedFrom(std::size_t offset) const {
    for (std::size_t i = offset; i < bytes.size(); ++i) {
      if (bytes[i] != kMarker) return false;
    }
    return true;
  }
  std::array<unsigned char, 128> bytes{};
};

struct FixedAnswer {
  VstInt32 opcode;
  VstIntPtr value;
  VstIntPtr expected;
};

TEST_F(Dispatcher, OpcodesWithoutArgumentsAnswerAsTheInterfaceTableSays) {
  const FixedAnswer table[] = {
      {effGetProgram, 0, 0},
      {effIdentify, 0, 0x4e764566},
      {effCanBeAutomated, 0, 1},
      {effGetPlugCategory, 0, 0},
      {effOfflineNotify, 0, 0},
      {effOfflinePrepare, 0, 0},
      {effOfflineRun, 0, 0},
      {effProcessVarIo, 0, 0},
      {effSetSpeakerArrangement, 0, 0},
      {effSetBypass, 1, 0},
      {effGetVendorVersion, 0, 1000},
      {effVendorSpecific, 0, 0},
      {effGetTailSize, 0, 0},
      {effGetVstVersion, 0, 2400},
      {effEditKeyDown, 0, 0},
      {effEditKeyUp, 0, 0},
      {effSetEditKnobMode, 2, 0},
      {effGetCurrentMidiProgram, 0, -1},
      {effHasMidiProgramsChanged, 0, 0},
      {effBeginSetProgram, 0, 0},
      {effEndSetProgram, 0, 0},
      {effStartProcess, 0, 0},
      {effStopProcess, 0, 0},
      {effSetTotalSampleToProcess, 123456, 123456},
      {effSetPanLaw, 0, 0},
      {effSetProcessPrecision, 1, 0},
      {effGetNumMidiInputChannels, 0, 0},
      {effGetNumMidiOutputChannels, 0, 0},
  };
  for (const FixedAnswer& row : table) {
    EXPECT_EQ(dispatch(row.opcode, 0, row.value), row.expected) << "opcode " << row.opcode;
  }
}

TEST_F(Dispatcher, UnknownAndDeprecatedOpcodesAnswerZero) {
  for (VstInt32 opcode : {9, 16, 17, 18, 20, 21, 28, 30, 31, 32, 36, 37, 43, 46, 53, 54, 55, 57, 80, 81, 500, -1,
                          0x7fffffff}) {
    EXPECT_EQ(dispatch(opcode), 0) << "opcode " << opcode;
  }
}

TEST_F(Dispatcher, OpcodesWithHostBuffersAnswerZeroAndLeaveThemAlone) {
  for (VstInt32 opcode : {+effGetInputProperties, +effGetOutputProperties, +effGetParameterProperties,
                          +effGetMidiProgramName, +effGetMidiProgramCategory, +effGetMidiKeyName,
                          +effShellGetNextPlugin, +effBeginLoadBank, +effBeginLoadProgram, +effString2Parameter,
                          +effGetProgramNameIndexed}) {
    GuardedBuffer buffer;
    EXPECT_EQ(dispatch(opcode, 0, 0, buffer.data()), 0) << "opcode " << opcode;
    EXPECT_TRUE(buffer.untouchedFrom(0)) << "opcode " << opcode;
  }
}

TEST_F(Dispatcher, ProgramStaysZeroWhateverTheHostSelects) {
  EXPECT_EQ(dispatch(effSetProgram, 0, 1), 0);
  EXPECT_EQ(dispatch(effGetProgram), 0);
  EXPECT_EQ(dispatch(effSetProgram, 0, -1), 0);
  EXPECT_EQ(dispatch(effGetProgram), 0);
  EXPECT_EQ(dispatch(effSetProgram, 0, 0), 0);
  EXPECT_EQ(dispatch(effGetProgram), 0);
}

TEST_F(Dispatcher, ProgramNameCanBeRenamed) {
  EXPECT_EQ(instance.text(effGetProgramName), "Veltronika_Quorvantile");
  char name[] = "Quiet outro";
  EXPECT_EQ(dispatch(effSetProgramName, 0, 0, name), 0);
  EXPECT_EQ(instance.text(effGetProgramName), "Quiet outro");
}

TEST_F(Dispatcher, IdentityTextsAnswerOne) {
  GuardedBuffer effectName;
  EXPECT_EQ(dispatch(effGetEffectName, 0, 0, effectName.data()), 1);
  EXPECT_EQ(effectName.text(), "Veltronika_Quorvantile");
  GuardedBuffer vendor;
  EXPECT_EQ(dispatch(effGetVendorString, 0, 0, vendor.data()), 1);
  EXPECT_EQ(vendor.text(), "Veltronika");
  GuardedBuffer product;
  EXPECT_EQ(dispatch(effGetProductString, 0, 0, product.data()), 1);
  EXPECT_EQ(product.text(), "Veltronika_Quorvantile");
}

TEST_F(Dispatcher, TextsAreCutToTheHostBufferAndNothingIsWrittenPastTheTerminator) {
  std::string longName(100, 'n');
  EXPECT_EQ(dispatch(effSetProgramName, 0, 0, longName.data()), 0);
  GuardedBuffer programName;
  dispatch(effGetProgramName, 0, 0, programName.data());
  EXPECT_EQ(programName.text(), std::string(23, 'n'));
  EXPECT_TRUE(programName.untouchedFrom(24));

  GuardedBuffer effectName;
  dispatch(effGetEffectName, 0, 0, effectName.data());
  EXPECT_TRUE(effectName.untouchedFrom(std::strlen("Veltronika_Quorvantile") + 1));

  GuardedBuffer display;
  dispatch(effGetParamDisplay, 0, 0, display.data());
  EXPECT_EQ(display.text(), "1.00");
  EXPECT_TRUE(display.untouchedFrom(5));
}

TEST_F(Dispatcher, NullTextPointersAnswerTheNeutralValue) {
  for (VstInt32 opcode : {+effSetProgramName, +effGetProgramName, +effGetParamLabel, +effGetParamDisplay,
                          +effGetParamName, +effGetEffectName, +effGetVendorString, +effGetProductString,
                          +effGetProgramNameIndexed, +effProcessEvents, +effGetChunk}) {
    EXPECT_EQ(dispatch(opcode), 0) << "opcode " << opcode;
  }
  EXPECT_EQ(dispatch(effCanDo), -1);
  EXPECT_EQ(instance.text(effGetProgramName), "Veltronika_Quorvantile");
}

TEST_F(Dispatcher, ClaimsToReceiveMidiEventsOnly) {
  char receive[] = "receiveVstMidiEvent";
  EXPECT_EQ(dispatch(effCanDo, 0, 0, receive), 1);
  for (std::string word : {"sendVstMidiEvent", "bypass", "offline", "receiveVstEvents", "", "receiveVstMidiEventX"}) {
    EXPECT_EQ(dispatch(effCanDo, 0, 0, word.data()), -1) << word;
  }
}

TEST_F(Dispatcher, EditorOpcodesAnswerZeroWithoutAnEditor) {
  ERect sentinel{};
  ERect* rect = &sentinel;
  EXPECT_EQ(dispatch(effEditGetRect, 0, 0, &rect), 0);
  EXPECT_EQ(rect, &sentinel);
  EXPECT_EQ(dispatch(effEditOpen, 0, 0, &sentinel), 0);
  EXPECT_EQ(dispatch(effEditIdle), 0);
  EXPECT_EQ(dispatch(effEditClose), 0);
  EXPECT_EQ(instance.effect()->flags & effFlagsHasEditor, 0);
}

TEST_F(Dispatcher, SpeakerArrangementQueryClearsBothPointers) {
  VstSpeakerArrangement dummy{};
  VstSpeakerArrangement* input = &dummy;
  VstSpeakerArrangement* output = &dummy;
  EXPECT_EQ(dispatch(effGetSpeakerArrangement, 0, reinterpret_cast<VstIntPtr>(&input), &output), 0);
  EXPECT_EQ(input, nullptr);
  EXPECT_EQ(output, nullptr);
}

TEST_F(Dispatcher, EveryResumeAsksTheHostForMidi) {
  EXPECT_EQ(dispatch(effOpen), 0);
  EXPECT_EQ(dispatch(effSetSampleRate, 0, 0, nullptr, 48000.0f), 0);
  EXPECT_EQ(dispatch(effSetBlockSize, 0, 256), 0);
  EXPECT_EQ(dispatch(effMainsChanged, 0, 1), 0);
  EXPECT_EQ(dispatch(effMainsChanged, 0, 0), 0);
  EXPECT_EQ(dispatch(effMainsChanged, 0, 1), 0);
  std::size_t requests = 0;
  for (const HostCall& call : host.calls()) {
    if (call.opcode != audioMasterWantMidi) continue;
    ++requests;
    EXPECT_EQ(call.value, 1);
    EXPECT_EQ(call.effect, instance.effect());
  }
  EXPECT_EQ(requests, 2u);
}

TEST_F(Dispatcher, MidiEventListsAreAccepted) {
  VstMidiEvent note{};
  note.type = kVstMidiType;
  note.byteSize = sizeof note;
  note.midiData[0] = static_cast<char>(0x90);
  VstEvents list{};
  list.numEvents = 1;
  list.events[0] = reinterpret_cast<VstEvent*>(&note);
  EXPECT_EQ(dispatch(effProcessEvents, 0, 0, &list), 1);
}

TEST_F(Dispatcher, CloseAnswersOneAndEndsTheInstance) {
  instance.dispatch(effOpen);
  AEffect* effect = instance.release();
  EXPECT_EQ(effect->dispatcher(effect, effClose, 0, 0, nullptr, 0.0f), 1);
}

}  // namespace
