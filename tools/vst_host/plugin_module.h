#pragma once

#include <string>

#include "host/vst2_interface.h"

using VstEntryPoint = AEffect*(VSTCALLBACK*)(audioMasterCallback);

// A plug-in library loaded the way hosts load it (dlopen, LoadLibrary) and unloaded
// when the object goes. Construction throws std::runtime_error with a one-line reason
// when the file is missing or the system cannot load it.
class PluginModule {
 public:
  explicit PluginModule(const std::string& path);
  ~PluginModule();
  PluginModule(const PluginModule&) = delete;
  PluginModule& operator=(const PluginModule&) = delete;

  // VSTPluginMain, or "main", the name hosts looked for before VST 2.4; throws when
  // the library exports neither.
  VstEntryPoint entryPoint() const;
  const std::string& path() const { return path_; }

 private:
  // The exported function of that name, or null.
  VstEntryPoint exported(const char* name) const;

  std::string path_;
  void* handle_;
};

// The folder that holds the running program, final separator included.
std::string ExecutableDirectory();
