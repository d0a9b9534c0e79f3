#include "platform/win32/module_handle.h"

namespace {
void* storedModule = nullptr;
}

void* PluginModuleHandle() { return storedModule; }

void StorePluginModuleHandle(void* module) { storedModule = module; }
