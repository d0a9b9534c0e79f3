#include "plugin/module_drawing_layer.h"

// No drawing layer here: the scripts' drawing and editor calls answer as outside a pass.
const DrawingServices* ModuleDrawingLayer() { return nullptr; }

void AddViewEntries(CallbackTable& /*table*/) {}
