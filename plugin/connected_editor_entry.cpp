#include "effect/zepkin_effect.h"
#include "host/callback_entries.h"
#include "host/dorn.h"
#include "plugin/module_drawing_layer.h"
#include "plugin/plugin_entry.h"
#include "plugin/plugin_instance.h"
#include "runtime/graphics_services.h"

// The entry points of the connected-editor build: the product's fader with its editor
// connected, for tests and for whoever wants to see the drawing layer at work. It is
// never installed as the product, which has no editor.

namespace {

constexpr std::int32_t kEditorWidth = 400;
constexpr std::int32_t kEditorHeight = 200;

// A further slider for the fader's background colour (packed, red in the low byte), so
// that the drawing section has something to paint.
void AddBackgroundSlider(TZepkin& script) {
  auto* const fader = dynamic_cast<TZepkinEffect*>(&script);
  if (!fader || !fader->AddSlider({3, 0.0, 0.0, 16777215.0, 1.0, "", "", "background colour"})) return;
  fader->sliders.back().boundVariable = &fader->clearColor;
}

}  // namespace

AEffect* CreateModuleInstance(audioMasterCallback audioMaster) {
  CallbackTable table = MakeCallbackTable();
  AddViewEntries(table);
  CreatedScript created = CreateFaderScript();
  AddBackgroundSlider(*created.script);
  CDorn* const plugin = CreatePluginObject(audioMaster, table, std::move(created));
  if (!plugin) return nullptr;
  GfxCreateEditor(plugin, kEditorWidth, kEditorHeight);
  return plugin->getAeffect();
}
