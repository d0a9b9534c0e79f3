#include "plugin/plugin_entry.h"

// Old hosts look for an entry named "main". C++ cannot declare a function of that
// name with this signature, so this one takes the name at assembly level.
extern "C" VST_EXPORT AEffect* VSTCALLBACK VSTPluginMainAsMain(audioMasterCallback audioMaster) __asm__("main");

AEffect* VSTCALLBACK VSTPluginMainAsMain(audioMasterCallback audioMaster) { return VSTPluginMain(audioMaster); }
