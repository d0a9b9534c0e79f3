#include <windows.h>

#include <cstdlib>

#include "tests/support/plugin_library.h"

PluginLibrary::PluginLibrary(const std::string& path) : handle_(LoadLibraryA(path.c_str())) {}

PluginLibrary::~PluginLibrary() {
  if (handle_) FreeLibrary(static_cast<HMODULE>(handle_));
}

PluginEntryPoint PluginLibrary::entryPoint(const char* name) const {
  if (!handle_) return nullptr;
  // Through a plain function pointer type: the exports have their own signature, not FARPROC's.
  const auto address = reinterpret_cast<void (*)()>(GetProcAddress(static_cast<HMODULE>(handle_), name));
  return reinterpret_cast<PluginEntryPoint>(address);
}

std::string ExecutableDirectory() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  const std::string executable(path, length);
  return executable.substr(0, executable.find_last_of("\\/") + 1);
}

std::string BuiltPluginPath() {
  if (const char* chosen = std::getenv("QUORVANTILE_PLUGIN")) return chosen;
  return ExecutableDirectory() + "Veltronika_Quorvantile.dll";
}
