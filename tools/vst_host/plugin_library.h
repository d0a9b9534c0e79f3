#pragma once

#include <string>

#include "host/vst2_interface.h"

using PluginEntryPoint = AEffect*(VSTCALLBACK*)(audioMasterCallback);

// For the programs that host plug-ins (the tests, vst-render, the benchmarks): a plug-in
// library loaded the way hosts load it, LoadLibrary on Windows and dlopen elsewhere,
// and unloaded when the object goes. Both loaders take a relative path as relative to
// the working folder, and never look for the file along the library search path.
class PluginLibrary {
 public:
  explicit PluginLibrary(const std::string& path);
  ~PluginLibrary();
  PluginLibrary(const PluginLibrary&) = delete;
  PluginLibrary& operator=(const PluginLibrary&) = delete;

  bool loaded() const { return handle_ != nullptr; }
  // Why the system did not load it, in one line; empty when it did.
  const std::string& loadError() const { return loadError_; }
  // The exported function of that name, or null.
  PluginEntryPoint entryPoint(const char* name) const;

 private:
  void* handle_ = nullptr;
  std::string loadError_;
};

// The folder that holds the running program, final separator included.
std::string ExecutableDirectory();
