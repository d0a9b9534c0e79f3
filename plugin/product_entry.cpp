#include "plugin/plugin_entry.h"

#include "host/callback_entries.h"
#include "host/dorn.h"
#include "platform/guarded_call.h"
#include "plugin/plugin_instance.h"

namespace {

// The product has no editor: the table's drawing and input entries stay empty.
AEffect* CreateInstance(audioMasterCallback audioMaster) {
  CDorn* const plugin = CreatePluginObject(audioMaster, MakeCallbackTable(), CreateScript());
  return plugin ? plugin->getAeffect() : nullptr;
}

}  // namespace

extern "C" {

VST_HOST_ENTRY AEffect* VSTCALLBACK VSTPluginMain(audioMasterCallback audioMaster) {
  return GuardedHostCall<AEffect*>(nullptr, [&] { return CreateInstance(audioMaster); });
}

VST_HOST_ENTRY AEffect* VSTCALLBACK MAIN(audioMasterCallback audioMaster) {
  return GuardedHostCall<AEffect*>(nullptr, [&] { return CreateInstance(audioMaster); });
}

}  // extern "C"
