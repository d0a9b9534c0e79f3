#include "graphics/drawing_layer.h"
#include "plugin/module_drawing_layer.h"

const DrawingServices* ModuleDrawingLayer() { return &drawing_layer::Services(); }
