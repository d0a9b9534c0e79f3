#pragma once

#include "host/callback_table.h"

// The functions the plug-in entry installs in the CallbackTable (entries 7 to 12,
// drawing and input, stay empty). Each reaches the script through its plug-in object.

void OnSetup(CDorn* plugin);
void OnDestroy(CDorn* plugin);
void OnOpen(CDorn* plugin);
void OnSuspend(CDorn* plugin);
void OnResume(CDorn* plugin);
void OnIdle(CDorn* plugin);
void OnClose(CDorn* plugin);

VstInt32 OnGetVendorVersion(CDorn* plugin);
VstInt32 OnGetVendorString(CDorn* plugin, char* text);
VstInt32 OnGetProductString(CDorn* plugin, char* text);
VstInt32 OnGetEffectName(CDorn* plugin, char* text);
VstInt32 OnGetProgramName(CDorn* plugin, char* text);
void OnSetProgramName(CDorn* plugin, const char* text);
VstInt32 OnGetProgramNameIndexed(CDorn* plugin, VstInt32 category, VstInt32 index, char* text);

// Parameters map onto the script's sliders; an index outside the slider list reads
// 0, changes nothing and names nothing.
double OnGetParameter(CDorn* plugin, VstInt32 index);
void OnSetParameter(CDorn* plugin, VstInt32 index, double value);
void OnGetParameterName(CDorn* plugin, VstInt32 index, char* text);
void OnGetParameterLabel(CDorn* plugin, VstInt32 index, char* text);
void OnGetParameterDisplay(CDorn* plugin, VstInt32 index, char* text);

// Runs the block section once, then the sample section frame by frame through the
// section interface. Buffers may be the same memory: each frame reads all inputs before
// it writes any output. The plug-in entry installs in their place the entries compiled
// for the class of the script it constructs (host/script_process_entries.h).
void OnProcessReplacing(CDorn* plugin, float** inputs, float** outputs, VstInt32 frames);
void OnProcessDoubleReplacing(CDorn* plugin, double** inputs, double** outputs, VstInt32 frames);

VstInt32 OnGetChunk(CDorn* plugin, void** data, bool isPreset);
VstInt32 OnSetChunk(CDorn* plugin, void* data, VstInt32 byteSize, bool isPreset);

// The table as the plug-in entry fills it.
CallbackTable MakeCallbackTable();
