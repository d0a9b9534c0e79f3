#include <lv2/core/lv2.h>

#include "lv2/lv2_plugin.h"
#include "plugin/fader_lv2.h"

namespace {
const Lv2Plugin kFader = MakeLv2Plugin(kFaderLv2.uri, MakeFaderPluginObject);
}

// The bundle's one plug-in.
LV2_SYMBOL_EXPORT const LV2_Descriptor* lv2_descriptor(uint32_t index) {
  return index == 0 ? &kFader.descriptor : nullptr;
}
