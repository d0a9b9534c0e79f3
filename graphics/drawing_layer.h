#pragma once

#include "runtime/drawing_services.h"

namespace drawing_layer {

// The drawing layer's services table, for the plug-in module to install.
const DrawingServices& Services();

// Each part of the layer fills in its own entries.
void AddEditorEntries(DrawingServices& services);
void AddShapeEntries(DrawingServices& services);
void AddFontEntries(DrawingServices& services);
void AddImageEntries(DrawingServices& services);

}  // namespace drawing_layer
