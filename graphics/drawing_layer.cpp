#include "graphics/drawing_layer.h"

const DrawingServices& drawing_layer::Services() {
  static const DrawingServices services = [] {
    DrawingServices filled{};
    AddEditorEntries(filled);
    AddShapeEntries(filled);
    AddFontEntries(filled);
    AddImageEntries(filled);
    return filled;
  }();
  return services;
}
