#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "vstgui/gdiplus_globals.h"

namespace {

using namespace VSTGUI;

std::atomic<int> startups{0};
std::atomic<int> shutdowns{0};

Gdiplus::Status WINAPI CountedStartup(ULONG_PTR* token, const Gdiplus::GdiplusStartupInput* input,
                                      Gdiplus::GdiplusStartupOutput* output) {
  ++startups;
  return Gdiplus::GdiplusStartup(token, input, output);
}

void WINAPI CountedShutdown(ULONG_PTR token) {
  ++shutdowns;
  Gdiplus::GdiplusShutdown(token);
}

// Images may be loaded on threads of their own while an editor holds GDI+.
TEST(GdiPlusThreads, AcquiresAndReleasesFromManyThreadsStartAndStopGdiPlusOnce) {
  const GdiPlusLifecycleCalls real = GdiPlusLifecycle();
  GdiPlusLifecycle() = {CountedStartup, CountedShutdown};
  GDIPlusGlobals::acquire();
  std::vector<std::thread> loaders;
  for (int t = 0; t < 4; ++t) {
    loaders.emplace_back([] {
      for (int i = 0; i < 2000; ++i) {
        GDIPlusGlobals::acquire();
        GDIPlusGlobals::release();
      }
    });
  }
  for (std::thread& loader : loaders) loader.join();
  EXPECT_TRUE(GDIPlusGlobals::isRunning());
  GDIPlusGlobals::release();
  EXPECT_FALSE(GDIPlusGlobals::isRunning());
  EXPECT_EQ(startups, 1);
  EXPECT_EQ(shutdowns, 1);
  GdiPlusLifecycle() = real;
}

}  // namespace
