#include "lv2/lv2_plugin.h"

#include <lv2/atom/atom.h>
#include <lv2/buf-size/buf-size.h>
#include <lv2/options/options.h>
#include <lv2/state/state.h>
#include <lv2/urid/urid.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <memory>
#include <string>

#include "lv2/lv2_instance.h"
#include "platform/guarded_call.h"

namespace {

struct InstanceHandle {
  const Lv2Plugin& plugin;
  Lv2Instance instance;
};

InstanceHandle* HandleOf(LV2_Handle handle) { return static_cast<InstanceHandle*>(handle); }

const void* Feature(const LV2_Feature* const* features, const char* uri) {
  for (; features && *features; ++features) {
    if (std::strcmp((*features)->URI, uri) == 0) return (*features)->data;
  }
  return nullptr;
}

// The host's largest block, when its options name one (which takes a map to read).
VstInt32 BlockSize(const LV2_Options_Option* options, LV2_URID_Map* map) {
  if (!map) return kLv2DefaultBlockSize;
  const LV2_URID largest = map->map(map->handle, LV2_BUF_SIZE__maxBlockLength);
  const LV2_URID integer = map->map(map->handle, LV2_ATOM__Int);
  for (; options && options->key != 0; ++options) {
    if (options->key == largest && options->type == integer && options->size == sizeof(int32_t) && options->value) {
      const auto size = *static_cast<const int32_t*>(options->value);
      if (size > 0) return size;
    }
  }
  return kLv2DefaultBlockSize;
}

// A VST plug-in object runs at a rate that a float holds, above zero.
bool UsableRate(double rate) { return std::isfinite(rate) && rate > 0.0 && rate <= FLT_MAX; }

// The state's URIs, mapped; without a map (some hosts give none) the state is not kept.
Lv2Instance::Urids StateUrids(const char* pluginUri, LV2_URID_Map* map) {
  if (!map) return {0, 0};
  const std::string key = std::string(pluginUri) + kLv2StateSuffix;
  return {map->map(map->handle, key.c_str()), map->map(map->handle, LV2_ATOM__Chunk)};
}

LV2_Handle Instantiate(const LV2_Descriptor* descriptor, double rate, const char* /*bundlePath*/,
                       const LV2_Feature* const* features) {
  return GuardedHostCall<LV2_Handle>(nullptr, [&]() -> LV2_Handle {
    const auto& plugin = *reinterpret_cast<const Lv2Plugin*>(descriptor);
    auto* const map = static_cast<LV2_URID_Map*>(const_cast<void*>(Feature(features, LV2_URID__map)));
    if (!UsableRate(rate)) return nullptr;
    PluginObject object(plugin.makePluginObject(Lv2HostCallback));
    if (!object) return nullptr;
    const auto* const options = static_cast<const LV2_Options_Option*>(Feature(features, LV2_OPTIONS__options));
    return new InstanceHandle{plugin, Lv2Instance(std::move(object), static_cast<float>(rate),
                                                  BlockSize(options, map), StateUrids(descriptor->URI, map))};
  });
}

void ConnectPort(LV2_Handle handle, uint32_t port, void* data) {
  GuardedHostCall([&] { HandleOf(handle)->instance.connect(port, data); });
}

void Activate(LV2_Handle handle) {
  GuardedHostCall([&] { HandleOf(handle)->instance.activate(); });
}

void Run(LV2_Handle handle, uint32_t frames) {
  GuardedHostCall([&] { HandleOf(handle)->instance.run(frames); });
}

void Deactivate(LV2_Handle handle) {
  GuardedHostCall([&] { HandleOf(handle)->instance.deactivate(); });
}

void Cleanup(LV2_Handle handle) {
  GuardedHostCall([&] { delete HandleOf(handle); });
}

LV2_State_Status Save(LV2_Handle handle, LV2_State_Store_Function store, LV2_State_Handle state, uint32_t /*flags*/,
                      const LV2_Feature* const* /*features*/) {
  return GuardedHostCall<LV2_State_Status>(LV2_STATE_ERR_UNKNOWN, [&] {
    return store ? HandleOf(handle)->instance.save(store, state) : LV2_STATE_ERR_UNKNOWN;
  });
}

LV2_State_Status Restore(LV2_Handle handle, LV2_State_Retrieve_Function retrieve, LV2_State_Handle state,
                         uint32_t /*flags*/, const LV2_Feature* const* /*features*/) {
  return GuardedHostCall<LV2_State_Status>(LV2_STATE_ERR_UNKNOWN, [&] {
    if (!retrieve) return LV2_STATE_ERR_UNKNOWN;
    InstanceHandle& instance = *HandleOf(handle);
    return instance.instance.restore(retrieve, state,
                                     PluginObject(instance.plugin.makePluginObject(Lv2HostCallback)));
  });
}

const LV2_State_Interface kStateInterface{Save, Restore};

const void* ExtensionData(const char* uri) {
  return uri && std::strcmp(uri, LV2_STATE__interface) == 0 ? &kStateInterface : nullptr;
}

}  // namespace

Lv2Plugin MakeLv2Plugin(const char* uri, CDorn* (*makePluginObject)(audioMasterCallback host)) {
  return {{uri, Instantiate, ConnectPort, Activate, Run, Deactivate, Cleanup, ExtensionData}, makePluginObject};
}

VstIntPtr VSTCALLBACK Lv2HostCallback(AEffect* /*effect*/, VstInt32 opcode, VstInt32 /*index*/,
                                      VstIntPtr /*value*/, void* /*ptr*/, float /*opt*/) {
  return opcode == audioMasterVersion ? kVstVersion : 0;
}
