#include <gtest/gtest.h>

#include <functional>

#include "host/audio_effect_x.h"
#include "tests/support/test_host.h"

namespace {

class ParameterEffect final : public AudioEffectX {
 public:
  using AudioEffectX::AudioEffectX;
  void setParameter(VstInt32 index, float value) override {
    lastIndex = index;
    lastValue = value;
  }
  VstInt32 lastIndex = -1;
  float lastValue = 0.0f;
};

AEffect* Create(audioMasterCallback callback) { return (new ParameterEffect(callback, 1, 2))->getAeffect(); }

class HostCalls : public ::testing::Test {
 protected:
  HostCalls() : instance(host.create(Create)) { host.clearCalls(); }
  ParameterEffect& object() { return *static_cast<ParameterEffect*>(instance.effect()->object); }
  HostCall lastCall() const { return host.calls().back(); }

  TestHost host;
  PluginInstance instance;
};

TEST_F(HostCalls, MasterVersionIsOneWhenTheHostAnswersZero) {
  host.versionAnswer = 2400;
  EXPECT_EQ(object().getMasterVersion(), 2400);
  host.versionAnswer = 0;
  EXPECT_EQ(object().getMasterVersion(), 1);
  EXPECT_EQ(lastCall().effect, instance.effect());
}

TEST_F(HostCalls, PinsCountAsConnectedUnlessTheHostSaysOtherwise) {
  EXPECT_TRUE(object().isInputConnected(3));
  EXPECT_EQ(lastCall().opcode, audioMasterPinConnected);
  EXPECT_EQ(lastCall().index, 3);
  EXPECT_EQ(lastCall().value, 0);
  EXPECT_TRUE(object().isOutputConnected(1));
  EXPECT_EQ(lastCall().value, 1);
  host.answers[audioMasterPinConnected] = 1;
  EXPECT_FALSE(object().isInputConnected(0));
  EXPECT_FALSE(object().isOutputConnected(0));
}

TEST_F(HostCalls, SampleRateAndBlockSizeUpdatesKeepOnlyPositiveAnswers) {
  host.answers[audioMasterGetSampleRate] = 48000;
  host.answers[audioMasterGetBlockSize] = 256;
  EXPECT_EQ(object().updateSampleRate(), 48000.0);
  EXPECT_EQ(object().updateBlockSize(), 256);
  host.answers[audioMasterGetSampleRate] = 0;
  host.answers[audioMasterGetBlockSize] = -1;
  EXPECT_EQ(object().updateSampleRate(), 48000.0);
  EXPECT_EQ(object().updateBlockSize(), 256);
}

TEST_F(HostCalls, EventsCountAsSentOnlyWhenTheHostAnswersOne) {
  VstEvents events{};
  for (VstIntPtr answer : {0, 2, -1}) {
    host.answers[audioMasterProcessEvents] = answer;
    EXPECT_FALSE(object().sendVstEventsToHost(&events)) << answer;
  }
  host.answers[audioMasterProcessEvents] = 1;
  EXPECT_TRUE(object().sendVstEventsToHost(&events));
  EXPECT_EQ(lastCall().ptr, &events);
}

TEST_F(HostCalls, FileSelectorsWithoutARecordDoNotReachTheHost) {
  host.answers[audioMasterOpenFileSelector] = 1;
  host.answers[audioMasterCloseFileSelector] = 1;
  host.answers[audioMasterGetChunkFile] = 1;
  EXPECT_FALSE(object().openFileSelector(nullptr));
  EXPECT_FALSE(object().closeFileSelector(nullptr));
  EXPECT_FALSE(object().getChunkFile(nullptr));
  EXPECT_TRUE(host.calls().empty());
  int selector = 0;
  EXPECT_TRUE(object().openFileSelector(reinterpret_cast<VstFileSelect*>(&selector)));
  EXPECT_TRUE(object().closeFileSelector(reinterpret_cast<VstFileSelect*>(&selector)));
  EXPECT_TRUE(object().getChunkFile(&selector));
}

TEST_F(HostCalls, AutomatedParameterIsSetThenReported) {
  object().setParameterAutomated(1, 0.75f);
  EXPECT_EQ(object().lastIndex, 1);
  EXPECT_EQ(object().lastValue, 0.75f);
  EXPECT_EQ(lastCall().opcode, audioMasterAutomate);
  EXPECT_EQ(lastCall().index, 1);
  EXPECT_EQ(lastCall().opt, 0.75f);
}

TEST_F(HostCalls, YesNoQuestionsAreTrueForAnyNonZeroAnswer) {
  char text[] = "sizeWindow";
  EXPECT_FALSE(object().canHostDo(text));
  host.answers[audioMasterCanDo] = 5;
  EXPECT_TRUE(object().canHostDo(text));
  EXPECT_EQ(lastCall().ptr, text);
  host.answers[audioMasterUpdateDisplay] = 1;
  EXPECT_TRUE(object().updateDisplay());
  host.answers[audioMasterSizeWindow] = 1;
  EXPECT_TRUE(object().sizeWindow(640, 480));
  EXPECT_EQ(lastCall().index, 640);
  EXPECT_EQ(lastCall().value, 480);
}

TEST_F(HostCalls, TimeInfoIsTheHostsRecordOrNull) {
  EXPECT_EQ(object().getTimeInfo(kVstTempoValid), nullptr);
  EXPECT_EQ(lastCall().value, kVstTempoValid);
  host.providesTimeInfo = true;
  EXPECT_EQ(object().getTimeInfo(kVstPpqPosValid), &host.timeInfo);
}

TEST_F(HostCalls, PassThroughCallsUseTheirPublishedOpcodes) {
  ParameterEffect& effect = object();
  const struct {
    std::function<void()> call;
    VstInt32 opcode;
  } rows[] = {
      {[&] { effect.getCurrentUniqueId(); }, audioMasterCurrentId},
      {[&] { effect.masterIdle(); }, audioMasterIdle},
      {[&] { effect.wantEvents(); }, audioMasterWantMidi},
      {[&] { effect.tempoAt(10); }, audioMasterTempoAt},
      {[&] { effect.getNumAutomatableParameters(); }, audioMasterGetNumAutomatableParameters},
      {[&] { effect.getParameterQuantization(); }, audioMasterGetParameterQuantization},
      {[&] { effect.ioChanged(); }, audioMasterIOChanged},
      {[&] { effect.needIdle(); }, audioMasterNeedIdle},
      {[&] { effect.getInputLatency(); }, audioMasterGetInputLatency},
      {[&] { effect.getOutputLatency(); }, audioMasterGetOutputLatency},
      {[&] { effect.getPreviousPlug(0); }, audioMasterGetPreviousPlug},
      {[&] { effect.getNextPlug(0); }, audioMasterGetNextPlug},
      {[&] { effect.willProcessReplacing(); }, audioMasterWillReplaceOrAccumulate},
      {[&] { effect.getCurrentProcessLevel(); }, audioMasterGetCurrentProcessLevel},
      {[&] { effect.getAutomationState(); }, audioMasterGetAutomationState},
      {[&] { effect.offlineStart(nullptr, 0, 0); }, audioMasterOfflineStart},
      {[&] { effect.offlineRead(nullptr, 0); }, audioMasterOfflineRead},
      {[&] { effect.offlineWrite(nullptr, 0); }, audioMasterOfflineWrite},
      {[&] { effect.offlineGetCurrentPass(); }, audioMasterOfflineGetCurrentPass},
      {[&] { effect.offlineGetCurrentMetaPass(); }, audioMasterOfflineGetCurrentMetaPass},
      {[&] { effect.setOutputSamplerate(44100.0f); }, audioMasterSetOutputSampleRate},
      {[&] { effect.getOutputSpeakerArrangement(); }, audioMasterGetOutputSpeakerArrangement},
      {[&] { effect.getHostVendorString(nullptr); }, audioMasterGetVendorString},
      {[&] { effect.getHostProductString(nullptr); }, audioMasterGetProductString},
      {[&] { effect.getHostVendorVersion(); }, audioMasterGetVendorVersion},
      {[&] { effect.hostVendorSpecific(1, 2, nullptr, 3.0f); }, audioMasterVendorSpecific},
      {[&] { effect.getHostLanguage(); }, audioMasterGetLanguage},
      {[&] { effect.openWindow(nullptr); }, audioMasterOpenWindow},
      {[&] { effect.closeWindow(nullptr); }, audioMasterCloseWindow},
      {[&] { effect.getDirectory(); }, audioMasterGetDirectory},
      {[&] { effect.beginEdit(1); }, audioMasterBeginEdit},
      {[&] { effect.endEdit(1); }, audioMasterEndEdit},
      {[&] { effect.getInputSpeakerArrangement(); }, audioMasterGetInputSpeakerArrangement},
  };
  for (const auto& row : rows) {
    host.clearCalls();
    row.call();
    ASSERT_EQ(host.calls().size(), 1u) << "opcode " << row.opcode;
    EXPECT_EQ(lastCall().opcode, row.opcode);
    EXPECT_EQ(lastCall().effect, instance.effect());
  }
}

TEST(HostCallsWithoutHost, AnswerZeroOrTheirOwnDefault) {
  ParameterEffect effect(nullptr, 1, 1);
  EXPECT_EQ(effect.getMasterVersion(), 1);
  EXPECT_TRUE(effect.isInputConnected(0));
  EXPECT_TRUE(effect.isOutputConnected(0));
  EXPECT_EQ(effect.getTimeInfo(kVstTempoValid), nullptr);
  EXPECT_FALSE(effect.updateDisplay());
  EXPECT_EQ(effect.updateSampleRate(), 44100.0);
  VstEvents events{};
  EXPECT_FALSE(effect.sendVstEventsToHost(&events));
}

}  // namespace
