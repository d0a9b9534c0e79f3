#include "tests/editor/editor_fixture.h"

#include "runtime/graphics_services.h"

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

PacedScript* FreshPacedScript() {
  entryCalls = {};
  return new PacedScript();
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

EditedPlugin::EditedPlugin(bool withPress, bool withEditor)
    : ScriptPlugin(FreshPacedScript(), ViewRecordingTable(withPress)) {
  if (withEditor) GfxCreateEditor(plugin(), 200, 150);
}
