#include "editor/dorn_editor.h"
#include "editor/dorn_view.h"
#include "host/dorn.h"
#include "runtime/adaptor_services.h"

namespace {

CDornEditor* EditorOf(CDorn* plugin) { return plugin ? dynamic_cast<CDornEditor*>(plugin->getEditor()) : nullptr; }

}  // namespace

std::int32_t GfxCreateEditor(CDorn* plugin, std::int32_t width, std::int32_t height) {
  if (!plugin || plugin->getEditor()) return 0;
  new CDornEditor(plugin, width, height);  // attaches itself; the plug-in object owns it
  return 1;
}

std::int32_t GfxGetSize(CDorn* plugin, std::int32_t* width, std::int32_t* height) {
  const CDornEditor* const editor = EditorOf(plugin);
  if (!editor) return 0;
  if (width) *width = editor->editorWidth;
  if (height) *height = editor->editorHeight;
  return 1;
}

std::int32_t GfxRedraw(CDorn* plugin) {
  const CDornEditor* const editor = EditorOf(plugin);
  CDornView* const view = editor ? editor->getView() : nullptr;
  if (!view) return 0;
  view->invalidateRect(view->viewRect);
  return 1;
}
