#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "host/audio_effect_x.h"
#include "tests/support/test_host.h"

namespace {

// The base objects as a plug-in without overrides sees them.
class PlainEffect final : public AudioEffectX {
 public:
  using AudioEffectX::AudioEffectX;
};

AEffect* CreatePlain(audioMasterCallback callback) { return (new PlainEffect(callback, 3, 4))->getAeffect(); }

// An editor that records what the effect asked of it.
class RecordingEditor final : public AEffEditor {
 public:
  explicit RecordingEditor(bool* destroyedFlag) : destroyed(destroyedFlag) {}
  ~RecordingEditor() override { *destroyed = true; }
  bool getRect(ERect** rectangle) override {
    *rectangle = &rect;
    return true;
  }
  bool open(void* ptr) override {
    AEffEditor::open(ptr);
    return true;
  }
  bool onKeyDown(VstKeyCode& keyCode) override {
    lastKey = keyCode;
    return true;
  }
  bool setKnobMode(VstInt32 value) override {
    knobMode = value;
    return true;
  }
  void idle() override { ++idles; }
  void* parent() const { return systemWindow; }

  ERect rect{0, 0, 100, 200};
  VstKeyCode lastKey{};
  VstInt32 knobMode = -1;
  int idles = 0;
  bool* destroyed;
};

class BaseObjects : public ::testing::Test {
 protected:
  BaseObjects() : instance(host.create(CreatePlain)) {}
  PlainEffect& object() { return *static_cast<PlainEffect*>(instance.effect()->object); }

  TestHost host;
  PluginInstance instance;
};

TEST_F(BaseObjects, ConstructorSetsThePublishedDefaults) {
  const AEffect& record = *instance.effect();
  EXPECT_EQ(record.magic, kEffectMagic);
  EXPECT_EQ(record.numPrograms, 3);
  EXPECT_EQ(record.numParams, 4);
  EXPECT_EQ(record.numInputs, 1);
  EXPECT_EQ(record.numOutputs, 2);
  EXPECT_EQ(record.flags, effFlagsCanReplacing);
  EXPECT_EQ(record.uniqueID, 0x4e6f4566);
  EXPECT_EQ(record.version, 1);
  EXPECT_EQ(record.ioRatio, 1.0f);
  EXPECT_EQ(object().getSampleRate(), 44100.0f);
  EXPECT_EQ(object().getBlockSize(), 1024);
  EXPECT_EQ(object().getProgram(), 0);
  EXPECT_EQ(object().getEditor(), nullptr);
}

TEST_F(BaseObjects, FlagSettersSetAndClearOneBitEach) {
  PlainEffect& effect = object();
  const struct {
    void (AudioEffect::*setter)(bool);
    VstInt32 bit;
  } base[] = {{&AudioEffect::canProcessReplacing, 0x10}, {&AudioEffect::programsAreChunks, 0x20},
              {&AudioEffect::canDoubleReplacing, 0x1000}, {&AudioEffect::hasVu, 0x4},
              {&AudioEffect::hasClip, 0x2},                {&AudioEffect::canMono, 0x8}};
  for (const auto& row : base) {
    (effect.*row.setter)(true);
    EXPECT_EQ(instance.effect()->flags & row.bit, row.bit);
    (effect.*row.setter)(false);
    EXPECT_EQ(instance.effect()->flags & row.bit, 0);
  }
  const struct {
    void (AudioEffectX::*setter)(bool);
    VstInt32 bit;
  } extended[] = {{&AudioEffectX::isSynth, 0x100}, {&AudioEffectX::noTail, 0x200},
                  {&AudioEffectX::wantAsyncOperation, 0x400}, {&AudioEffectX::hasExternalBuffer, 0x800}};
  for (const auto& row : extended) {
    (effect.*row.setter)(true);
    EXPECT_EQ(instance.effect()->flags & row.bit, row.bit);
    (effect.*row.setter)(false);
    EXPECT_EQ(instance.effect()->flags & row.bit, 0);
  }
}

TEST_F(BaseObjects, RecordSettersStoreTheirValues) {
  object().setUniqueID(77);
  object().setNumInputs(6);
  object().setNumOutputs(8);
  object().setInitialDelay(128);
  object().setRealtimeQualities(3);
  object().setOfflineQualities(4);
  const AEffect& record = *instance.effect();
  EXPECT_EQ(record.uniqueID, 77);
  EXPECT_EQ(record.numInputs, 6);
  EXPECT_EQ(record.numOutputs, 8);
  EXPECT_EQ(record.initialDelay, 128);
  EXPECT_EQ(record.realQualities, 3);
  EXPECT_EQ(record.offQualities, 4);
}

TEST_F(BaseObjects, SampleRateAndBlockSizeAreStoredWhenTheHostSendsThem) {
  instance.dispatch(effSetSampleRate, 0, 0, nullptr, 96000.0f);
  instance.dispatch(effSetBlockSize, 0, 64);
  EXPECT_EQ(object().getSampleRate(), 96000.0f);
  EXPECT_EQ(object().getBlockSize(), 64);
}

TEST_F(BaseObjects, ProgramSelectionStaysWithinTheProgramCount) {
  instance.dispatch(effSetProgram, 0, 2);
  EXPECT_EQ(instance.dispatch(effGetProgram), 2);
  instance.dispatch(effSetProgram, 0, 3);
  EXPECT_EQ(instance.dispatch(effGetProgram), 2);
  instance.dispatch(effSetProgram, 0, -5);
  EXPECT_EQ(instance.dispatch(effGetProgram), 2);
}

TEST_F(BaseObjects, SynthsReportTheirCategoryAndAlwaysAskForMidi) {
  EXPECT_EQ(instance.dispatch(effGetPlugCategory), kPlugCategUnknown);
  EXPECT_EQ(instance.dispatch(effMainsChanged, 0, 1), 0);
  EXPECT_EQ(host.countOf(audioMasterWantMidi), 0u);  // canDo answers 0 in the base object
  object().isSynth(true);
  EXPECT_EQ(instance.dispatch(effGetPlugCategory), kPlugCategSynth);
  instance.dispatch(effMainsChanged, 0, 1);
  EXPECT_EQ(host.countOf(audioMasterWantMidi), 1u);
}

TEST_F(BaseObjects, AttachedEditorReceivesTheEditorOpcodes) {
  bool destroyed = false;
  auto* editor = new RecordingEditor(&destroyed);
  object().setEditor(std::unique_ptr<AEffEditor>(editor));
  EXPECT_EQ(instance.effect()->flags & effFlagsHasEditor, effFlagsHasEditor);

  ERect* rect = nullptr;
  EXPECT_EQ(instance.dispatch(effEditGetRect, 0, 0, &rect), 1);
  EXPECT_EQ(rect, &editor->rect);
  int parentWindow = 0;
  EXPECT_EQ(instance.dispatch(effEditOpen, 0, 0, &parentWindow), 1);
  EXPECT_EQ(editor->parent(), &parentWindow);
  EXPECT_EQ(instance.dispatch(effEditIdle), 0);
  EXPECT_EQ(editor->idles, 1);
  EXPECT_EQ(instance.dispatch(effEditKeyDown, 'a', 37, nullptr, 4.0f), 1);
  EXPECT_EQ(editor->lastKey.character, 'a');
  EXPECT_EQ(editor->lastKey.virt, 37);
  EXPECT_EQ(editor->lastKey.modifier, 4);
  EXPECT_EQ(instance.dispatch(effEditKeyUp, 'a', 37), 0);  // the base editor handles no key up
  EXPECT_EQ(instance.dispatch(effSetEditKnobMode, 0, 2), 1);
  EXPECT_EQ(editor->knobMode, 2);
  EXPECT_EQ(instance.dispatch(effEditClose), 0);
  EXPECT_EQ(editor->parent(), nullptr);

  instance.close();
  EXPECT_TRUE(destroyed);  // the effect owns its editor
}

TEST_F(BaseObjects, DetachingTheEditorClearsTheFlagAndDeletesIt) {
  bool destroyed = false;
  object().setEditor(std::make_unique<RecordingEditor>(&destroyed));
  object().setEditor(nullptr);
  EXPECT_EQ(instance.effect()->flags & effFlagsHasEditor, 0);
  EXPECT_TRUE(destroyed);
}

TEST_F(BaseObjects, DeprecatedAccumulatingProcessLeavesOutputsAlone) {
  float left[4] = {1, 2, 3, 4}, right[4] = {5, 6, 7, 8};
  float* channels[2] = {left, right};
  instance.effect()->process(instance.effect(), channels, channels, 4);
  EXPECT_EQ(left[3], 4.0f);
  EXPECT_EQ(right[0], 5.0f);
}

TEST(SpeakerArrangement, AllocationHoldsTheChannelsZeroed) {
  PlainEffect effect(nullptr, 1, 0);
  VstSpeakerArrangement* arrangement = nullptr;
  ASSERT_TRUE(effect.allocateArrangement(&arrangement, 12));
  ASSERT_NE(arrangement, nullptr);
  EXPECT_EQ(arrangement->numChannels, 12);
  EXPECT_EQ(arrangement->type, 0);
  VstSpeakerProperties* const speakers = arrangement->speakers;
  EXPECT_EQ(speakers[11].name[0], 0);
  EXPECT_EQ(speakers[11].azimuth, 0.0f);
  EXPECT_TRUE(effect.deallocateArrangement(&arrangement));
  EXPECT_EQ(arrangement, nullptr);
  EXPECT_FALSE(effect.allocateArrangement(&arrangement, -1));
}

TEST(SpeakerArrangement, CopiedSpeakerNamesKeepAtMostSixtyThreeCharacters) {
  PlainEffect effect(nullptr, 1, 0);
  VstSpeakerProperties from{};
  from.azimuth = 0.5f;
  from.elevation = -0.25f;
  from.radius = 2.0f;
  from.type = 3;
  std::memset(from.name, 'x', sizeof from.name);  // no terminator at all
  VstSpeakerProperties to{};
  ASSERT_TRUE(effect.copySpeaker(&to, &from));
  EXPECT_EQ(std::string(to.name), std::string(63, 'x'));
  EXPECT_EQ(to.azimuth, 0.5f);
  EXPECT_EQ(to.elevation, -0.25f);
  EXPECT_EQ(to.radius, 2.0f);
  EXPECT_EQ(to.type, 3);
  EXPECT_FALSE(effect.copySpeaker(nullptr, &from));
}

TEST(SpeakerArrangement, MatchingCopiesTypeAndEverySpeaker) {
  PlainEffect effect(nullptr, 1, 0);
  VstSpeakerArrangement* source = nullptr;
  ASSERT_TRUE(effect.allocateArrangement(&source, 10));
  source->type = 5;
  VstSpeakerProperties* const sourceSpeakers = source->speakers;
  std::strcpy(sourceSpeakers[9].name, "Rear");
  sourceSpeakers[9].type = 9;

  VstSpeakerArrangement* target = nullptr;
  ASSERT_TRUE(effect.matchArrangement(&target, source));
  EXPECT_EQ(target->type, 5);
  EXPECT_EQ(target->numChannels, 10);
  VstSpeakerProperties* const targetSpeakers = target->speakers;
  EXPECT_STREQ(targetSpeakers[9].name, "Rear");
  EXPECT_EQ(targetSpeakers[9].type, 9);
  effect.deallocateArrangement(&source);
  effect.deallocateArrangement(&target);
}

}  // namespace
