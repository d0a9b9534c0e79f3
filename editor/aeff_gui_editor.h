#pragma once

#include <cstdint>

#include "host/aeff_editor.h"
#include "vstgui/base_object.h"
#include "vstgui/editor_interface.h"
#include "vstgui/frame.h"
#include "vstgui/ole_session.h"

// The VST editor joined to the toolkit: the host's editor calls on one side, what the
// toolkit asks of its editor on the other. The frame is the editor's while it is open.
class AEffGUIEditor : public AEffEditor, public VSTGUI::VSTGUIEditorInterface {
 public:
  // The owner takes the editor with its setEditor.
  explicit AEffGUIEditor(AudioEffect* owner);

  bool getRect(ERect** rect) override;
  // Lets the frame repaint its dirty views, unless the idle work is calling the host.
  void idle() override;
  bool onKeyDown(VstKeyCode& keyCode) override;
  bool onKeyUp(VstKeyCode& keyCode) override;
  bool onWheel(float distance) override;
  bool setKnobMode(VstInt32 value) override;
  virtual void setParameter(VstInt32 index, float value);
  // Draws the frame over the rectangle, or over all of it without one.
  virtual void draw(ERect* rect);
  // The toolkit's idle while it tracks the mouse: idles, paints what waits to be
  // painted and lets the host idle, at most every 100 ms of the pacing clock.
  void doIdleStuff() override;
  std::int32_t getKnobMode() const override;
  void beginEdit(std::int32_t index) override;
  void endEdit(std::int32_t index) override;

 protected:
  // Initialised first and undone last: the frame's drop target needs OLE.
  VSTGUI::OleSession ole;
  VSTGUI::SharedObject<VSTGUI::CFrame> frame;
  ERect rect{};
  std::uint32_t lastIdleTicks;
  bool idleWorkRunning = false;
};
