#pragma once

#include "editor/aeff_gui_editor.h"
#include "editor/dorn_view.h"

class CDorn;

// The plug-in's editor: a frame in the host's window holding the one view that shows
// the script's drawing. Made by GfxCreateEditor; the plug-in object owns it.
class CDornEditor final : public AEffGUIEditor {
 public:
  CDornEditor(CDorn* plugin, std::int32_t width, std::int32_t height);
  ~CDornEditor() override { releaseFrame(); }

  // Builds frame and view in the host's window. No window opens nothing; while a frame
  // has its window, opening again makes no second one.
  bool open(void* parentWindow) override;
  // Releases the frame, and with it the view.
  void close() override;
  // The script's redraw timer first, then the frame's repaint of dirty views.
  void idle() override;

  CDornView* getView() const { return view_.get(); }

  CDorn* const pluginObject;
  const std::int32_t editorWidth;
  const std::int32_t editorHeight;

 private:
  void releaseFrame();

  // A reference of the editor's own besides the frame's, for as long as the frame lives.
  VSTGUI::SharedObject<CDornView> view_;
};
