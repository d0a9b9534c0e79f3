#include "tools/lv2_host/lilv_host.h"

#include <lv2/atom/atom.h>
#include <lv2/buf-size/buf-size.h>

#include <algorithm>
#include <string>

namespace {

constexpr const char* kFaderUri = "urn:veltronika:quorvantile";

LV2_State_Status Store(LV2_State_Handle handle, uint32_t key, const void* value, size_t size, uint32_t type,
                       uint32_t /*flags*/) {
  auto& saved = *static_cast<SavedProperty*>(handle);
  saved.key = key;
  saved.type = type;
  const auto* bytes = static_cast<const unsigned char*>(value);
  saved.value.assign(bytes, bytes + size);
  return LV2_STATE_SUCCESS;
}

}  // namespace

LilvHost::LilvHost(const char* bundle) : world_(lilv_world_new()) {
  lilv_world_load_specifications(world_);
  LilvNode* const bundleUri = lilv_new_file_uri(world_, nullptr, (std::string(bundle) + "/").c_str());
  lilv_world_load_bundle(world_, bundleUri);
  lilv_node_free(bundleUri);
  LilvNode* const uri = lilv_new_uri(world_, kFaderUri);
  plugin_ = lilv_plugins_get_by_uri(lilv_world_get_all_plugins(world_), uri);
  lilv_node_free(uri);
  options_ = {{LV2_OPTIONS_INSTANCE, 0, map(LV2_BUF_SIZE__maxBlockLength), sizeof(int32_t), map(LV2_ATOM__Int),
               &largestBlock_},
              {LV2_OPTIONS_INSTANCE, 0, 0, 0, 0, nullptr}};
  mapFeature_ = {LV2_URID__map, &map_};
  optionsFeature_ = {LV2_OPTIONS__options, options_.data()};
  features_ = {&mapFeature_, &optionsFeature_, nullptr};
}

LilvHost::~LilvHost() { lilv_world_free(world_); }

LV2_URID LilvHost::map(const char* uri) {
  const auto found = urids_.emplace(uri, static_cast<LV2_URID>(urids_.size() + 1));
  return found.first->second;
}

LV2_URID LilvHost::Map(LV2_URID_Map_Handle handle, const char* uri) { return static_cast<LilvHost*>(handle)->map(uri); }

const LilvPort* LilvHost::port(const char* symbol) const {
  LilvNode* const node = lilv_new_string(world_, symbol);
  const LilvPort* const found = lilv_plugin_get_port_by_symbol(plugin_, node);
  lilv_node_free(node);
  return found;
}

LilvFader::LilvFader(LilvHost& host, double rate)
    : host_(host), instance_(host.plugin() ? lilv_plugin_instantiate(host.plugin(), rate, host.features()) : nullptr) {
  if (!instance_) return;
  lilv_instance_connect_port(instance_, lilv_port_get_index(host.plugin(), host.port("target_level")), &level);
  lilv_instance_connect_port(instance_, lilv_port_get_index(host.plugin(), host.port("fade_time")), &fadeSeconds);
  lilv_instance_activate(instance_);
}

LilvFader::~LilvFader() {
  if (!instance_) return;
  lilv_instance_deactivate(instance_);
  lilv_instance_free(instance_);
}

const LV2_State_Interface* LilvFader::state() const {
  return static_cast<const LV2_State_Interface*>(lilv_instance_get_extension_data(instance_, LV2_STATE__interface));
}

void LilvFader::process(std::vector<float>& left, std::vector<float>& right, std::size_t blockSize) {
  const auto index = [&](const char* symbol) { return lilv_port_get_index(host_.plugin(), host_.port(symbol)); };
  for (std::size_t start = 0; start < left.size(); start += blockSize) {
    const std::size_t frames = std::min(blockSize, left.size() - start);
    lilv_instance_connect_port(instance_, index("in_left"), left.data() + start);
    lilv_instance_connect_port(instance_, index("in_right"), right.data() + start);
    lilv_instance_connect_port(instance_, index("out_left"), left.data() + start);
    lilv_instance_connect_port(instance_, index("out_right"), right.data() + start);
    lilv_instance_run(instance_, static_cast<uint32_t>(frames));
  }
}

SavedProperty LilvFader::saved() const {
  SavedProperty property;
  state()->save(lilv_instance_get_handle(instance_), Store, &property, LV2_STATE_IS_POD | LV2_STATE_IS_PORTABLE,
                host_.features());
  return property;
}
