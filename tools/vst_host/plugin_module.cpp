#include <stdexcept>

#include "tools/vst_host/plugin_module.h"

// The platform-neutral half of PluginModule; loading itself is in the _posix and
// _win32 files.

VstEntryPoint PluginModule::entryPoint() const {
  for (const char* name : {"VSTPluginMain", "main"}) {
    if (const VstEntryPoint entry = exported(name)) return entry;
  }
  throw std::runtime_error(path_ + " is not a VST 2.4 plug-in: it exports neither VSTPluginMain nor main");
}
