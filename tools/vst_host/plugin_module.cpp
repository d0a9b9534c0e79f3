#include "tools/vst_host/plugin_module.h"

#include <filesystem>
#include <stdexcept>

namespace {

const std::string& ExistingFile(const std::string& path) {
  if (!std::filesystem::exists(path)) throw std::runtime_error("cannot load the plug-in " + path + ": no such file");
  return path;
}

}  // namespace

PluginModule::PluginModule(const std::string& path) : path_(ExistingFile(path)), library_(path) {
  if (!library_.loaded()) throw std::runtime_error("cannot load the plug-in " + path + ": " + library_.loadError());
}

PluginEntryPoint PluginModule::entryPoint() const {
  for (const char* name : {"VSTPluginMain", "main"}) {
    if (const PluginEntryPoint entry = library_.entryPoint(name)) return entry;
  }
  throw std::runtime_error(path_ + " is not a VST 2.4 plug-in: it exports neither VSTPluginMain nor main");
}
