#pragma once

#include <lv2/state/state.h>
#include <lv2/urid/urid.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "host/vst2_interface.h"
#include "lv2/lv2_ports.h"

class CDorn;
class TZepkin;

// A plug-in object, closed through its effect record (which deletes it) when it goes.
struct ClosePluginObject {
  void operator()(CDorn* plugin) const;
};
using PluginObject = std::unique_ptr<CDorn, ClosePluginObject>;

// A VST plug-in object as an LV2 host sees it. The object is driven through its effect
// record exactly as a VST host drives it (open, sample rate, block size, resume, suspend,
// parameters, processing, chunks), so that both formats render alike; its sliders give
// the control ports their units.
class Lv2Instance {
 public:
  // The URIs an instance uses, mapped once; 0 where the host gave no map.
  struct Urids {
    LV2_URID stateKey;
    LV2_URID chunkType;
  };

  // Opens the plug-in object at the sample rate and block size.
  Lv2Instance(PluginObject plugin, float sampleRate, VstInt32 blockSize, Urids urids);
  Lv2Instance(const Lv2Instance&) = delete;
  Lv2Instance& operator=(const Lv2Instance&) = delete;

  void connect(std::uint32_t port, void* data);
  void activate();
  void deactivate();
  // Control values that changed since the last run reach the sliders first. Allocates
  // nothing, locks nothing.
  void run(std::uint32_t frames);

  // The state chunk as one property of type atom:Chunk. Both answer that a feature is
  // missing when the host gave no URID map.
  LV2_State_Status save(LV2_State_Store_Function store, LV2_State_Handle handle) const;
  // `trial` is a fresh plug-in object of the same kind, to try the chunk on first: a
  // chunk of another size, without the marker, or whose restore leaves a slider outside
  // its range or not a number changes nothing here.
  LV2_State_Status restore(LV2_State_Retrieve_Function retrieve, LV2_State_Handle handle, PluginObject trial);

 private:
  void applyControls();
  bool audioConnected() const;

  const PluginObject plugin_;
  AEffect* const effect_;
  const TZepkin& script_;
  const Lv2PortLayout layout_;
  const Urids urids_;
  std::vector<float*> inputs_;
  std::vector<float*> outputs_;
  std::vector<const float*> controls_;
  std::vector<float> lastControls_;  // in the slider's units, as last seen on each port
};

// The ports of a plug-in object.
Lv2PortLayout PortLayoutOf(CDorn* plugin);
