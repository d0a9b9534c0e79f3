#include "tests/editor/editor_fixture.h"

#include "runtime/adaptor_services.h"

ViewEntryCalls entryCalls;

namespace {

void RecordDraw(CDorn* plugin, double width, double height) {
  entryCalls.draws.push_back({width, height, plugin->activeDrawContext != nullptr});
}
void RecordDown(CDorn*, double x, double y, VstInt32 buttons) { entryCalls.downs.push_back({x, y, buttons}); }
void RecordUp(CDorn*, double x, double y, VstInt32 buttons) { entryCalls.ups.push_back({x, y, buttons}); }
void RecordMove(CDorn*, double x, double y, VstInt32 buttons) { entryCalls.moves.push_back({x, y, buttons}); }
void RecordKey(CDorn*, VstInt32 character, VstInt32 modifier, VstInt32 virtualKey) {
  entryCalls.keys.push_back({character, modifier, virtualKey});
}
void CountIdle(CDorn* plugin) {
  ++entryCalls.idles;
  OnIdle(plugin);
}

AEffect* MakePlugin(TestHost& host, bool withPress) {
  entryCalls = {};
  auto* script = new PacedScript();
  AEffect* effect = host.create([&](audioMasterCallback callback) -> AEffect* {
    CDorn* created = CDorn::Create(script, ViewRecordingTable(withPress), callback, 1, 0);
    return created ? created->getAeffect() : nullptr;
  });
  script->adaptor = static_cast<CDorn*>(effect->object);
  return effect;
}

}  // namespace

CallbackTable ViewRecordingTable(bool withPress) {
  CallbackTable table = MakeCallbackTable();
  table.OnIdle = CountIdle;
  table.OnDraw = RecordDraw;
  table.OnMouseDown = withPress ? RecordDown : nullptr;
  table.OnMouseUp = RecordUp;
  table.OnMouseMoved = RecordMove;
  table.OnKeyDown = RecordKey;
  table.OnKeyUp = RecordKey;
  return table;
}

EditedPlugin::EditedPlugin(bool withPress, bool withEditor) : instance_(MakePlugin(host, withPress)) {
  plugin_ = static_cast<CDorn*>(instance_.effect()->object);
  if (withEditor) GfxCreateEditor(plugin_, 200, 150);
}
