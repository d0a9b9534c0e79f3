#pragma once

#include "host/vst2_interface.h"
#include "lv2/lv2_description.h"

class CDorn;

// The fader as an LV2 plug-in: its identity in the bundle, and its plug-in objects.
inline constexpr Lv2Identity kFaderLv2{"urn:veltronika:quorvantile", "lv2:AmplifierPlugin",
                                       "Veltronika_Quorvantile.so", "Veltronika_Quorvantile.ttl"};

CDorn* MakeFaderPluginObject(audioMasterCallback host);
