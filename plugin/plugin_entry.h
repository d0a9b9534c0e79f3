#pragma once

#include "host/vst2_interface.h"

// The Windows build names its exports in a module definition file; elsewhere the
// entry points are the only symbols with default visibility.
#if defined(_WIN32)
#define VST_EXPORT
#else
#define VST_EXPORT __attribute__((visibility("default")))
#endif

extern "C" {
// The library's entry points: one new plug-in instance per call, or null when the
// host answers the version query with 0. "main" is exported as a second name of
// VSTPluginMain; MAIN is a copy for hosts that look for that name.
VST_EXPORT AEffect* VSTCALLBACK VSTPluginMain(audioMasterCallback audioMaster);
VST_EXPORT AEffect* VSTCALLBACK MAIN(audioMasterCallback audioMaster);
}

// The instance that this module's entry points make, defined once per module.
AEffect* CreateModuleInstance(audioMasterCallback audioMaster);
