#include "vstgui/module_instance.h"

namespace VSTGUI {

HINSTANCE ToolkitModule() {
  HMODULE module = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCWSTR>(&ToolkitModule), &module);
  return module;
}

}  // namespace VSTGUI
