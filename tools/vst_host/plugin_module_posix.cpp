#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <stdexcept>

#include "tools/vst_host/plugin_module.h"

namespace {

std::string LastLoaderError() {
  const char* reason = dlerror();
  return reason ? reason : "unknown reason";
}

// dlopen searches the library path for a bare file name; a plug-in named on the
// command line is a file, wherever the user stands.
void* Load(const std::string& path) {
  if (!std::filesystem::exists(path)) throw std::runtime_error("cannot load the plug-in " + path + ": no such file");
  void* handle = dlopen(std::filesystem::absolute(path).c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) throw std::runtime_error("cannot load the plug-in " + path + ": " + LastLoaderError());
  return handle;
}

}  // namespace

PluginModule::PluginModule(const std::string& path) : path_(path), handle_(Load(path)) {}

PluginModule::~PluginModule() { dlclose(handle_); }

VstEntryPoint PluginModule::exported(const char* name) const {
  return reinterpret_cast<VstEntryPoint>(dlsym(handle_, name));
}

std::string ExecutableDirectory() {
  char path[PATH_MAX] = {};
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  const std::string executable(path, length > 0 ? static_cast<std::size_t>(length) : 0);
  return executable.substr(0, executable.find_last_of('/') + 1);
}
