#pragma once

#include <string>

#include "tools/vst_host/plugin_library.h"

// A plug-in library as vst-render loads it: construction throws std::runtime_error
// with a one-line reason when the file is missing or the system cannot load it.
class PluginModule {
 public:
  explicit PluginModule(const std::string& path);

  // VSTPluginMain, or "main", the name hosts looked for before VST 2.4; throws when
  // the library exports neither.
  PluginEntryPoint entryPoint() const;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
  PluginLibrary library_;
};
