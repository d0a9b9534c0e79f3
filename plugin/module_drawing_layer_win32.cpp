#include "graphics/drawing_layer.h"
#include "graphics/view_entries.h"
#include "plugin/module_drawing_layer.h"

const DrawingServices* ModuleDrawingLayer() { return &drawing_layer::Services(); }

void AddViewEntries(CallbackTable& table) {
  table.OnDraw = OnDraw;
  table.OnMouseDown = OnMouseDown;
  table.OnMouseUp = OnMouseUp;
  table.OnMouseMoved = OnMouseMoved;
}
