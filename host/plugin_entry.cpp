#include "host/plugin_entry.h"

#include <memory>
#include <utility>

#include "host/callback_entries.h"
#include "host/dorn.h"
#include "host/script_factory.h"
#include "platform/guarded_call.h"
#include "runtime/zepkin.h"

namespace {

AEffect* CreateInstance(audioMasterCallback audioMaster) {
  CallbackTable table = MakeCallbackTable();
  CreatedScript created = CreateScript();
  // The process entries made for the script's class replace the general ones.
  table.OnProcessReplacing = created.process.replacing;
  table.OnProcessDoubleReplacing = created.process.doubleReplacing;
  std::unique_ptr<TZepkin> script = std::move(created.script);
  const auto parameterCount = static_cast<VstInt32>(script->sliders.size());
  CDorn* plugin = CDorn::Create(script.get(), table, audioMaster, 1, parameterCount);
  if (!plugin) return nullptr;  // the script goes with the unique_ptr
  script.release()->adaptor = plugin;
  return plugin->getAeffect();
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
