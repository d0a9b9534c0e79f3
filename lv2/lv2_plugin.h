#pragma once

#include <lv2/core/lv2.h>

#include "host/vst2_interface.h"

class CDorn;

// An LV2 plug-in made of VST plug-in objects: its descriptor, and the function that
// makes one plug-in object for a host callback (null when none can be made).
struct Lv2Plugin {
  LV2_Descriptor descriptor;  // first: the host hands back the descriptor's address
  CDorn* (*makePluginObject)(audioMasterCallback host);
};

Lv2Plugin MakeLv2Plugin(const char* uri, CDorn* (*makePluginObject)(audioMasterCallback host));

// What the plug-in objects ask of their LV2 host: it answers its VST version and
// nothing else (no time information, no display, no MIDI).
VstIntPtr VSTCALLBACK Lv2HostCallback(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                                      float opt);

// The plug-in objects' block size when the host names no largest block.
constexpr VstInt32 kLv2DefaultBlockSize = 1024;

// The URI of the property that holds the state chunk: the plug-in's own, with ":state".
constexpr const char* kLv2StateSuffix = ":state";
