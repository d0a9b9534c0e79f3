#include "tests/support/script_plugin.h"

#include "graphics/drawing_layer.h"

ScriptPlugin::ScriptPlugin(TZepkin* script, const CallbackTable& table)
    : instance_(create(script, table)), plugin_(static_cast<CDorn*>(instance_.effect()->object)) {}

AEffect* ScriptPlugin::create(TZepkin* script, const CallbackTable& table) {
  InstallDrawingServices(&drawing_layer::Services());
  const auto parameters = static_cast<VstInt32>(script->sliders.size());
  AEffect* const effect = host.create([&](audioMasterCallback callback) -> AEffect* {
    CDorn* const created = CDorn::Create(script, table, callback, 1, parameters);
    return created ? created->getAeffect() : nullptr;
  });
  script->adaptor = static_cast<CDorn*>(effect->object);
  return effect;
}
