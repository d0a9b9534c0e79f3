#include "runtime/zepkin.h"

#include "platform/pacing_clock.h"
#include "runtime/graphics_services.h"
#include "runtime/spectral_tables.h"

TZepkin::TZepkin() {
  PrepareSpectralTables();
  ResetRuntime();
}

TZepkin::~TZepkin() = default;

void TZepkin::ResetRuntime() {
  memoryBlocks.clear();
  strings.clear();
  stringCount = 0.0;
  lastRefreshTick = 0;
}

void TZepkin::DoResume() {
  DoInit();
  DoSlider();
}

std::int32_t TZepkin::EnsureInit() {
  if (initCount == 0) DoInit();
  return ++initCount;
}

void TZepkin::DoGfxTimer() {
  if (!(refreshRate > 0.0)) return;
  // In unsigned arithmetic, so that the clock's wrap-around costs no redraw.
  const std::uint32_t elapsed = PacingMilliseconds() - static_cast<std::uint32_t>(lastRefreshTick);
  if (static_cast<double>(elapsed) > 1000.0 / refreshRate) {
    GfxRedraw(adaptor);
    lastRefreshTick = static_cast<std::int32_t>(PacingMilliseconds());
  }
}
