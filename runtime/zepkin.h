#pragma once

#include <cstdint>

#include "runtime/zepkin_handoff.h"

// The runtime object a translated script derives from. Its virtual operations are
// the script's sections; the plug-in side reaches a script only through them and
// through a few plain fields (description, sliders, sample channels, chunk stream).
class TZepkin : public CZepkinHandoff {
 public:
  static constexpr float kChunkMarker = -1000.0f;

  TZepkin();
  virtual ~TZepkin();
  TZepkin(const TZepkin&) = delete;
  TZepkin& operator=(const TZepkin&) = delete;

  virtual void DoOpen() { ResetRuntime(); }
  virtual void DoClose() {}
  virtual void DoSuspend() {}
  virtual void DoResume();
  virtual void DoInit() {}
  // Runs the init section on the first call only; returns how often it was called.
  virtual std::int32_t EnsureInit();
  virtual void DoGfx() {}
  // Asks for a redraw of the editor's view at most refreshRate times per second.
  virtual void DoGfxTimer();
  virtual void DoSerialize() {}
  // Restores the state chunk: marker, then the serialize section's values.
  virtual std::int32_t ReadChunk(const void* data, std::int32_t byteSize, bool isPreset);
  // Produces the state chunk in stream 0; stores its address in *data and returns
  // its size, or 0 (leaving *data alone) when the serialize section saves nothing.
  virtual std::int32_t WriteChunk(void** data, bool isPreset);

  // Empties script memory and the string table, and zeroes the counters.
  void ResetRuntime();

  std::int32_t lastRefreshTick = 0;  // pacing clock reading, milliseconds, of the last paced redraw
  std::int32_t initCount = 0;
};
