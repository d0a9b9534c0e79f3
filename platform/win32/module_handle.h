#pragma once

// The plug-in library's module handle, stored by the module entry when the system
// loads the library. Null in programs that link the core without the library.
void* PluginModuleHandle();
void StorePluginModuleHandle(void* module);
