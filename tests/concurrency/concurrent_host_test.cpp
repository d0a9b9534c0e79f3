#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <thread>
#include <vector>

#include "tests/support/fader_chunk.h"
#include "tests/support/test_host.h"

namespace {

constexpr int kSettingChanges = 2000;
constexpr VstInt32 kBlock = 256;
constexpr double kSampleRate = 44100.0;

// Processes blocks of noise on its own thread, in both precisions by turns, until told
// to stop, and notes whether any output was not finite or louder than its input.
class AudioThread {
 public:
  explicit AudioThread(AEffect* effect) : effect_(effect), thread_([this] { Run(); }) {}
  ~AudioThread() { stop(); }

  int blocks() const { return blocks_.load(); }
  // Waits until the audio thread has finished a block it had not started before.
  void awaitNextBlock() const {
    const int seen = blocks_.load();
    while (blocks_.load() < seen + 2) std::this_thread::yield();
  }
  void stop() {
    stopping_.store(true);
    if (thread_.joinable()) thread_.join();
  }
  bool allFinite() const { return allFinite_.load(); }
  bool neverLouder() const { return neverLouder_.load(); }

 private:
  void Run() {
    std::uint32_t state = 1;
    for (int block = 0; !stopping_.load(); ++block) {
      if (block % 2 == 0) {
        ProcessBlock<float>(state, [this](float** in, float** out) { effect_->processReplacing(effect_, in, out, kBlock); });
      } else {
        ProcessBlock<double>(state, [this](double** in, double** out) {
          effect_->processDoubleReplacing(effect_, in, out, kBlock);
        });
      }
      blocks_.fetch_add(1);
    }
  }

  template <class Sample, class Process>
  void ProcessBlock(std::uint32_t& state, Process process) {
    std::vector<Sample> left(kBlock), right(kBlock), outLeft(kBlock), outRight(kBlock);
    for (VstInt32 j = 0; j < kBlock; ++j) {
      state = state * 1664525u + 1013904223u;
      left[j] = static_cast<Sample>(static_cast<double>(state) / 2147483648.0 - 1.0);
      right[j] = -left[j];
    }
    Sample* inputs[2] = {left.data(), right.data()};
    Sample* outputs[2] = {outLeft.data(), outRight.data()};
    process(inputs, outputs);
    for (VstInt32 j = 0; j < kBlock; ++j) {
      if (!std::isfinite(outLeft[j]) || !std::isfinite(outRight[j])) allFinite_.store(false);
      if (std::fabs(outLeft[j]) > std::fabs(left[j]) || std::fabs(outRight[j]) > std::fabs(right[j])) {
        neverLouder_.store(false);
      }
    }
  }

  AEffect* const effect_;
  std::atomic<int> blocks_{0};
  std::atomic<bool> stopping_{false};
  std::atomic<bool> allFinite_{true};
  std::atomic<bool> neverLouder_{true};
  std::thread thread_;
};

TEST(ConcurrentHost, SettingsChangedWhileTheAudioThreadProcessesEndAsTheLastOnesMade) {
  TestHost host;
  PluginInstance instance(host.createBuiltPlugin());
  instance.start(static_cast<float>(kSampleRate), kBlock);
  {
    AudioThread audio(instance.effect());
    std::vector<unsigned char> saved = instance.chunk();
    for (int change = 0; change < kSettingChanges; ++change) {
      audio.awaitNextBlock();
      const float level = static_cast<float>(change % 101) / 100.0f;
      instance.setParameter(0, level);
      instance.setParameter(1, static_cast<float>(change % 11) / 10.0f);
      EXPECT_NEAR(instance.parameter(0), level, 1e-6f) << change;
      switch (change % 10) {
        case 3:
          saved = instance.chunk();
          break;
        case 7:
          EXPECT_EQ(instance.restore(saved), 260) << change;
          break;
        case 9:
          EXPECT_EQ(instance.restore(FaderChunk(0.5f, 2.0f)), 260) << change;
          EXPECT_EQ(instance.parameter(0), 0.5f) << change;
          break;
        default:
          break;
      }
    }
    instance.setParameter(0, 0.25f);
    instance.setParameter(1, 0.0f);  // 1 s
    audio.awaitNextBlock();
    audio.stop();
    EXPECT_TRUE(audio.allFinite());
    EXPECT_TRUE(audio.neverLouder());
    EXPECT_GE(audio.blocks(), kSettingChanges);
  }

  // The instance now behaves as one that was only ever given the last settings: the same
  // parameters, the same chunk, and, once both have glided for five fade times, the
  // same gain.
  PluginInstance reference(host.createBuiltPlugin());
  reference.start(static_cast<float>(kSampleRate), kBlock);
  reference.setParameter(0, 0.25f);
  reference.setParameter(1, 0.0f);
  EXPECT_EQ(instance.parameter(0), reference.parameter(0));
  EXPECT_EQ(instance.parameter(1), reference.parameter(1));
  EXPECT_EQ(instance.chunk(), reference.chunk());
  const auto frames = static_cast<std::size_t>(5.0 * kSampleRate);
  std::vector<double> left(frames, 1.0), right(frames, 1.0), referenceLeft(frames, 1.0), referenceRight(frames, 1.0);
  instance.process(left, right);
  reference.process(referenceLeft, referenceRight);
  EXPECT_NEAR(left.back(), referenceLeft.back(), 1e-9);
  EXPECT_NEAR(right.back(), referenceRight.back(), 1e-9);
}

}  // namespace
