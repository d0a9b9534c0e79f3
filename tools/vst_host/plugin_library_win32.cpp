#include <windows.h>

#include "tools/vst_host/plugin_library.h"

namespace {

std::string SystemMessage(DWORD code) {
  // The most common failure: a DLL for the other processor width, or no DLL at all.
  // vst-render is the program that shows this reason to its users.
  if (code == ERROR_BAD_EXE_FORMAT) {
    return sizeof(void*) == 8 ? "not a 64-bit Windows library (a 32-bit plug-in needs the 32-bit vst-render)"
                              : "not a 32-bit Windows library (a 64-bit plug-in needs the 64-bit vst-render)";
  }
  char* text = nullptr;
  const DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
      reinterpret_cast<char*>(&text), 0, nullptr);
  std::string message = length ? std::string(text, length) : "system error " + std::to_string(code);
  LocalFree(text);
  // System messages end in a line break (and often a full stop); a load error is one line.
  while (!message.empty() && (message.back() == '\r' || message.back() == '\n' || message.back() == '.')) {
    message.pop_back();
  }
  return message;
}

// LoadLibrary looks for a relative path along the DLL search path (the program's folder
// and the system folders before the working folder); a full path it loads as it is.
std::string FullPath(const std::string& path) {
  char full[MAX_PATH] = {};
  const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
  return length > 0 && length < MAX_PATH ? std::string(full, length) : path;
}

}  // namespace

PluginLibrary::PluginLibrary(const std::string& path) {
  // No message box for a library that fails to load: the reason goes to the caller.
  const UINT previousMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  handle_ = LoadLibraryA(FullPath(path).c_str());
  const DWORD error = GetLastError();
  SetErrorMode(previousMode);
  if (!handle_) loadError_ = SystemMessage(error);
}

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
