#pragma once

#include "runtime/drawing_services.h"

// The drawing layer this module carries: the Windows builds carry one, whose table it
// answers; the Linux build carries none and answers null.
const DrawingServices* ModuleDrawingLayer();
