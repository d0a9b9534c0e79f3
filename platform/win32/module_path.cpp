#include <windows.h>

#include "platform/platform_services.h"
#include "platform/win32/module_handle.h"

std::string ModuleFilePath() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(static_cast<HMODULE>(PluginModuleHandle()), path, MAX_PATH);
  return std::string(path, length < MAX_PATH ? length : MAX_PATH);
}
