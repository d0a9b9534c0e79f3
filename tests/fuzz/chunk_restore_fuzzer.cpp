// Arbitrary bytes handed to an opened and resumed instance of each script the builds
// make (the fader and the analyser) as its state chunk, followed by what a host does
// after loading a project: it reads the chunk back, reads every parameter with its
// texts and processes a block. The analyser's restore either changes nothing or leaves
// every slider inside its range, and its audio passes unchanged; the fader keeps what a
// marked chunk holds as it comes, its sliders included, and still never gives more
// than it is given.

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

#include "host/callback_entries.h"
#include "host/dorn.h"
#include "plugin/plugin_entry.h"
#include "plugin/plugin_instance.h"
#include "tests/fuzz/guarded_buffer.h"
#include "tests/fuzz/require.h"
#include "tests/support/test_host.h"

namespace {

constexpr VstInt32 kFrames = 256;
constexpr unsigned char kMarkerBytes[] = {0x00, 0x00, 0x7A, 0xC4};  // -1000.0f, little-endian

struct TextQuery {
  VstInt32 opcode;
  std::size_t capacity;
};

constexpr TextQuery kParameterTexts[] = {
    {effGetParamName, kVstExtMaxParamStrLen},
    {effGetParamLabel, kVstMaxParamStrLen},
    {effGetParamDisplay, kVstMaxParamStrLen},
};

// Finite samples up to the largest a float holds: whatever state a chunk brings, a fader
// that never amplifies keeps every one of them finite, and the analyser passes them on.
std::vector<float> ExtremeSignal(float sign) {
  const float extremes[] = {1.0f, -1.0f, std::numeric_limits<float>::max(), -std::numeric_limits<float>::max(),
                            std::numeric_limits<float>::denorm_min(), 0.0f, 0.5f, -0.25f};
  std::vector<float> samples(kFrames);
  for (std::size_t i = 0; i < samples.size(); ++i) samples[i] = sign * extremes[i % (sizeof extremes / sizeof(float))];
  return samples;
}

void ReadParameters(PluginInstance& instance) {
  for (VstInt32 index = 0; index < instance.effect()->numParams; ++index) {
    instance.parameter(index);
    for (const TextQuery& query : kParameterTexts) {
      GuardedBuffer text(query.capacity);
      instance.dispatch(query.opcode, index, 0, text.data());
      Require(text.guardsIntact(), "parameter texts stay within the host's buffer");
      Require(text.terminated(), "parameter texts end within the host's buffer");
    }
  }
}

// Processes one block of extreme finite samples; answers whether every output sample is
// finite and no louder than its input, and whether each equals its input.
struct BlockOutcome {
  bool finiteAndNoLouder = true;
  bool unchanged = true;
};

BlockOutcome ProcessBlock(PluginInstance& instance) {
  std::vector<float> left = ExtremeSignal(1.0f), right = ExtremeSignal(-1.0f);
  std::vector<float> outLeft(kFrames), outRight(kFrames);
  float* inputs[2] = {left.data(), right.data()};
  float* outputs[2] = {outLeft.data(), outRight.data()};
  instance.effect()->processReplacing(instance.effect(), inputs, outputs, kFrames);
  BlockOutcome outcome;
  for (VstInt32 i = 0; i < kFrames; ++i) {
    outcome.finiteAndNoLouder &= std::isfinite(outLeft[i]) && std::isfinite(outRight[i]) &&
                                 std::fabs(outLeft[i]) <= std::fabs(left[i]) &&
                                 std::fabs(outRight[i]) <= std::fabs(right[i]);
    outcome.unchanged &= outLeft[i] == left[i] && outRight[i] == right[i];
  }
  return outcome;
}

// Hands the bytes over as a host does, from a copy of its own of exactly these bytes
// (a read past them is a sanitizer report); answers the chunk saved before.
std::vector<unsigned char> Restore(PluginInstance& instance, const std::uint8_t* data, std::size_t size) {
  const std::vector<unsigned char> before = instance.chunk();
  std::vector<unsigned char> chunk(data, data + size);
  const auto byteSize = static_cast<VstIntPtr>(size);
  Require(instance.dispatch(effSetChunk, 0, byteSize, chunk.empty() ? nullptr : chunk.data()) == byteSize,
          "effSetChunk answers the size it was given");
  const bool marked = size >= sizeof kMarkerBytes && std::memcmp(data, kMarkerBytes, sizeof kMarkerBytes) == 0;
  Require(marked || instance.chunk() == before, "a chunk without the marker leaves the saved state as it was");
  return before;
}

void RestoreIntoFader(const std::uint8_t* data, std::size_t size) {
  TestHost host;
  PluginInstance instance(host.create(VSTPluginMain));
  instance.start(44100.0f, kFrames);
  Restore(instance, data, size);
  ReadParameters(instance);
  Require(ProcessBlock(instance).finiteAndNoLouder, "the fader gives finite samples, never more than it is given");
}

AEffect* CreateAnalyser(audioMasterCallback host) {
  CDorn* const plugin = CreatePluginObject(host, MakeCallbackTable(), CreateAnalyserScript());
  return plugin ? plugin->getAeffect() : nullptr;
}

void RestoreIntoAnalyser(const std::uint8_t* data, std::size_t size) {
  TestHost host;
  PluginInstance instance(host.create(CreateAnalyser));
  instance.start(48000.0f, kFrames);
  const std::vector<unsigned char> before = Restore(instance, data, size);
  ReadParameters(instance);
  if (instance.chunk() != before) {
    for (VstInt32 index = 0; index < instance.effect()->numParams; ++index) {
      const float value = instance.parameter(index);
      Require(value >= 0.0f && value <= 1.0f, "a restore that changes the analyser leaves its sliders in range");
    }
  }
  Require(ProcessBlock(instance).unchanged, "the analyser's audio passes unchanged");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  RestoreIntoFader(data, size);
  RestoreIntoAnalyser(data, size);
  return 0;
}
