#include "editor/dorn_view.h"

#include "host/dorn.h"

namespace {

// The plug-in object holds the pass's context from the call of the drawing entry to
// its return, whatever happens in between.
class LentDrawContext {
 public:
  LentDrawContext(CDorn* plugin, VSTGUI::CDrawContext* context) : plugin_(plugin) {
    plugin_->activeDrawContext = context;
  }
  ~LentDrawContext() { plugin_->activeDrawContext = nullptr; }
  LentDrawContext(const LentDrawContext&) = delete;
  LentDrawContext& operator=(const LentDrawContext&) = delete;

 private:
  CDorn* const plugin_;
};

using MouseEntry = void (*)(CDorn*, double, double, VstInt32);
using KeyEntry = void (*)(CDorn*, VstInt32 character, VstInt32 modifier, VstInt32 virtualKey);

VSTGUI::CMouseEventResult ReportMouse(CDorn* plugin, MouseEntry entry, const VSTGUI::ViewPoint& where,
                                      VSTGUI::ButtonState buttons) {
  if (plugin && entry) entry(plugin, where.x, where.y, buttons);
  return VSTGUI::kMouseEventHandled;
}

std::int32_t ReportKey(CDorn* plugin, KeyEntry entry, const VSTGUI::KeyCode& key) {
  if (plugin && entry) entry(plugin, key.character, key.modifier, key.virt);
  return 1;
}

}  // namespace

CDornView::CDornView(const VSTGUI::ViewRect& size, CDorn* plugin)
    : CView(size), pluginObject(plugin), viewRect(size) {}

void CDornView::draw(VSTGUI::CDrawContext* context) {
  if (!pluginObject || !pluginObject->callbacks.OnDraw) return;
  const LentDrawContext lent(pluginObject, context);
  pluginObject->callbacks.OnDraw(pluginObject, viewRect.width(), viewRect.height());
}

VSTGUI::CMouseEventResult CDornView::mouseDown(VSTGUI::ViewPoint& where, const VSTGUI::ButtonState& buttons) {
  return ReportMouse(pluginObject, pluginObject ? pluginObject->callbacks.OnMouseDown : nullptr, where, buttons);
}

VSTGUI::CMouseEventResult CDornView::mouseUp(VSTGUI::ViewPoint& where, const VSTGUI::ButtonState& buttons) {
  return ReportMouse(pluginObject, pluginObject ? pluginObject->callbacks.OnMouseUp : nullptr, where, buttons);
}

VSTGUI::CMouseEventResult CDornView::mouseMoved(VSTGUI::ViewPoint& where, const VSTGUI::ButtonState& buttons) {
  return ReportMouse(pluginObject, pluginObject ? pluginObject->callbacks.OnMouseMoved : nullptr, where, buttons);
}

VSTGUI::CMouseEventResult CDornView::mouseEntered(VSTGUI::ViewPoint& where, const VSTGUI::ButtonState& buttons) {
  return mouseMoved(where, buttons);
}

VSTGUI::CMouseEventResult CDornView::mouseExited(VSTGUI::ViewPoint& where, const VSTGUI::ButtonState& buttons) {
  return mouseMoved(where, buttons);
}

std::int32_t CDornView::keyDown(VSTGUI::KeyCode& key) {
  return ReportKey(pluginObject, pluginObject ? pluginObject->callbacks.OnKeyDown : nullptr, key);
}

std::int32_t CDornView::keyUp(VSTGUI::KeyCode& key) {
  return ReportKey(pluginObject, pluginObject ? pluginObject->callbacks.OnKeyUp : nullptr, key);
}
