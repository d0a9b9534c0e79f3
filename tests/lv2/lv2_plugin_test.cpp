#include <gtest/gtest.h>

#include <lv2/atom/atom.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "tests/support/fader_chunk.h"
#include "tests/support/noise.h"
#include "tests/support/test_host.h"
#include "tools/lv2_host/lilv_host.h"

namespace {

constexpr std::size_t kSeconds = 2;
constexpr std::size_t kFrames = kSeconds * 44100;

struct Stereo {
  std::vector<float> left = Noise<float>(kFrames, 1);
  std::vector<float> right = Noise<float>(kFrames, 2);
};

// The same fader as a VST 2.4 shared object, driven as a VST host drives it, with
// the host's normalised parameter values for the same settings.
class VstFader {
 public:
  VstFader() : instance(host.createBuiltPlugin()) { instance.start(44100.0f, LilvHost::kLargestBlock); }
  void set(float level, float fadeSeconds) {
    instance.setParameter(0, level);
    instance.setParameter(1, (fadeSeconds - 1.0f) / 10.0f);
  }
  TestHost host;
  PluginInstance instance;
};

class Lv2Fader : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(host.plugin(), nullptr) << "the bundle " QUORVANTILE_LV2_BUNDLE " holds no fader"; }
  LilvHost host{QUORVANTILE_LV2_BUNDLE};
};

TEST_F(Lv2Fader, ShowsTheSlidersAsControlPortsInTheirOwnUnits) {
  const struct {
    const char* symbol;
    const char* name;
    float minimum, maximum, defaultValue;
  } controls[] = {{"target_level", "target level", 0.0f, 1.0f, 1.0f}, {"fade_time", "fade time", 1.0f, 11.0f, 7.5f}};
  EXPECT_EQ(lilv_plugin_get_num_ports(host.plugin()), 6u);
  for (const auto& control : controls) {
    const LilvPort* const port = host.port(control.symbol);
    ASSERT_NE(port, nullptr) << control.symbol;
    LilvNode* name = lilv_port_get_name(host.plugin(), port);
    EXPECT_STREQ(lilv_node_as_string(name), control.name);
    lilv_node_free(name);
    LilvNode *defaultValue = nullptr, *minimum = nullptr, *maximum = nullptr;
    lilv_port_get_range(host.plugin(), port, &defaultValue, &minimum, &maximum);
    EXPECT_EQ(lilv_node_as_float(minimum), control.minimum) << control.symbol;
    EXPECT_EQ(lilv_node_as_float(maximum), control.maximum) << control.symbol;
    EXPECT_EQ(lilv_node_as_float(defaultValue), control.defaultValue) << control.symbol;
    lilv_node_free(defaultValue), lilv_node_free(minimum), lilv_node_free(maximum);
  }
  LilvNode* const name = lilv_plugin_get_name(host.plugin());
  EXPECT_STREQ(lilv_node_as_string(name), "Veltronika_Quorvantile");
  lilv_node_free(name);
}

// Both formats run the same script through the same plug-in object, so every sample
// agrees to the bit: the glide, and a change of the controls in the middle of it.
TEST_F(Lv2Fader, RendersTheGlideAsTheVstBuildDoesSampleForSample) {
  LilvFader lv2(host);
  VstFader vst;
  lv2.level = 0.25f, lv2.fadeSeconds = 3.0f;
  vst.set(0.25f, 3.0f);
  for (int phase = 0; phase < 2; ++phase) {
    Stereo lv2Audio, vstAudio;
    lv2.process(lv2Audio.left, lv2Audio.right);
    vst.instance.process(vstAudio.left, vstAudio.right, LilvHost::kLargestBlock);
    EXPECT_EQ(lv2Audio.left, vstAudio.left) << phase;
    EXPECT_EQ(lv2Audio.right, vstAudio.right) << phase;
    lv2.level = 0.8f, lv2.fadeSeconds = 1.5f;  // in the middle of the glide
    vst.set(0.8f, 1.5f);
  }
}

TEST_F(Lv2Fader, ControlsOutsideTheirRangeAreHeldAtItsEndsAndNonNumbersChangeNothing) {
  LilvFader lv2(host);
  VstFader vst;
  Stereo lv2Audio, vstAudio;
  lv2.level = -3.0f, lv2.fadeSeconds = 400.0f;
  vst.set(0.0f, 11.0f);
  lv2.process(lv2Audio.left, lv2Audio.right);
  lv2.level = std::numeric_limits<float>::quiet_NaN();
  lv2.fadeSeconds = std::numeric_limits<float>::infinity();
  lv2.process(lv2Audio.left, lv2Audio.right);
  vst.instance.process(vstAudio.left, vstAudio.right, LilvHost::kLargestBlock);
  vst.instance.process(vstAudio.left, vstAudio.right, LilvHost::kLargestBlock);
  EXPECT_EQ(lv2Audio.left, vstAudio.left);
}

TEST_F(Lv2Fader, RunsBlocksOfAnyLengthZeroIncluded) {
  LilvFader lv2(host), reference(host);
  Stereo audio, referenceAudio;
  lv2.level = reference.level = 0.5f;
  lilv_instance_run(lv2.instance(), 0);
  for (const std::size_t block : {1u, 7u, 333u, 512u}) lv2.process(audio.left, audio.right, block);
  for (int pass = 0; pass < 4; ++pass) reference.process(referenceAudio.left, referenceAudio.right);
  // The glide depends on how many frames passed, not on how they were cut into blocks.
  EXPECT_EQ(audio.left, referenceAudio.left);
}

TEST_F(Lv2Fader, RefusesSampleRatesAVstPlugInCannotRunAt) {
  for (const double rate : {0.0, -44100.0, 1e300, std::numeric_limits<double>::quiet_NaN(),
                            std::numeric_limits<double>::infinity()}) {
    EXPECT_FALSE(LilvFader(host, rate).instantiated()) << rate;
  }
  EXPECT_TRUE(LilvFader(host, 8000.0).instantiated());
}

// Some hosts (lv2apply among them) give no features at all: the fader runs, and says
// that its state needs a URID map.
TEST_F(Lv2Fader, RunsForAHostWithoutFeaturesAndKeepsNoStateThere) {
  const LV2_Feature* const none[] = {nullptr};
  LilvInstance* const bare = lilv_plugin_instantiate(host.plugin(), 44100.0, none);
  ASSERT_NE(bare, nullptr);
  const auto* const state =
      static_cast<const LV2_State_Interface*>(lilv_instance_get_extension_data(bare, LV2_STATE__interface));
  const LV2_State_Store_Function store = [](LV2_State_Handle, uint32_t, const void*, size_t, uint32_t, uint32_t) {
    return LV2_STATE_SUCCESS;
  };
  EXPECT_EQ(state->save(lilv_instance_get_handle(bare), store, nullptr, 0, none), LV2_STATE_ERR_NO_FEATURE);
  lilv_instance_free(bare);
}

TEST_F(Lv2Fader, SavesItsStateChunkAsOnePropertyAndAFreshInstanceRestoresIt) {
  LilvFader original(host);
  original.level = 0.25f, original.fadeSeconds = 3.0f;
  Stereo warmUp;
  original.process(warmUp.left, warmUp.right);
  const SavedProperty saved = original.saved();
  EXPECT_EQ(saved.key, host.map("urn:veltronika:quorvantile:state"));
  EXPECT_EQ(saved.type, host.map(LV2_ATOM__Chunk));
  EXPECT_EQ(saved.value, FaderChunk(0.25f, 3.0f));

  LilvState* const state = lilv_state_new_from_instance(host.plugin(), original.instance(), host.mapFeature(),
                                                        nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                                        LV2_STATE_IS_POD | LV2_STATE_IS_PORTABLE, host.features());
  ASSERT_NE(state, nullptr);
  LilvFader restored(host), set(host);  // the second with its controls set instead
  lilv_state_restore(state, restored.instance(), nullptr, nullptr, 0, host.features());
  lilv_state_free(state);
  set.level = 0.25f, set.fadeSeconds = 3.0f;
  Stereo restoredAudio, setAudio;
  restored.process(restoredAudio.left, restoredAudio.right);
  set.process(setAudio.left, setAudio.right);
  EXPECT_EQ(restoredAudio.left, setAudio.left);
  EXPECT_EQ(restored.saved().value, saved.value);
}

// A host's retrieve function that hands over one value of the test's choosing.
struct OfferedState {
  LV2_URID key;
  LV2_URID type;
  std::vector<unsigned char> bytes;
  bool present = true;
};

const void* Retrieve(LV2_State_Handle handle, uint32_t key, size_t* size, uint32_t* type, uint32_t* flags) {
  const auto& offered = *static_cast<const OfferedState*>(handle);
  if (!offered.present || key != offered.key) return nullptr;
  *size = offered.bytes.size();
  *type = offered.type;
  *flags = LV2_STATE_IS_POD | LV2_STATE_IS_PORTABLE;
  return offered.bytes.data();
}

std::vector<unsigned char> WithFloat(std::vector<unsigned char> bytes, std::size_t index, float value) {
  std::memcpy(bytes.data() + index * sizeof value, &value, sizeof value);
  return bytes;
}

TEST_F(Lv2Fader, RefusesHostileStatesAndKeepsItsOwn) {
  const LV2_URID key = host.map("urn:veltronika:quorvantile:state");
  const LV2_URID chunk = host.map(LV2_ATOM__Chunk);
  const std::vector<unsigned char> valid = FaderChunk(0.5f, 2.0f);
  std::vector<unsigned char> tooLong = valid;
  tooLong.push_back(0);
  const struct {
    const char* what;
    OfferedState offered;
  } cases[] = {
      {"empty", {key, chunk, {}}},
      {"259 bytes", {key, chunk, std::vector<unsigned char>(valid.begin(), valid.end() - 1)}},
      {"261 bytes", {key, chunk, tooLong}},
      {"wrong marker", {key, chunk, WithFloat(valid, 0, -999.0f)}},
      {"NaN level", {key, chunk, WithFloat(valid, 1, std::numeric_limits<float>::quiet_NaN())}},
      {"level above its range", {key, chunk, WithFloat(valid, 1, 2.0f)}},
      {"fade time below its range", {key, chunk, WithFloat(valid, 2, 0.0f)}},
      {"wrong type", {key, host.map(LV2_ATOM__Float), valid}},
      {"no property", {key, chunk, valid, false}},
  };
  LilvFader lv2(host);
  lv2.level = 0.25f, lv2.fadeSeconds = 3.0f;
  Stereo audio;
  lv2.process(audio.left, audio.right);
  const std::vector<unsigned char> before = lv2.saved().value;
  for (const auto& c : cases) {
    const LV2_State_Status status =
        lv2.state()->restore(lilv_instance_get_handle(lv2.instance()), Retrieve, const_cast<OfferedState*>(&c.offered), 0, host.features());
    EXPECT_NE(status, LV2_STATE_SUCCESS) << c.what;
    EXPECT_EQ(lv2.saved().value, before) << c.what;
  }
  OfferedState good{key, chunk, valid};
  EXPECT_EQ(lv2.state()->restore(lilv_instance_get_handle(lv2.instance()), Retrieve, &good, 0, host.features()),
            LV2_STATE_SUCCESS);
  EXPECT_EQ(lv2.saved().value, valid);
}

}  // namespace
