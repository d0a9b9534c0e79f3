#include <memory>

#include "editor/dorn_editor.h"
#include "graphics/drawing_layer.h"
#include "host/dorn.h"

namespace {

CDornEditor* EditorOf(CDorn* plugin) { return plugin ? dynamic_cast<CDornEditor*>(plugin->getEditor()) : nullptr; }

std::int32_t GfxCreateEditor(CDorn* plugin, std::int32_t width, std::int32_t height) {
  if (!plugin || plugin->getEditor()) return 0;
  plugin->setEditor(std::make_unique<CDornEditor>(plugin, width, height));
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

}  // namespace

void drawing_layer::AddEditorEntries(DrawingServices& services) {
  services.GfxCreateEditor = GfxCreateEditor;
  services.GfxGetSize = GfxGetSize;
  services.GfxRedraw = GfxRedraw;
}
