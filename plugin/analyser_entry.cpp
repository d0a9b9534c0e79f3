#include "host/callback_entries.h"
#include "host/dorn.h"
#include "plugin/module_drawing_layer.h"
#include "plugin/plugin_entry.h"
#include "plugin/plugin_instance.h"
#include "runtime/graphics_services.h"

// The spectrum analyser's module: with its editor where the module carries the drawing
// layer (Windows); the Linux build has none and still analyses.

namespace {

constexpr std::int32_t kEditorWidth = 640;
constexpr std::int32_t kEditorHeight = 320;

}  // namespace

AEffect* CreateModuleInstance(audioMasterCallback audioMaster) {
  CallbackTable table = MakeCallbackTable();
  AddViewEntries(table);
  CDorn* const plugin = CreatePluginObject(audioMaster, table, CreateAnalyserScript());
  if (!plugin) return nullptr;
  GfxCreateEditor(plugin, kEditorWidth, kEditorHeight);
  return plugin->getAeffect();
}
