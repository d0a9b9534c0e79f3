#include "plugin/plugin_entry.h"

#include "platform/guarded_call.h"

extern "C" {

VST_HOST_ENTRY AEffect* VSTCALLBACK VSTPluginMain(audioMasterCallback audioMaster) {
  return GuardedHostCall<AEffect*>(nullptr, [&] { return CreateModuleInstance(audioMaster); });
}

VST_HOST_ENTRY AEffect* VSTCALLBACK MAIN(audioMasterCallback audioMaster) {
  return GuardedHostCall<AEffect*>(nullptr, [&] { return CreateModuleInstance(audioMaster); });
}

}  // extern "C"
