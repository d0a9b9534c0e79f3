#include <gtest/gtest.h>

#include "runtime/adaptor_services.h"
#include "runtime/graphics_services.h"
#include "tests/host/recording_script.h"

namespace {

class Services : public ::testing::Test {
 protected:
  Services() { host.clearCalls(); }
  CDorn* plugin() { return recorded.plugin; }
  VstIntPtr lastTimeRequest() const { return host.calls().back().value; }

  TestHost host;
  RecordedPlugin recorded{host};
  PluginInstance instance{recorded.effect};
};

TEST_F(Services, TransportAndMusicalTimeComeFromTheHostsTimeInfo) {
  host.providesTimeInfo = true;
  host.timeInfo.tempo = 128.0;
  host.timeInfo.ppqPos = 17.5;
  host.timeInfo.barStartPos = 16.0;
  host.timeInfo.timeSigNumerator = 7;
  host.timeInfo.timeSigDenominator = 8;
  host.timeInfo.flags = kVstTransportPlaying | kVstTransportRecording;

  EXPECT_EQ(DornGetTempo(plugin()), 128.0);
  EXPECT_EQ(lastTimeRequest(), 1024);
  EXPECT_EQ(DornIsPlaying(plugin()), 1);
  EXPECT_EQ(lastTimeRequest(), 2);
  EXPECT_EQ(DornIsRecording(plugin()), 1);
  EXPECT_EQ(lastTimeRequest(), 8);
  EXPECT_EQ(DornGetPpqPosition(plugin()), 17.5);
  EXPECT_EQ(lastTimeRequest(), 512);
  EXPECT_EQ(DornGetBarStartPosition(plugin()), 16.0);
  EXPECT_EQ(lastTimeRequest(), 2048);
  double tempo = 0, numerator = 0, denominator = 0;
  EXPECT_EQ(DornGetTimeSignature(plugin(), &tempo, &numerator, &denominator), 1);
  EXPECT_EQ(lastTimeRequest(), 9216);
  EXPECT_EQ(tempo, 128.0);
  EXPECT_EQ(numerator, 7.0);
  EXPECT_EQ(denominator, 8.0);

  host.timeInfo.flags = 0;
  EXPECT_EQ(DornIsPlaying(plugin()), 0);
  EXPECT_EQ(DornIsRecording(plugin()), 0);
}

TEST_F(Services, WithoutTimeInfoEverythingIsZeroAndOutputsStayUntouched) {
  EXPECT_EQ(DornGetTempo(plugin()), 0.0);
  EXPECT_EQ(DornIsPlaying(plugin()), 0);
  EXPECT_EQ(DornIsRecording(plugin()), 0);
  EXPECT_EQ(DornGetPpqPosition(plugin()), 0.0);
  EXPECT_EQ(DornGetBarStartPosition(plugin()), 0.0);
  double tempo = 1, numerator = 2, denominator = 3;
  EXPECT_EQ(DornGetTimeSignature(plugin(), &tempo, &numerator, &denominator), 0);
  EXPECT_EQ(tempo, 1.0);
  EXPECT_EQ(numerator, 2.0);
  EXPECT_EQ(denominator, 3.0);
}

TEST_F(Services, SampleRateBlockSizeAndChannelsAreTheHostsSettings) {
  instance.dispatch(effSetSampleRate, 0, 0, nullptr, 48000.0f);
  instance.dispatch(effSetBlockSize, 0, 128);
  EXPECT_EQ(DornGetSampleRate(plugin()), 48000.0);
  EXPECT_EQ(DornGetBlockSize(plugin()), 128);
  EXPECT_EQ(DornGetNumInputs(plugin()), 2);
  EXPECT_EQ(DornGetNumOutputs(plugin()), 2);
  EXPECT_EQ(DornSetNumInputs(plugin(), 4), 1);
  EXPECT_EQ(DornSetNumOutputs(plugin(), 6), 1);
  EXPECT_EQ(DornSetUniqueID(plugin(), 99), 1);
  EXPECT_EQ(DornSetInitialDelay(plugin(), 64), 1);
  EXPECT_EQ(DornSetProgramsAreChunks(plugin(), false), 1);
  EXPECT_EQ(recorded.effect->numInputs, 4);
  EXPECT_EQ(recorded.effect->numOutputs, 6);
  EXPECT_EQ(recorded.effect->uniqueID, 99);
  EXPECT_EQ(recorded.effect->initialDelay, 64);
  EXPECT_EQ(recorded.effect->flags & effFlagsProgramChunks, 0);
}

// The event list lives only during the call, so the host copies what it received.
struct ReceivedEvents {
  VstInt32 count = 0;
  VstMidiEvent midi{};
  VstMidiSysexEvent sysex{};
};

TEST_F(Services, SentMidiIsOneEventListWithOneMidiEvent) {
  ReceivedEvents received;
  host.inspect = [&](const HostCall& call) {
    if (call.opcode != audioMasterProcessEvents) return;
    const auto* list = static_cast<const VstEvents*>(call.ptr);
    received.count = list->numEvents;
    received.midi = *reinterpret_cast<const VstMidiEvent*>(list->events[0]);
  };
  host.answers[audioMasterProcessEvents] = 1;
  EXPECT_EQ(DornSendMidi(plugin(), 12, 0x90, 64, 127), 1);
  EXPECT_EQ(received.count, 1);
  EXPECT_EQ(received.midi.type, kVstMidiType);
  EXPECT_EQ(received.midi.byteSize, 32);
  EXPECT_EQ(received.midi.deltaFrames, 12);
  EXPECT_EQ(static_cast<unsigned char>(received.midi.midiData[0]), 0x90);
  EXPECT_EQ(received.midi.midiData[1], 64);
  EXPECT_EQ(received.midi.midiData[2], 127);
  EXPECT_EQ(received.midi.midiData[3], 0);
  EXPECT_EQ(received.midi.flags, 0);
  EXPECT_EQ(received.midi.noteLength, 0);
  host.answers[audioMasterProcessEvents] = 2;
  EXPECT_EQ(DornSendMidi(plugin(), 0, 0x80, 64, 0), 0);
}

TEST_F(Services, SentSysExCarriesTheDump) {
  ReceivedEvents received;
  host.inspect = [&](const HostCall& call) {
    if (call.opcode != audioMasterProcessEvents) return;
    const auto* list = static_cast<const VstEvents*>(call.ptr);
    received.count = list->numEvents;
    received.sysex = *reinterpret_cast<const VstMidiSysexEvent*>(list->events[0]);
  };
  host.answers[audioMasterProcessEvents] = 1;
  char dump[] = {static_cast<char>(0xF0), 0x7E, static_cast<char>(0xF7)};
  EXPECT_EQ(DornSendSysEx(plugin(), 4, dump, 3), 1);
  EXPECT_EQ(received.count, 1);
  EXPECT_EQ(received.sysex.type, kVstSysExType);
  EXPECT_EQ(received.sysex.byteSize, 32);
  EXPECT_EQ(received.sysex.deltaFrames, 4);
  EXPECT_EQ(received.sysex.dumpBytes, 3);
  EXPECT_EQ(received.sysex.sysexDump, dump);
}

TEST_F(Services, UpdateDisplayReportsWhetherTheHostDidIt) {
  EXPECT_EQ(DornUpdateDisplay(plugin()), 0);
  host.answers[audioMasterUpdateDisplay] = 1;
  EXPECT_EQ(DornUpdateDisplay(plugin()), 1);
}

TEST_F(Services, WithoutAnEditorThereIsNothingToRedrawOrMeasure) {
  std::int32_t width = 7;
  std::int32_t height = 9;
  EXPECT_EQ(GfxRedraw(plugin()), 0);
  EXPECT_EQ(GfxGetSize(plugin(), &width, &height), 0);
  EXPECT_EQ(width, 7);
  EXPECT_EQ(height, 9);
  EXPECT_EQ(recorded.effect->flags & effFlagsHasEditor, 0);
}

// No drawing services are installed here: the drawing layer an editor needs is absent.
TEST_F(Services, WithoutTheDrawingLayerNoEditorIsMade) {
  EXPECT_EQ(GfxCreateEditor(plugin(), 400, 300), 0);
  EXPECT_EQ(recorded.effect->flags & effFlagsHasEditor, 0);
}

TEST(ServicesWithoutPlugin, AnswerZero) {
  double tempo = 5.0;
  std::int32_t delta = 1;
  EXPECT_EQ(DornGetNumInputs(nullptr), 0);
  EXPECT_EQ(GfxCreateEditor(nullptr, 400, 300), 0);
  EXPECT_EQ(GfxGetSize(nullptr, nullptr, nullptr), 0);
  EXPECT_EQ(DornGetNumOutputs(nullptr), 0);
  EXPECT_EQ(DornSetNumInputs(nullptr, 2), 0);
  EXPECT_EQ(DornSetNumOutputs(nullptr, 2), 0);
  EXPECT_EQ(DornSetUniqueID(nullptr, 2), 0);
  EXPECT_EQ(DornSetProgramsAreChunks(nullptr, true), 0);
  EXPECT_EQ(DornGetSampleRate(nullptr), 0.0);
  EXPECT_EQ(DornGetBlockSize(nullptr), 0);
  EXPECT_EQ(DornGetTempo(nullptr), 0.0);
  EXPECT_EQ(DornIsPlaying(nullptr), 0);
  EXPECT_EQ(DornIsRecording(nullptr), 0);
  EXPECT_EQ(DornGetPpqPosition(nullptr), 0.0);
  EXPECT_EQ(DornGetBarStartPosition(nullptr), 0.0);
  EXPECT_EQ(DornGetTimeSignature(nullptr, &tempo, nullptr, nullptr), 0);
  EXPECT_EQ(tempo, 5.0);
  EXPECT_EQ(DornUpdateDisplay(nullptr), 0);
  EXPECT_EQ(DornSetInitialDelay(nullptr, 1), 0);
  EXPECT_EQ(DornSendMidi(nullptr, 0, 1, 2, 3), 0);
  EXPECT_EQ(DornSendSysEx(nullptr, 0, nullptr, 0), 0);
  EXPECT_EQ(DornReceiveMidi(nullptr, &delta, nullptr, nullptr, nullptr), 0);
  EXPECT_EQ(GfxRedraw(nullptr), 0);
  EXPECT_EQ(GfxCreateEditor(nullptr, 1, 1), 0);
}

}  // namespace
