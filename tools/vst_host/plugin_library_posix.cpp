#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <filesystem>

#include "tools/vst_host/plugin_library.h"

PluginLibrary::PluginLibrary(const std::string& path) {
  std::error_code error;
  const std::filesystem::path file = std::filesystem::absolute(path, error);
  handle_ = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle_) return;
  const char* reason = dlerror();
  loadError_ = reason ? reason : "unknown reason";
}

PluginLibrary::~PluginLibrary() {
  if (handle_) dlclose(handle_);
}

PluginEntryPoint PluginLibrary::entryPoint(const char* name) const {
  return handle_ ? reinterpret_cast<PluginEntryPoint>(dlsym(handle_, name)) : nullptr;
}

std::string ExecutableDirectory() {
  char path[PATH_MAX] = {};
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  const std::string executable(path, length > 0 ? static_cast<std::size_t>(length) : 0);
  return executable.substr(0, executable.find_last_of('/') + 1);
}
