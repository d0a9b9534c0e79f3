#include "plugin/fader_lv2.h"

#include "host/callback_entries.h"
#include "plugin/plugin_instance.h"

CDorn* MakeFaderPluginObject(audioMasterCallback host) {
  return CreatePluginObject(host, MakeCallbackTable(), CreateFaderScript());
}
