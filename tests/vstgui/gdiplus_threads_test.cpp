#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "tests/support/counted_gdiplus.h"
#include "vstgui/gdiplus_globals.h"

namespace {

using VSTGUI::GDIPlusGlobals;

// Images may be loaded on threads of their own while an editor holds GDI+.
TEST(GdiPlusThreads, AcquiresAndReleasesFromManyThreadsStartAndStopGdiPlusOnce) {
  const CountedGdiPlus counted;
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
  EXPECT_EQ(counted.startups(), 1);
  EXPECT_EQ(counted.shutdowns(), 1);
}

}  // namespace
