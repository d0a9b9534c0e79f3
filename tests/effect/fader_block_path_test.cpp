#include <algorithm>
#include <cstring>
#include <functional>
#include <limits>
#include <memory>
#include <vector>

#include "host/callback_entries.h"
#include "host/dorn.h"
#include "tests/effect/fader_fixture.h"
#include "tests/support/fader_chunk.h"
#include "tests/support/noise.h"

// The plug-in entry installs process entries that run the fader's sample section over
// whole blocks; the callback table's general entries run it frame by frame through the
// section interface. Whatever happens between blocks, both give the same samples and
// leave the same variables, bit for bit.

namespace {

// The fader behind the callback table's general process entries.
AEffect* CreateWithGeneralEntries(audioMasterCallback hostCallback) {
  auto script = std::make_unique<TZepkinEffect>();
  const auto parameterCount = static_cast<VstInt32>(script->sliders.size());
  CDorn* plugin = CDorn::Create(script.get(), MakeCallbackTable(), hostCallback, 1, parameterCount);
  if (!plugin) return nullptr;
  script.release()->adaptor = plugin;
  return plugin->getAeffect();
}

TZepkinEffect& ScriptOf(const PluginInstance& instance) {
  return *static_cast<TZepkinEffect*>(static_cast<CDorn*>(instance.effect()->object)->runtime);
}

template <class Value>
bool SameBits(const std::vector<Value>& a, const std::vector<Value>& b) {
  return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(Value)) == 0;
}

// What the sections leave at a block's end that anyone can read.
std::vector<double> VisibleState(const TZepkinEffect& fader) {
  return {fader.currentGain, fader.targetGain,        fader.smoothingCoefficient, fader.samples[0],
          fader.samples[1],  fader.sampleRate,         fader.inputCount,           fader.blockLength,
          fader.tempo,       fader.timeSigNumerator,   fader.timeSigDenominator,   fader.playState,
          fader.beatPosition};
}

// One host block: its length, its precision, and what the host does before it.
struct Block {
  VstInt32 frames;
  bool wide;
  std::function<void(PluginInstance&)> before;
};

class BlockPath : public FaderTest {
 protected:
  BlockPath() : general(host.create(CreateWithGeneralEntries)), generalFader(ScriptOf(general)) {
    host.providesTimeInfo = true;
    host.timeInfo.tempo = 120.0;
    host.timeInfo.timeSigNumerator = 4;
    host.timeInfo.timeSigDenominator = 4;
    host.timeInfo.flags = kVstTransportPlaying;
    start();
    general.start();
  }

  // Processes the same noise through both instances and compares outputs and variables.
  template <class Sample>
  void compare(VstInt32 frames, unsigned seed) {
    // At least one sample, so that no channel pointer is null even for no frames.
    const auto length = static_cast<std::size_t>(std::max<VstInt32>(frames, 1));
    std::vector<Sample> left = Noise<Sample>(length, seed), right = Noise<Sample>(length, seed + 1);
    if (frames > 100) {
      left[17] = std::numeric_limits<Sample>::infinity();
      right[99] = std::numeric_limits<Sample>::quiet_NaN();
    }
    std::vector<Sample> generalLeft = left, generalRight = right;
    ProcessThrough(instance, left, right, frames);
    ProcessThrough(general, generalLeft, generalRight, frames);
    ASSERT_TRUE(SameBits(left, generalLeft)) << "block " << seed;
    ASSERT_TRUE(SameBits(right, generalRight)) << "block " << seed;
    ASSERT_TRUE(SameBits(VisibleState(fader), VisibleState(generalFader))) << "block " << seed;
  }

  void run(const std::vector<Block>& blocks, int repeats = 1) {
    unsigned seed = 1;
    for (int repeat = 0; repeat < repeats; ++repeat) {
      for (const Block& block : blocks) {
        if (block.before) {
          block.before(instance);
          block.before(general);
        }
        host.timeInfo.ppqPos += 1.0;
        if (block.wide) {
          ASSERT_NO_FATAL_FAILURE(compare<double>(block.frames, seed));
        } else {
          ASSERT_NO_FATAL_FAILURE(compare<float>(block.frames, seed));
        }
        seed += 2;
      }
    }
  }

  template <class Sample>
  static void ProcessThrough(PluginInstance& target, std::vector<Sample>& left, std::vector<Sample>& right,
                             VstInt32 frames) {
    Sample* channels[2] = {left.data(), right.data()};
    AEffect* effect = target.effect();
    if constexpr (sizeof(Sample) == sizeof(float)) {
      effect->processReplacing(effect, channels, channels, frames);
    } else {
      effect->processDoubleReplacing(effect, channels, channels, frames);
    }
  }

  PluginInstance general;
  TZepkinEffect& generalFader;
};

TEST_F(BlockPath, ThePlugInsEntriesAreNotTheGeneralOnes) {
  const CallbackTable generalTable = MakeCallbackTable();
  const CallbackTable& installed = static_cast<CDorn*>(instance.effect()->object)->callbacks;
  EXPECT_NE(installed.OnProcessReplacing, generalTable.OnProcessReplacing);
  EXPECT_NE(installed.OnProcessDoubleReplacing, generalTable.OnProcessDoubleReplacing);
}

TEST_F(BlockPath, LongGlidesWithChangesBetweenBlocksGiveTheSameSamplesInBothPrecisions) {
  const auto parameter = [](VstInt32 index, float value) {
    return [=](PluginInstance& each) { each.setParameter(index, value); };
  };
  const auto restore = [](float level, float fadeSeconds) {
    return [=](PluginInstance& each) { each.restore(FaderChunk(level, fadeSeconds)); };
  };
  const auto resume = [](PluginInstance& each) {
    each.dispatch(effMainsChanged, 0, 0);
    each.dispatch(effMainsChanged, 0, 1);
  };
  const float infinity = std::numeric_limits<float>::infinity();
  std::vector<Block> blocks = {
      {512, false, nullptr},  // at rest at full gain
      {512, true, parameter(0, 0.5f)},
      {1, false, parameter(1, 0.0f)},  // one second of fade
      {7, true, nullptr},
      {0, false, nullptr},
      {333, true, [&](PluginInstance&) { host.timeInfo.tempo = 97.5; }},
      {4096, false, restore(0.0f, 1.0f)},  // the first restore starts again from full gain
      {44100, true, nullptr},
      {65536, false, nullptr},  // below 0.00001 on the way: the gain snaps to silence
      {512, true, parameter(0, 0.01f)},  // a target near silence, reached at once
      {512, false, restore(2.0f, 0.5f)},  // above full: glides up to unity
      {30000, true, nullptr},
      {512, false, restore(std::nanf(""), 3.0f)},
      {20000, true, nullptr},
      {512, false, restore(infinity, 1.0f)},
      {20000, true, nullptr},
      {512, false, resume},
      {1000, true, parameter(0, 0.3f)},
      {88200, false, parameter(1, 1.0f)},  // eleven seconds of fade
      {-4, true, nullptr},
      {512, false, [&](PluginInstance&) { host.providesTimeInfo = false; }},
      {512, true, parameter(0, 0.0f)},
  };
  for (int i = 0; i < 200; ++i) blocks.push_back({512, i % 2 == 0, nullptr});
  run(blocks, 3);
}

}  // namespace
