#include "tests/support/counted_gdiplus.h"

#include "vstgui/gdiplus_globals.h"

namespace {

std::atomic<int> startupCount{0};
std::atomic<int> shutdownCount{0};
void (*shutdownHook)() = nullptr;
VSTGUI::GdiPlusLifecycleCalls realCalls{};

Gdiplus::Status WINAPI CountedStartup(ULONG_PTR* token, const Gdiplus::GdiplusStartupInput* input,
                                      Gdiplus::GdiplusStartupOutput* output) {
  ++startupCount;
  return realCalls.startup(token, input, output);
}

void WINAPI CountedShutdown(ULONG_PTR token) {
  ++shutdownCount;
  if (shutdownHook) shutdownHook();
  realCalls.shutdown(token);
}

}  // namespace

CountedGdiPlus::CountedGdiPlus(void (*atShutdown)()) {
  startupCount = 0;
  shutdownCount = 0;
  shutdownHook = atShutdown;
  realCalls = VSTGUI::GdiPlusLifecycle();
  VSTGUI::GdiPlusLifecycle() = {CountedStartup, CountedShutdown};
}

CountedGdiPlus::~CountedGdiPlus() {
  VSTGUI::GdiPlusLifecycle() = realCalls;
  shutdownHook = nullptr;
}

int CountedGdiPlus::startups() const { return startupCount; }
int CountedGdiPlus::shutdowns() const { return shutdownCount; }
