// Arbitrary bytes as the fader's LV2 state, through the LV2 state interface as a host
// restores a saved session: the first byte says how the host hands them over (as the
// state property of type atom:Chunk, of another type, or no property at all), the rest
// are the value. A restore that answers a failure changes nothing; one that succeeds
// leaves every slider inside its range; and the fader then gives finite samples.

#include <lv2/atom/atom.h>
#include <lv2/state/state.h>
#include <lv2/urid/urid.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include "tests/fuzz/require.h"

extern "C" const LV2_Descriptor* lv2_descriptor(uint32_t index);

namespace {

constexpr uint32_t kFrames = 256;
constexpr const char* kStateKey = "urn:veltronika:quorvantile:state";

std::map<std::string, LV2_URID> urids;
LV2_URID Map(LV2_URID_Map_Handle, const char* uri) { return urids.emplace(uri, urids.size() + 1).first->second; }
LV2_URID_Map mapFeature{nullptr, Map};
const LV2_Feature mapping{LV2_URID__map, &mapFeature};
const LV2_Feature* const features[] = {&mapping, nullptr};

struct Offered {
  std::vector<unsigned char> value;
  LV2_URID type;
  bool present;
};

const void* Retrieve(LV2_State_Handle handle, uint32_t key, size_t* size, uint32_t* type, uint32_t* flags) {
  const auto& offered = *static_cast<const Offered*>(handle);
  if (!offered.present || key != Map(nullptr, kStateKey)) return nullptr;
  *size = offered.value.size();
  *type = offered.type;
  *flags = LV2_STATE_IS_POD | LV2_STATE_IS_PORTABLE;
  return offered.value.empty() ? "" : static_cast<const void*>(offered.value.data());
}

LV2_State_Status Store(LV2_State_Handle handle, uint32_t, const void* value, size_t size, uint32_t, uint32_t) {
  auto& saved = *static_cast<std::vector<unsigned char>*>(handle);
  saved.assign(static_cast<const unsigned char*>(value), static_cast<const unsigned char*>(value) + size);
  return LV2_STATE_SUCCESS;
}

std::vector<unsigned char> Saved(const LV2_State_Interface& state, LV2_Handle instance) {
  std::vector<unsigned char> saved;
  Require(state.save(instance, Store, &saved, 0, features) == LV2_STATE_SUCCESS, "the state saves");
  return saved;
}

float FloatAt(const std::vector<unsigned char>& chunk, std::size_t index) {
  float value = std::numeric_limits<float>::quiet_NaN();
  if ((index + 1) * sizeof value <= chunk.size()) std::memcpy(&value, chunk.data() + index * sizeof value, sizeof value);
  return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const LV2_Descriptor& descriptor = *lv2_descriptor(0);
  LV2_Handle const instance = descriptor.instantiate(&descriptor, 44100.0, "", features);
  Require(instance != nullptr, "the fader instantiates");
  float level = 1.0f, fadeSeconds = 7.5f;
  std::vector<float> left(kFrames, 0.5f), right(kFrames, -0.5f);
  descriptor.connect_port(instance, 0, left.data());
  descriptor.connect_port(instance, 1, right.data());
  descriptor.connect_port(instance, 2, left.data());
  descriptor.connect_port(instance, 3, right.data());
  descriptor.connect_port(instance, 4, &level);
  descriptor.connect_port(instance, 5, &fadeSeconds);
  descriptor.activate(instance);
  const auto& state = *static_cast<const LV2_State_Interface*>(descriptor.extension_data(LV2_STATE__interface));
  const std::vector<unsigned char> before = Saved(state, instance);

  const unsigned char how = size > 0 ? data[0] % 3 : 0;
  const Offered offered{std::vector<unsigned char>(data + (size > 0), data + size),
                        how == 1 ? Map(nullptr, LV2_ATOM__Float) : Map(nullptr, LV2_ATOM__Chunk), how != 2};
  const LV2_State_Status status = state.restore(instance, Retrieve, const_cast<Offered*>(&offered), 0, features);
  const std::vector<unsigned char> after = Saved(state, instance);
  if (status != LV2_STATE_SUCCESS) {
    Require(after == before, "a restore that fails changes nothing");
  } else {
    const float restoredLevel = FloatAt(after, 1), restoredFade = FloatAt(after, 2);
    Require(restoredLevel >= 0.0f && restoredLevel <= 1.0f, "a restored level lies in its range");
    Require(restoredFade >= 1.0f && restoredFade <= 11.0f, "a restored fade time lies in its range");
  }
  descriptor.run(instance, kFrames);
  for (uint32_t i = 0; i < kFrames; ++i) Require(std::isfinite(left[i]) && std::isfinite(right[i]), "finite samples out");
  descriptor.deactivate(instance);
  descriptor.cleanup(instance);
  return 0;
}
