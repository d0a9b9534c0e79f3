#pragma once

#include <string>

#include "host/vst2_interface.h"

using PluginEntryPoint = AEffect*(VSTCALLBACK*)(audioMasterCallback);

// A plug-in library loaded the way a host loads it: LoadLibrary on Windows, dlopen
// elsewhere. Unloaded when the object goes.
class PluginLibrary {
 public:
  explicit PluginLibrary(const std::string& path);
  ~PluginLibrary();
  PluginLibrary(const PluginLibrary&) = delete;
  PluginLibrary& operator=(const PluginLibrary&) = delete;

  bool loaded() const { return handle_ != nullptr; }
  // The exported function of that name, or null.
  PluginEntryPoint entryPoint(const char* name) const;

 private:
  void* handle_;
};

// The plug-in built beside the running test program, unless QUORVANTILE_PLUGIN names
// another file.
std::string BuiltPluginPath();
// The folder that holds the running program, final separator included.
std::string ExecutableDirectory();
