#pragma once

#include "host/vst2_interface.h"

class CDorn;

// The runtime's table entries for the editor's view: a drawing pass runs the script's
// drawing section; mouse events keep the pointer's position and buttons for the script
// and raise its redraw rate to at least 30 a second.
void OnDraw(CDorn* plugin, double width, double height);
void OnMouseDown(CDorn* plugin, double x, double y, VstInt32 buttons);
void OnMouseUp(CDorn* plugin, double x, double y, VstInt32 buttons);
void OnMouseMoved(CDorn* plugin, double x, double y, VstInt32 buttons);

// The script's mouse bits (1 left, 2 right, 4 Control, 8 Shift, 16 Alt, 64 middle) of a
// toolkit button state.
double ScriptMouseBits(VstInt32 buttons);
