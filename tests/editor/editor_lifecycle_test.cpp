#include <gtest/gtest.h>

#include <cstdio>

#include "tests/editor/editor_fixture.h"
#include "tests/support/counted_gdiplus.h"
#include "vstgui/gdiplus_globals.h"
#include "vstgui/live_objects.h"
#include "vstgui/module_instance.h"

namespace {

using namespace VSTGUI;

bool FrameClassRegistered() {
  wchar_t name[64];
  wsprintfW(name, L"Plugin%p", static_cast<void*>(ToolkitModule()));
  WNDCLASSW found;
  return GetClassInfoW(ToolkitModule(), name, &found) != 0;
}

// What an editor session may hold: the counts must be where they started after it.
struct Holdings {
  int windows = ThreadWindowCount();
  bool classRegistered = FrameClassRegistered();
  std::int32_t views = LiveToolkitObjects(ToolkitObject::view);
  std::int32_t contexts = LiveToolkitObjects(ToolkitObject::drawContext);
  std::int32_t deviceContexts = LiveToolkitObjects(ToolkitObject::deviceContext);
  std::int32_t bitmaps = LiveToolkitObjects(ToolkitObject::bitmap);
  std::int32_t fonts = LiveToolkitObjects(ToolkitObject::font);
  std::int32_t dropTargets = LiveToolkitObjects(ToolkitObject::dropTarget);
  bool gdiplusRunning = GDIPlusGlobals::isRunning();
};

void ExpectSame(const Holdings& before, const Holdings& after) {
  EXPECT_EQ(after.windows, before.windows);
  EXPECT_EQ(after.classRegistered, before.classRegistered);
  EXPECT_EQ(after.views, before.views);
  EXPECT_EQ(after.contexts, before.contexts);
  EXPECT_EQ(after.deviceContexts, before.deviceContexts);
  EXPECT_EQ(after.bitmaps, before.bitmaps);
  EXPECT_EQ(after.fonts, before.fonts);
  EXPECT_EQ(after.dropTargets, before.dropTargets);
  EXPECT_EQ(after.gdiplusRunning, before.gdiplusRunning);
}

TEST(EditorLifecycle, AHundredOpenAndCloseCyclesLeaveEverythingWhereItWas) {
  const CountedGdiPlus counted;
  HostWindow host;
  EditedPlugin edited;
  const Holdings before;
  Holdings open;
  for (int cycle = 0; cycle < 100; ++cycle) {
    ASSERT_EQ(edited.open(host.handle()), 1);
    UpdateWindow(FrameWindowIn(host.handle()));
    edited.instance().dispatch(effEditIdle);
    if (cycle == 0) open = Holdings();
    edited.instance().dispatch(effEditClose);
  }
  const Holdings after;
  ExpectSame(before, after);
  EXPECT_EQ(counted.startups(), 100);
  EXPECT_EQ(counted.shutdowns(), 100);
  std::printf("open: %d windows, %d views, %d contexts, %d device contexts, %d drop targets; "
              "after 100 cycles: %d windows, %d views, %d contexts, %d device contexts, %d bitmaps, %d fonts, "
              "%d drop targets, class %s; GDI+ started %d and stopped %d times\n",
              open.windows, open.views, open.contexts, open.deviceContexts, open.dropTargets, after.windows,
              after.views, after.contexts, after.deviceContexts, after.bitmaps, after.fonts, after.dropTargets,
              after.classRegistered ? "registered" : "unregistered", counted.startups(), counted.shutdowns());
}

}  // namespace
