#pragma once

#include "vstgui/view.h"

class CDorn;

// The one view of the editor: it draws nothing of its own and hands every drawing
// pass, mouse event and key to the script through the plug-in object's table.
class CDornView final : public VSTGUI::CView {
 public:
  CDornView(const VSTGUI::ViewRect& size, CDorn* plugin);

  // Lends the context to the plug-in object for exactly the pass.
  void draw(VSTGUI::CDrawContext* context) override;
  // Always handled, so that the view receives the moves and the release of a press.
  VSTGUI::CMouseEventResult mouseDown(VSTGUI::ViewPoint& where, const VSTGUI::ButtonState& buttons) override;
  VSTGUI::CMouseEventResult mouseUp(VSTGUI::ViewPoint& where, const VSTGUI::ButtonState& buttons) override;
  VSTGUI::CMouseEventResult mouseMoved(VSTGUI::ViewPoint& where, const VSTGUI::ButtonState& buttons) override;
  // The pointer coming in and going out reach the script as moves too, so that it
  // knows where the pointer is from the first move on, and that it left.
  VSTGUI::CMouseEventResult mouseEntered(VSTGUI::ViewPoint& where, const VSTGUI::ButtonState& buttons) override;
  VSTGUI::CMouseEventResult mouseExited(VSTGUI::ViewPoint& where, const VSTGUI::ButtonState& buttons) override;
  std::int32_t keyDown(VSTGUI::KeyCode& key) override;
  std::int32_t keyUp(VSTGUI::KeyCode& key) override;

  CDorn* const pluginObject;
  const VSTGUI::ViewRect viewRect;
};
