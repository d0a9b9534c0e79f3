#include "vstgui/module_instance.h"

#include "platform/win32/module_handle.h"

namespace VSTGUI {

HINSTANCE ToolkitModule() {
  if (void* module = PluginModuleHandle()) return static_cast<HINSTANCE>(module);
  return GetModuleHandleW(nullptr);
}

}  // namespace VSTGUI
