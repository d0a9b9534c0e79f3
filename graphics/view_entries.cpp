#include "graphics/view_entries.h"

#include <algorithm>
#include <cmath>

#include "host/dorn.h"
#include "runtime/zepkin.h"

namespace {

constexpr double kLeastRefreshRate = 30.0;

void RecordPointer(TZepkin& script, double x, double y) {
  script.mouseX = x;
  script.mouseY = y;
  // A rate that is not a number is left as it is.
  if (!std::isnan(script.refreshRate)) script.refreshRate = std::max(script.refreshRate, kLeastRefreshRate);
}

}  // namespace

double ScriptMouseBits(VstInt32 buttons) {
  const VstInt32 bits = ((buttons & 0x02) >> 1) | ((buttons & 0x04) << 4) | ((buttons & 0x08) >> 2) |
                        ((buttons & 0x10) >> 1) | ((buttons & 0x20) >> 3) | ((buttons & 0x40) >> 2);
  return static_cast<double>(bits);
}

void OnDraw(CDorn* plugin, double /*width*/, double /*height*/) {
  if (TZepkin* script = RuntimeOf(plugin)) script->DoGfx();
}

void OnMouseDown(CDorn* plugin, double x, double y, VstInt32 buttons) {
  TZepkin* const script = RuntimeOf(plugin);
  if (!script) return;
  script->mouseButtonBits = ScriptMouseBits(buttons);
  if (static_cast<std::int32_t>(script->mouseButtonBits) & 1) script->mouseLeftPresses += 1.0;
  RecordPointer(*script, x, y);
}

void OnMouseUp(CDorn* plugin, double x, double y, VstInt32 /*buttons*/) {
  TZepkin* const script = RuntimeOf(plugin);
  if (!script) return;
  script->mouseButtonBits = 0.0;
  RecordPointer(*script, x, y);
}

// A drag keeps the buttons of its press, whatever the move reports.
void OnMouseMoved(CDorn* plugin, double x, double y, VstInt32 /*buttons*/) {
  if (TZepkin* script = RuntimeOf(plugin)) RecordPointer(*script, x, y);
}
