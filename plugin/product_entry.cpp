#include "host/callback_entries.h"
#include "host/dorn.h"
#include "plugin/plugin_entry.h"
#include "plugin/plugin_instance.h"

// The product has no editor: the table's drawing and input entries stay empty.
AEffect* CreateModuleInstance(audioMasterCallback audioMaster) {
  CDorn* const plugin = CreatePluginObject(audioMaster, MakeCallbackTable(), CreateFaderScript());
  return plugin ? plugin->getAeffect() : nullptr;
}
