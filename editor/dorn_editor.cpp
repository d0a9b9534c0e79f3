#include "editor/dorn_editor.h"

#include <windows.h>

#include "host/dorn.h"

CDornEditor::CDornEditor(CDorn* plugin, std::int32_t width, std::int32_t height)
    : AEffGUIEditor(plugin), pluginObject(plugin), editorWidth(width), editorHeight(height) {
  rect = {0, 0, static_cast<VstInt16>(height), static_cast<VstInt16>(width)};
}

bool CDornEditor::open(void* parentWindow) {
  if (!parentWindow) return false;
  if (frame && frame->isOpen()) return true;
  releaseFrame();  // a frame whose window the host destroyed under it
  AEffEditor::open(parentWindow);  // records the host's window
  const VSTGUI::ViewRect size{0.0, 0.0, double(editorWidth), double(editorHeight)};
  frame.adopt(new VSTGUI::CFrame(size, static_cast<HWND>(parentWindow), this));
  // The frame's list takes the view's creation reference; the editor holds one more.
  auto* const view = new CDornView(size, pluginObject);
  view_.assign(view);
  frame->addView(view);
  return true;
}

void CDornEditor::close() {
  releaseFrame();
  AEffEditor::close();
}

void CDornEditor::releaseFrame() {
  view_.reset();
  frame.reset();
}

void CDornEditor::idle() {
  if (view_ && frame && pluginObject && pluginObject->callbacks.OnIdle) pluginObject->callbacks.OnIdle(pluginObject);
  AEffGUIEditor::idle();
}
