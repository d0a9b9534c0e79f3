#pragma once

#include "host/callback_table.h"
#include "runtime/drawing_services.h"

// The drawing layer this module carries: the Windows builds carry one, whose table it
// answers; the Linux build carries none and answers null.
const DrawingServices* ModuleDrawingLayer();
// Fills the table's entries for an editor's view (drawing and mouse) where the module
// carries a drawing layer; elsewhere there is no view to serve, and they stay empty.
void AddViewEntries(CallbackTable& table);
