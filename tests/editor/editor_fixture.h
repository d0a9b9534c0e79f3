#pragma once

#include <cstdint>
#include <vector>

#include "host/callback_entries.h"
#include "host/dorn.h"
#include "runtime/zepkin.h"
#include "tests/support/host_window.h"
#include "tests/support/script_plugin.h"

// What reached the view's table entries (and the idle entry) of the plug-in under test.
struct ViewEntryCalls {
  struct Mouse {
    double x, y;
    VstInt32 buttons;
  };
  struct Draw {
    double width, height;
    bool contextLent;
  };
  struct Key {
    VstInt32 character, modifier, virtualKey;
  };
  std::vector<Draw> draws;
  std::vector<Mouse> downs, ups, moves;
  std::vector<Key> keys;
  int idles = 0;
};
extern ViewEntryCalls entryCalls;

// The entry point's table with the drawing and mouse entries filled by recorders, and
// the idle entry counted on its way to the runtime; `withPress` false leaves entry 8
// empty.
CallbackTable ViewRecordingTable(bool withPress = true);

// A script whose drawing is redrawn 30 times a second.
class PacedScript final : public TZepkin {
 public:
  PacedScript() { refreshRate = 30.0; }
};

// A plug-in object around a PacedScript with the recording table, with its editor of
// 200 x 150 created.
class EditedPlugin : public ScriptPlugin {
 public:
  explicit EditedPlugin(bool withPress = true, bool withEditor = true);

  VstIntPtr open(HWND parent) { return instance().dispatch(effEditOpen, 0, 0, parent); }
};

// The frame's window inside the host's, once open there.
inline HWND FrameWindowIn(HWND parent) { return FindWindowExW(parent, nullptr, nullptr, nullptr); }
