#pragma once

#include "host/vst2_interface.h"

class CDorn;

// The 29 plain functions through which the plug-in object reaches the script
// runtime. A null entry makes its request do nothing and answer 0.
struct CallbackTable {
  void (*OnSetup)(CDorn*);    // 0
  void (*OnDestroy)(CDorn*);  // 1
  void (*OnOpen)(CDorn*);     // 2
  void (*OnSuspend)(CDorn*);  // 3
  void (*OnResume)(CDorn*);   // 4
  void (*OnIdle)(CDorn*);     // 5
  void (*OnClose)(CDorn*);    // 6
  void (*OnDraw)(CDorn*, double width, double height);        // 7
  void (*OnMouseDown)(CDorn*, double x, double y, VstInt32 buttons);  // 8
  void (*OnMouseUp)(CDorn*, double x, double y, VstInt32 buttons);    // 9
  void (*OnMouseMoved)(CDorn*, double x, double y, VstInt32 buttons);  // 10
  void (*OnKeyDown)(CDorn*, VstInt32 character, VstInt32 modifier, VstInt32 virtualKey);  // 11
  void (*OnKeyUp)(CDorn*, VstInt32 character, VstInt32 modifier, VstInt32 virtualKey);    // 12
  VstInt32 (*OnGetVendorVersion)(CDorn*);               // 13
  VstInt32 (*OnGetVendorString)(CDorn*, char* text);    // 14
  VstInt32 (*OnGetProductString)(CDorn*, char* text);   // 15
  VstInt32 (*OnGetEffectName)(CDorn*, char* text);      // 16
  VstInt32 (*OnGetProgramName)(CDorn*, char* text);     // 17
  void (*OnSetProgramName)(CDorn*, const char* text);   // 18
  VstInt32 (*OnGetProgramNameIndexed)(CDorn*, VstInt32 category, VstInt32 index, char* text);  // 19
  double (*OnGetParameter)(CDorn*, VstInt32 index);                 // 20
  void (*OnSetParameter)(CDorn*, VstInt32 index, double value);     // 21
  void (*OnGetParameterName)(CDorn*, VstInt32 index, char* text);     // 22
  void (*OnGetParameterLabel)(CDorn*, VstInt32 index, char* text);    // 23
  void (*OnGetParameterDisplay)(CDorn*, VstInt32 index, char* text);  // 24
  void (*OnProcessReplacing)(CDorn*, float** inputs, float** outputs, VstInt32 frames);         // 25
  void (*OnProcessDoubleReplacing)(CDorn*, double** inputs, double** outputs, VstInt32 frames);  // 26
  VstInt32 (*OnGetChunk)(CDorn*, void** data, bool isPreset);                  // 27
  VstInt32 (*OnSetChunk)(CDorn*, void* data, VstInt32 byteSize, bool isPreset);  // 28
};

static_assert(sizeof(CallbackTable) == 29 * sizeof(void (*)()), "29 entries, nothing else");
