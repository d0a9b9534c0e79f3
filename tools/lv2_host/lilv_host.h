#pragma once

#include <lilv/lilv.h>
#include <lv2/options/options.h>
#include <lv2/state/state.h>
#include <lv2/urid/urid.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

// An LV2 host on lilv, the LV2 reference host library, as Linux hosts are: the world
// holds the LV2 vocabularies installed on the system and the fader's bundle, URIs are
// mapped, and the largest block is named in its options. For the tests and benchmarks.
class LilvHost {
 public:
  static constexpr int kLargestBlock = 512;

  // The bundle folder, as the native build makes it.
  explicit LilvHost(const char* bundle);
  ~LilvHost();
  LilvHost(const LilvHost&) = delete;
  LilvHost& operator=(const LilvHost&) = delete;

  const LilvPlugin* plugin() const { return plugin_; }
  LilvWorld* world() const { return world_; }
  LV2_URID map(const char* uri);
  LV2_URID_Map* mapFeature() { return &map_; }
  const LV2_Feature* const* features() const { return features_.data(); }
  // The plug-in's port of that symbol.
  const LilvPort* port(const char* symbol) const;

 private:
  static LV2_URID Map(LV2_URID_Map_Handle handle, const char* uri);

  LilvWorld* world_;
  const LilvPlugin* plugin_ = nullptr;
  std::map<std::string, LV2_URID> urids_;
  LV2_URID_Map map_{this, Map};
  int32_t largestBlock_ = kLargestBlock;
  std::vector<LV2_Options_Option> options_;
  LV2_Feature mapFeature_{};
  LV2_Feature optionsFeature_{};
  std::vector<const LV2_Feature*> features_;
};

// One property as a plug-in's state save stored it.
struct SavedProperty {
  LV2_URID key = 0;
  LV2_URID type = 0;
  std::vector<unsigned char> value;
};

// One instance of the fader from the bundle, its two controls connected, activated,
// processing two channels in place.
class LilvFader {
 public:
  explicit LilvFader(LilvHost& host, double rate = 44100.0);
  ~LilvFader();
  LilvFader(const LilvFader&) = delete;
  LilvFader& operator=(const LilvFader&) = delete;

  bool instantiated() const { return instance_ != nullptr; }
  LilvInstance* instance() const { return instance_; }
  const LV2_State_Interface* state() const;
  float level = 1.0f;        // control port "target level"
  float fadeSeconds = 7.5f;  // control port "fade time"
  // Runs in place over the channels in blocks of at most the host's largest block.
  void process(std::vector<float>& left, std::vector<float>& right, std::size_t blockSize = LilvHost::kLargestBlock);
  // What the plug-in's state save stores (its last property).
  SavedProperty saved() const;

 private:
  LilvHost& host_;
  LilvInstance* instance_;
};
