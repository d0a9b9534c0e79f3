#include <dlfcn.h>

#include "platform/platform_services.h"

std::string ModuleFilePath() {
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&ModuleFilePath), &info) == 0 || !info.dli_fname) return {};
  return info.dli_fname;
}
