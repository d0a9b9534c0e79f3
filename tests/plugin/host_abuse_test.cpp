#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "tests/support/fader_chunk.h"
#include "tests/support/noise.h"
#include "tests/support/test_host.h"

// What careless or hostile hosts do: odd frame counts and buffers, samples and values
// that are no numbers, sample rates and block sizes that are none, requests in the
// wrong state. Each gets the neutral answer, and the settings survive it.

namespace {

constexpr float kSampleRate = 44100.0f;
constexpr float kHuge = std::numeric_limits<float>::max();
constexpr float kInfinity = std::numeric_limits<float>::infinity();

// Whether a and b hold the same bits, NaNs included.
bool SameSamples(const std::vector<float>& a, const std::vector<float>& b) {
  return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(float)) == 0;
}

class HostAbuse : public ::testing::Test {
 protected:
  AEffect* create() { return host.createBuiltPlugin(); }

  // Processes the same two channels of noise through both instances, in blocks of
  // `block` frames, and answers whether they gave the same output.
  static bool SameOutput(PluginInstance& a, PluginInstance& b, std::size_t frames, std::size_t block = 512) {
    std::vector<float> leftA = Noise<float>(frames, 11), rightA = Noise<float>(frames, 12);
    std::vector<float> leftB = leftA, rightB = rightA;
    a.process(leftA, rightA, block);
    b.process(leftB, rightB, block);
    return SameSamples(leftA, leftB) && SameSamples(rightA, rightB);
  }

  TestHost host;
};

TEST_F(HostAbuse, ZeroAndNegativeFrameCountsLeaveBuffersAndGlideAlone) {
  PluginInstance instance(create()), reference(create());
  for (PluginInstance* each : {&instance, &reference}) {
    each->start();
    each->setParameter(0, 0.2f);
  }
  float left[4] = {0.5f, 0.5f, 0.5f, 0.5f}, right[4] = {-0.5f, -0.5f, -0.5f, -0.5f};
  float* channels[2] = {left, right};
  double wideLeft[4] = {0.5, 0.5, 0.5, 0.5}, wideRight[4] = {-0.5, -0.5, -0.5, -0.5};
  double* wideChannels[2] = {wideLeft, wideRight};
  AEffect* effect = instance.effect();
  for (const VstInt32 frames : {0, -1, -512, std::numeric_limits<VstInt32>::min()}) {
    effect->processReplacing(effect, channels, channels, frames);
    effect->processDoubleReplacing(effect, wideChannels, wideChannels, frames);
    effect->process(effect, channels, channels, frames);
  }
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(left[i], 0.5f);
    EXPECT_EQ(right[i], -0.5f);
    EXPECT_EQ(wideLeft[i], 0.5);
    EXPECT_EQ(wideRight[i], -0.5);
  }
  EXPECT_TRUE(SameOutput(instance, reference, 5000));
}

TEST_F(HostAbuse, MissingChannelListsOrChannelsAreNotProcessed) {
  PluginInstance instance(create()), reference(create());
  instance.start();
  reference.start();
  instance.setParameter(0, 0.2f);
  reference.setParameter(0, 0.2f);
  float samples[8] = {};
  float* withMissingChannel[2] = {samples, nullptr};
  AEffect* effect = instance.effect();
  effect->processReplacing(effect, nullptr, nullptr, 8);
  effect->processReplacing(effect, withMissingChannel, withMissingChannel, 8);
  effect->processDoubleReplacing(effect, nullptr, nullptr, 8);
  EXPECT_TRUE(SameOutput(instance, reference, 5000));
}

TEST_F(HostAbuse, AMillionFramesInOneCallComeOutAsInSmallBlocks) {
  PluginInstance instance(create()), reference(create());
  for (PluginInstance* each : {&instance, &reference}) {
    each->start();
    each->setParameter(0, 0.5f);
    each->setParameter(1, 0.0f);  // 1 s: the glide is well under way within the million frames
  }
  EXPECT_TRUE(SameOutput(instance, reference, 1000000, 1000000));
  // Against the same processing in the host's usual blocks:
  PluginInstance blocked(create()), whole(create());
  for (PluginInstance* each : {&blocked, &whole}) {
    each->start();
    each->setParameter(0, 0.5f);
    each->setParameter(1, 0.0f);
  }
  std::vector<float> left = Noise<float>(1000000, 3), right = Noise<float>(1000000, 4);
  std::vector<float> blockedLeft = left, blockedRight = right;
  whole.process(left, right, left.size());
  blocked.process(blockedLeft, blockedRight, 512);
  EXPECT_TRUE(SameSamples(left, blockedLeft));
  EXPECT_TRUE(SameSamples(right, blockedRight));
}

TEST_F(HostAbuse, InPlaceSeparateAndCrossedBuffersGiveTheSameOutput) {
  PluginInstance separate(create()), inPlace(create()), crossed(create());
  for (PluginInstance* each : {&separate, &inPlace, &crossed}) {
    each->start();
    each->setParameter(0, 0.4f);
    each->setParameter(1, 0.0f);
  }
  const std::size_t frames = 4096;
  const std::vector<float> left = Noise<float>(frames, 5), right = Noise<float>(frames, 6);

  std::vector<float> inLeft = left, inRight = right, outLeft(frames), outRight(frames);
  float* inputs[2] = {inLeft.data(), inRight.data()};
  float* outputs[2] = {outLeft.data(), outRight.data()};
  separate.effect()->processReplacing(separate.effect(), inputs, outputs, frames);
  EXPECT_EQ(inLeft, left);
  EXPECT_EQ(inRight, right);

  std::vector<float> sameLeft = left, sameRight = right;
  float* same[2] = {sameLeft.data(), sameRight.data()};
  inPlace.effect()->processReplacing(inPlace.effect(), same, same, frames);
  EXPECT_EQ(sameLeft, outLeft);
  EXPECT_EQ(sameRight, outRight);

  // Each output written over the other channel's input: every frame reads both inputs first.
  std::vector<float> crossLeft = left, crossRight = right;
  float* crossInputs[2] = {crossLeft.data(), crossRight.data()};
  float* crossOutputs[2] = {crossRight.data(), crossLeft.data()};
  crossed.effect()->processReplacing(crossed.effect(), crossInputs, crossOutputs, frames);
  EXPECT_EQ(crossRight, outLeft);
  EXPECT_EQ(crossLeft, outRight);
}

TEST_F(HostAbuse, NonFiniteInputSamplesAffectOnlyTheirOwnFrames) {
  PluginInstance instance(create()), reference(create());
  for (PluginInstance* each : {&instance, &reference}) {
    each->start();
    each->setParameter(0, 0.6f);
  }
  const std::vector<unsigned char> settings = instance.chunk();
  std::vector<float> left = Noise<float>(3000, 7), right = Noise<float>(3000, 8);
  std::vector<float> cleanLeft = left, cleanRight = right;
  const std::vector<std::size_t> spoiled = {0, 17, 1000, 2999};
  const float values[] = {std::nanf(""), kInfinity, -kInfinity, std::nanf("")};
  for (std::size_t i = 0; i < spoiled.size(); ++i) {
    left[spoiled[i]] = values[i];
    right[spoiled[i]] = values[(i + 1) % spoiled.size()];
  }
  instance.process(left, right);
  reference.process(cleanLeft, cleanRight);
  for (std::size_t j = 0; j < left.size(); ++j) {
    if (std::find(spoiled.begin(), spoiled.end(), j) != spoiled.end()) {
      EXPECT_FALSE(std::isfinite(left[j]) || std::isfinite(right[j])) << j;
    } else {
      ASSERT_EQ(left[j], cleanLeft[j]) << j;
      ASSERT_EQ(right[j], cleanRight[j]) << j;
    }
  }
  EXPECT_EQ(instance.chunk(), settings);
  EXPECT_TRUE(SameOutput(instance, reference, 5000));
}

TEST_F(HostAbuse, ParameterValuesBeyondTheUnitRangeStandForItsEnds) {
  PluginInstance instance(create());
  instance.start();
  const struct {
    VstInt32 index;
    float hostValue;
    float normalised;
    const char* display;
  } cases[] = {{0, 1.5f, 1.0f, "1.00"},   {0, -0.5f, 0.0f, "0.00"},  {0, kHuge, 1.0f, "1.00"},
               {0, -kHuge, 0.0f, "0.00"}, {1, 3.0f, 1.0f, "11.00"},  {1, -2.0f, 0.0f, "1.00"},
               {1, 1.0001f, 1.0f, "11.00"}};
  for (const auto& c : cases) {
    instance.setParameter(c.index, 0.5f);
    instance.setParameter(c.index, c.hostValue);
    EXPECT_EQ(instance.parameter(c.index), c.normalised) << c.hostValue;
    EXPECT_EQ(instance.text(effGetParamDisplay, c.index), c.display) << c.hostValue;
  }
}

TEST_F(HostAbuse, NanAndInfiniteParameterValuesChangeNothing) {
  PluginInstance instance(create());
  instance.start();
  instance.setParameter(0, 0.3f);
  instance.setParameter(1, 0.25f);
  const std::vector<unsigned char> settings = instance.chunk();
  for (const float value : {std::nanf(""), kInfinity, -kInfinity}) {
    instance.setParameter(0, value);
    instance.setParameter(1, value);
  }
  EXPECT_EQ(instance.chunk(), settings);
  EXPECT_EQ(instance.text(effGetParamDisplay, 0), "0.30");
  EXPECT_EQ(instance.text(effGetParamDisplay, 1), "3.50");
}

TEST_F(HostAbuse, TheFaderNeverAmplifiesWhateverLevelAChunkBrings) {
  for (const float level : {1.5f, 1e30f, kHuge}) {
    PluginInstance instance(create());
    instance.start();
    EXPECT_EQ(instance.restore(FaderChunk(level, 1.0f)), 260);
    EXPECT_EQ(instance.parameter(0), level) << "restored values are taken as they come";
    std::vector<float> left(20000, kHuge), right(20000, -1.0f);
    instance.process(left, right);
    for (std::size_t j = 0; j < left.size(); ++j) {
      ASSERT_EQ(left[j], kHuge) << level << " frame " << j;
      ASSERT_EQ(right[j], -1.0f) << level << " frame " << j;
    }
  }
}

// A level above full holds the target at full gain: from a gain well below it, the
// glide goes up exactly as it does to full level.
TEST_F(HostAbuse, LevelsAboveFullFromAChunkGlideToUnityAsFullLevelDoes) {
  for (const float level : {2.0f, 1e30f, kHuge}) {
    PluginInstance instance(create()), reference(create());
    for (PluginInstance* each : {&instance, &reference}) {
      each->start();
      EXPECT_EQ(each->restore(FaderChunk(0.5f, 1.0f)), 260);
      std::vector<float> down(44100, 1.0f), downRight(44100, 1.0f);
      each->process(down, downRight);
      ASSERT_LT(down.back(), 0.2f) << "a second of a one-second fade towards 0.164";
    }
    EXPECT_EQ(instance.restore(FaderChunk(level, 1.0f)), 260);
    EXPECT_EQ(reference.restore(FaderChunk(1.0f, 1.0f)), 260);
    std::vector<float> left(5 * 44100, 1.0f), right(5 * 44100, -1.0f);
    std::vector<float> referenceLeft = left, referenceRight = right;
    instance.process(left, right);
    reference.process(referenceLeft, referenceRight);
    EXPECT_TRUE(SameSamples(left, referenceLeft)) << level;
    EXPECT_TRUE(SameSamples(right, referenceRight)) << level;
    EXPECT_LE(left.back(), 1.0f) << level;
    EXPECT_GT(left.back(), 0.9999f) << level << ": 25 time constants of the glide";
  }
}

// An infinite level gives the law no number: the target is silence, and the gain
// reaches exactly 0 once it comes within 0.00001 of it.
TEST_F(HostAbuse, AnInfiniteLevelFromAChunkFadesToExactSilence) {
  PluginInstance instance(create()), reference(create());
  instance.start();
  reference.start();
  EXPECT_EQ(instance.restore(FaderChunk(kInfinity, 1.0f)), 260);
  EXPECT_EQ(reference.restore(FaderChunk(0.0f, 1.0f)), 260);
  EXPECT_EQ(instance.parameter(0), kInfinity) << "restored values are taken as they come";
  const std::size_t frames = 3 * 44100;  // the gain passes 0.00001 after about 2.3 s
  std::vector<float> left(frames, 1.0f), right(frames, -1.0f);
  std::vector<float> referenceLeft = left, referenceRight = right;
  instance.process(left, right);
  reference.process(referenceLeft, referenceRight);
  EXPECT_TRUE(SameSamples(left, referenceLeft));
  EXPECT_TRUE(SameSamples(right, referenceRight));
  EXPECT_EQ(left.back(), 0.0f);
  EXPECT_EQ(right.back(), 0.0f);
}

TEST_F(HostAbuse, ASampleRateOfZeroHoldsTheGainWhereItIs) {
  PluginInstance instance(create());
  instance.start(0.0f);
  instance.setParameter(0, 0.0f);
  std::vector<float> left(20000, 0.5f), right(20000, 0.5f);
  instance.process(left, right);
  EXPECT_EQ(left, std::vector<float>(20000, 0.5f)) << "no time passes at rate 0: the gain stays at 1";
  EXPECT_EQ(right, left);

  instance.dispatch(effMainsChanged, 0, 0);
  instance.dispatch(effSetSampleRate, 0, 0, nullptr, kSampleRate);
  instance.dispatch(effMainsChanged, 0, 1);
  std::vector<float> after(20000, 0.5f), afterRight(20000, 0.5f);
  instance.process(after, afterRight);
  EXPECT_LT(after.back(), 0.5f) << "with a rate again, the gain glides towards silence";
}

TEST_F(HostAbuse, AGigahertzSampleRateMakesEveryFrameANanosecond) {
  PluginInstance instance(create());
  instance.start(1e9f);
  instance.setParameter(0, 0.0f);
  instance.setParameter(1, 0.0f);  // 1 s
  const std::size_t frames = 100000;
  std::vector<float> left(frames, 1.0f), right(frames, 1.0f);
  instance.process(left, right);
  const double period = 1e-9, k = period / (0.2 * 1.0 + period);
  EXPECT_NEAR(left.back(), std::pow(1.0 - k, static_cast<double>(frames)), 1e-7);
  EXPECT_GT(left.back(), 0.999f) << "a hundred thousand frames are a tenth of a millisecond";
}

TEST_F(HostAbuse, NegativeOrUndefinedSampleRatesKeepTheRateSetBefore) {
  PluginInstance instance(create()), reference(create());
  instance.dispatch(effOpen);
  instance.dispatch(effSetSampleRate, 0, 0, nullptr, 48000.0f);
  for (const float rate : {-44100.0f, -1.0f, std::nanf(""), kInfinity, -kInfinity}) {
    instance.dispatch(effSetSampleRate, 0, 0, nullptr, rate);
  }
  instance.dispatch(effSetBlockSize, 0, 512);
  instance.dispatch(effMainsChanged, 0, 1);
  reference.start(48000.0f);
  for (PluginInstance* each : {&instance, &reference}) {
    each->setParameter(0, 0.5f);
    each->setParameter(1, 0.0f);
  }
  EXPECT_TRUE(SameOutput(instance, reference, 100000));
}

TEST_F(HostAbuse, ABlockSizeOfZeroLeavesTheGlideToTheFadeTime) {
  PluginInstance instance(create()), reference(create());
  instance.start(kSampleRate, 0);
  reference.start(kSampleRate, 512);
  for (PluginInstance* each : {&instance, &reference}) {
    each->setParameter(0, 0.3f);
    each->setParameter(1, 0.0f);
  }
  EXPECT_TRUE(SameOutput(instance, reference, 100000));
}

// A chunk without a fade time leaves the block duration alone to set the glide, so
// the block size that counts shows in the output.
TEST_F(HostAbuse, NegativeOrOversizedBlockSizesKeepTheSizeSetBefore) {
  PluginInstance instance(create()), reference(create());
  instance.dispatch(effOpen);
  instance.dispatch(effSetSampleRate, 0, 0, nullptr, kSampleRate);
  instance.dispatch(effSetBlockSize, 0, 256);
  for (const VstIntPtr size : {VstIntPtr{-4}, VstIntPtr{-256}, static_cast<VstIntPtr>(std::numeric_limits<VstInt32>::min())}) {
    instance.dispatch(effSetBlockSize, 0, size);
  }
  const long long beyond32Bits = std::numeric_limits<VstInt32>::max() + 1LL;
  if (beyond32Bits <= std::numeric_limits<VstIntPtr>::max()) {
    instance.dispatch(effSetBlockSize, 0, static_cast<VstIntPtr>(beyond32Bits));
  }
  instance.dispatch(effMainsChanged, 0, 1);
  reference.start(kSampleRate, 256);
  for (const float fade : {0.0f, -3.0f}) {
    EXPECT_EQ(instance.restore(FaderChunk(0.5f, fade)), 260);
    EXPECT_EQ(reference.restore(FaderChunk(0.5f, fade)), 260);
    EXPECT_TRUE(SameOutput(instance, reference, 20000)) << fade;
  }
}

// Requests that hosts send before effOpen or after effMainsChanged 0: every opcode with
// buffers it may write into. Setters among them (sample rate 0, block size 0, an empty
// program name) take effect; the settings a project saves do not change.
class RequestsInAnyState : public HostAbuse {
 protected:
  void SendEveryOpcode(PluginInstance& instance) {
    for (VstInt32 opcode = 0; opcode <= effGetNumMidiOutputChannels + 2; ++opcode) {
      if (opcode == effOpen || opcode == effClose) continue;
      alignas(8) unsigned char buffer[512] = {};
      void* slots[2] = {nullptr, nullptr};
      const VstIntPtr value = opcode == effGetSpeakerArrangement ? reinterpret_cast<VstIntPtr>(&slots[0]) : 0;
      for (const VstInt32 index : {0, 1, -1}) instance.dispatch(opcode, index, value, buffer, 0.0f);
    }
    for (const VstInt32 opcode : {-1, 1000, std::numeric_limits<VstInt32>::max()}) instance.dispatch(opcode);
  }
};

TEST_F(RequestsInAnyState, EveryOpcodeBeforeOpenLeavesTheSettingsForTheSessionAfter) {
  PluginInstance instance(create()), reference(create());
  instance.setParameter(0, 0.3f);
  EXPECT_EQ(instance.restore(FaderChunk(0.3f, 2.0f)), 260);
  const std::vector<unsigned char> settings = instance.chunk();
  SendEveryOpcode(instance);
  std::vector<float> left(512, 1.0f), right(512, 1.0f);
  instance.process(left, right);
  EXPECT_EQ(instance.chunk(), settings);

  instance.start();
  reference.start();
  EXPECT_EQ(reference.restore(FaderChunk(0.3f, 2.0f)), 260);
  EXPECT_EQ(instance.chunk(), reference.chunk());
  EXPECT_EQ(instance.text(effGetParamDisplay, 0), "0.30");
  EXPECT_EQ(instance.text(effGetParamDisplay, 1), "2.00");
  EXPECT_TRUE(SameOutput(instance, reference, 20000));
}

TEST_F(RequestsInAnyState, EveryOpcodeAfterSuspendLeavesTheSettingsForTheNextResume) {
  PluginInstance instance(create()), reference(create());
  for (PluginInstance* each : {&instance, &reference}) {
    each->start();
    each->setParameter(0, 0.7f);
    each->setParameter(1, 0.3f);
  }
  const std::vector<unsigned char> settings = instance.chunk();
  instance.dispatch(effMainsChanged, 0, 0);
  SendEveryOpcode(instance);
  std::vector<float> left(512, 1.0f), right(512, 1.0f);
  instance.process(left, right);
  for (const float sample : left) EXPECT_TRUE(std::isfinite(sample));
  EXPECT_EQ(instance.chunk(), settings);

  instance.dispatch(effSetSampleRate, 0, 0, nullptr, kSampleRate);
  instance.dispatch(effSetBlockSize, 0, 512);
  instance.dispatch(effMainsChanged, 0, 1);
  reference.dispatch(effMainsChanged, 0, 0);
  reference.dispatch(effMainsChanged, 0, 1);
  EXPECT_TRUE(SameOutput(instance, reference, 20000));
}

TEST(HostAbuseAtCreation, ANullHostCallbackGetsNoInstanceFromAnyEntryPoint) {
  for (const char* name : {"VSTPluginMain", "main", "MAIN"}) {
    const PluginEntryPoint entry = BuiltPlugin().entryPoint(name);
    ASSERT_NE(entry, nullptr) << name;
    EXPECT_EQ(entry(nullptr), nullptr) << name;
  }
}

}  // namespace
