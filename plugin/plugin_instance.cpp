#include "plugin/plugin_instance.h"

#include <memory>
#include <utility>

#include "host/dorn.h"
#include "plugin/module_drawing_layer.h"

CDorn* CreatePluginObject(audioMasterCallback audioMaster, CallbackTable table, CreatedScript created) {
  InstallDrawingServices(ModuleDrawingLayer());
  // The process entries made for the script's class replace the general ones.
  table.OnProcessReplacing = created.process.replacing;
  table.OnProcessDoubleReplacing = created.process.doubleReplacing;
  std::unique_ptr<TZepkin> script = std::move(created.script);
  const auto parameterCount = static_cast<VstInt32>(script->sliders.size());
  CDorn* plugin = CDorn::Create(script.get(), table, audioMaster, 1, parameterCount);
  if (!plugin) return nullptr;  // the script goes with the unique_ptr
  script.release()->adaptor = plugin;
  return plugin;
}
