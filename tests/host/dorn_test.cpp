#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/callback_entries.h"
#include "runtime/adaptor_services.h"
#include "tests/host/recording_script.h"

namespace {

using Log = std::vector<std::string>;

VstMidiEvent Note(VstInt32 deltaFrames, int note) {
  VstMidiEvent event{};
  event.type = kVstMidiType;
  event.byteSize = sizeof event;
  event.deltaFrames = deltaFrames;
  event.midiData[0] = static_cast<char>(0x90);
  event.midiData[1] = static_cast<char>(note);
  event.midiData[2] = 100;
  return event;
}

struct EventList {
  explicit EventList(std::vector<VstEvent*> list)
      : storage(sizeof(VstEvents) + list.size() * sizeof(VstEvent*)), pointers(std::move(list)) {
    auto* events = reinterpret_cast<VstEvents*>(storage.data());
    events->numEvents = static_cast<VstInt32>(pointers.size());
    VstEvent** slots = events->events;
    for (std::size_t i = 0; i < pointers.size(); ++i) slots[i] = pointers[i];
  }
  VstEvents* get() { return reinterpret_cast<VstEvents*>(storage.data()); }
  std::vector<unsigned char> storage;
  std::vector<VstEvent*> pointers;
};

class PluginObject : public ::testing::Test {
 protected:
  TestHost host;
  RecordedPlugin recorded{host};
  PluginInstance instance{recorded.effect};
};

TEST_F(PluginObject, SetupEntryFillsTheRecordFromTheScriptDescription) {
  const AEffect& record = *recorded.effect;
  EXPECT_EQ(record.numInputs, 2);
  EXPECT_EQ(record.numOutputs, 2);
  EXPECT_EQ(record.uniqueID, CCONST('R', 'e', 'c', 'd'));
  EXPECT_EQ(record.flags, effFlagsCanReplacing | effFlagsProgramChunks | effFlagsCanDoubleReplacing);
  EXPECT_EQ(record.numParams, 1);
  EXPECT_EQ(record.numPrograms, 1);
  EXPECT_TRUE(recorded.script->log.empty()) << "construction runs no section";
}

TEST_F(PluginObject, LifecycleRequestsReachTheirSections) {
  instance.dispatch(effOpen);
  instance.dispatch(effMainsChanged, 0, 1);
  instance.dispatch(effMainsChanged, 0, 0);
  EXPECT_EQ(recorded.script->log, (Log{"open", "init", "slider", "suspend"}));
  EXPECT_EQ(host.countOf(audioMasterWantMidi), 1u);
}

TEST_F(PluginObject, CloseRunsTheCloseSectionAndDeletesTheScript) {
  bool destroyed = false;
  RecordedPlugin other(host, 2, MakeCallbackTable(), &destroyed);
  const AEffect* effect = other.effect;
  EXPECT_EQ(effect->dispatcher(other.effect, effOpen, 0, 0, nullptr, 0.0f), 0);
  EXPECT_EQ(effect->dispatcher(other.effect, effClose, 0, 0, nullptr, 0.0f), 1);
  EXPECT_TRUE(destroyed);
}

TEST_F(PluginObject, IdleTickRunsTheRedrawTimer) {
  OnIdle(recorded.plugin);
  EXPECT_EQ(recorded.script->log, Log{"timer"});
}

TEST_F(PluginObject, ThousandAndOneMidiEventsWrapTheRingOnce) {
  std::vector<VstMidiEvent> notes;
  for (int i = 0; i < 1001; ++i) notes.push_back(Note(i, i % 128));
  std::vector<VstEvent*> pointers;
  for (VstMidiEvent& note : notes) pointers.push_back(reinterpret_cast<VstEvent*>(&note));
  EventList list(pointers);
  EXPECT_EQ(instance.dispatch(effProcessEvents, 0, 0, list.get()), 1);
  EXPECT_EQ(recorded.plugin->midiRingPosition, 1);
  EXPECT_EQ(recorded.plugin->midiRing[0].deltaFrames, 1000);
  EXPECT_EQ(recorded.plugin->midiRing[1].deltaFrames, 1);
}

TEST_F(PluginObject, OtherEventTypesLeaveTheRingAlone) {
  VstMidiSysexEvent sysex{};
  sysex.type = kVstSysExType;
  sysex.byteSize = sizeof sysex;
  VstMidiEvent note = Note(5, 60);
  EventList list({reinterpret_cast<VstEvent*>(&sysex), nullptr, reinterpret_cast<VstEvent*>(&note)});
  instance.dispatch(effProcessEvents, 0, 0, list.get());
  EXPECT_EQ(recorded.plugin->midiRingPosition, 1);
  EXPECT_EQ(recorded.plugin->midiRing[0].deltaFrames, 5);
}

TEST_F(PluginObject, ReceivedMidiIsReadBackInOrder) {
  VstMidiEvent first = Note(3, 60), second = Note(9, 200);
  EventList list({reinterpret_cast<VstEvent*>(&first), reinterpret_cast<VstEvent*>(&second)});
  instance.dispatch(effProcessEvents, 0, 0, list.get());

  std::int32_t delta = -1, status = -1, data1 = -1, data2 = -1;
  ASSERT_EQ(DornReceiveMidi(recorded.plugin, &delta, &status, &data1, &data2), 1);
  EXPECT_EQ(delta, 3);
  EXPECT_EQ(status, 0x90);
  EXPECT_EQ(data1, 60);
  EXPECT_EQ(data2, 100);
  ASSERT_EQ(DornReceiveMidi(recorded.plugin, &delta, &status, &data1, &data2), 1);
  EXPECT_EQ(delta, 9);
  EXPECT_EQ(data1, 200);
  EXPECT_EQ(DornReceiveMidi(recorded.plugin, &delta, &status, &data1, &data2), 0);
  EXPECT_EQ(delta, 0);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(data1, 0);
  EXPECT_EQ(data2, 0);
}

TEST(PluginObjectTable, EmptyEntriesMakeRequestsDoNothingAndAnswerZero) {
  TestHost host;
  CallbackTable table{};
  table.OnDestroy = OnDestroy;  // the script must still be freed
  RecordedPlugin recorded(host, 2, table);
  PluginInstance instance(recorded.effect);
  EXPECT_EQ(recorded.effect->numInputs, 1) << "without the set-up entry the base defaults stay";
  EXPECT_EQ(recorded.effect->flags & effFlagsProgramChunks, 0);
  instance.start();
  EXPECT_TRUE(recorded.script->log.empty());
  EXPECT_EQ(instance.parameter(0), 0.0f);
  instance.setParameter(0, 0.7f);
  EXPECT_EQ(instance.dispatch(effGetVendorVersion), 0);
  EXPECT_EQ(instance.text(effGetEffectName), "");
  EXPECT_EQ(instance.dispatch(effGetEffectName, 0, 0, std::string(8, ' ').data()), 0);
  void* data = nullptr;
  EXPECT_EQ(instance.dispatch(effGetChunk, 0, 0, &data), 0);
  EXPECT_EQ(instance.dispatch(effSetChunk, 0, 8, &data), 0);
  float left = 1.0f, right = 2.0f;
  float* channels[2] = {&left, &right};
  recorded.effect->processReplacing(recorded.effect, channels, channels, 1);
  EXPECT_EQ(left, 1.0f);
  EXPECT_EQ(recorded.script->framesSeen, 0);
}

TEST(PluginObjectCreation, HostWithoutVersionGetsNoObject) {
  TestHost host;
  host.versionAnswer = 0;
  RecordedPlugin recorded(host);
  EXPECT_EQ(recorded.effect, nullptr);
  EXPECT_EQ(host.countOf(audioMasterVersion), 1u);
}

TEST(PluginObjectCreation, NullHostCallbackGetsNoObject) {
  RecordingScript script;
  EXPECT_EQ(CDorn::Create(&script, MakeCallbackTable(), nullptr, 1, 1), nullptr);
}

}  // namespace
