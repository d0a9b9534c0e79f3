#include "runtime/zepkin.h"

#include <ctime>

#include "runtime/adaptor_services.h"
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

namespace {

std::int32_t LibraryClockTicks() {
  return static_cast<std::int32_t>(static_cast<long long>(std::clock()) * 1000 / CLOCKS_PER_SEC);
}

RefreshClock refreshClock = LibraryClockTicks;

}  // namespace

std::int32_t RefreshClockTicks() { return refreshClock(); }

void UseRefreshClock(RefreshClock clock) { refreshClock = clock ? clock : LibraryClockTicks; }

void TZepkin::DoGfxTimer() {
  if (!(refreshRate > 0.0)) return;
  const std::int32_t elapsed = RefreshClockTicks() - lastRefreshTick;
  if (static_cast<double>(elapsed) > 1000.0 / refreshRate) {
    GfxRedraw(adaptor);
    lastRefreshTick = RefreshClockTicks();
  }
}
