#include <windows.h>

#include "platform/win32/module_handle.h"

// Runs for every attach and detach notification; only the handle is of interest.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD /*reason*/, LPVOID /*reserved*/) {
  StorePluginModuleHandle(instance);
  return TRUE;
}
