#include <windows.h>

#include "platform/win32/module_handle.h"

// Runs for every attach and detach notification.
//
// The library carries its own copies of libstdc++ and of the posix-thread runtime under
// it, which take a thread-local storage index, per-thread records and libstdc++'s
// emergency exception memory when the library loads, and give none of them back when it
// is unloaded. A process has 1088 such indices, and the runtime ends the process when it
// finds none left: a host that loads and unloads the plug-in again and again (hosts do,
// when they scan their plug-in folders) would lose one index, two handles and some 75 KB
// each time, and finally be ended by it. So the library pins itself on its first load: later loads
// find it mapped and initialised, and unloading it costs nothing.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/) {
  StorePluginModuleHandle(instance);
  if (reason == DLL_PROCESS_ATTACH) {
    HMODULE pinned = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                       reinterpret_cast<LPCWSTR>(instance), &pinned);
  }
  return TRUE;
}
