#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "graphics/view_entries.h"
#include "tests/support/script_plugin.h"
#include "vstgui/button_state.h"

namespace {

using namespace VSTGUI;

class CountedDrawing final : public TZepkin {
 public:
  void DoGfx() override { ++passes; }
  int passes = 0;
};

class ViewEntries : public ::testing::Test {
 protected:
  TZepkin& script() { return *plugged.script(); }
  ScriptPlugin plugged{new CountedDrawing(), MakeCallbackTable()};
};

TEST_F(ViewEntries, PressesGiveTheScriptsButtonBits) {
  const struct {
    ButtonState buttons;
    double bits;
  } cases[] = {{kLButton | kShift, 9},   {kControl | kAlt | kMButton, 84}, {kRButton, 2},
               {kLButton | kDoubleClick | kButton4 | kButton5, 1}, {0, 0}};
  for (const auto& c : cases) {
    OnMouseDown(plugged.plugin(), 12.5, -3, c.buttons);
    EXPECT_EQ(script().mouseButtonBits, c.bits) << c.buttons;
    EXPECT_EQ(script().mouseX, 12.5);
    EXPECT_EQ(script().mouseY, -3.0);
  }
}

TEST_F(ViewEntries, ADragKeepsThePressesBitsAndTheReleaseClearsThem) {
  OnMouseDown(plugged.plugin(), 1, 1, kLButton | kShift);
  OnMouseMoved(plugged.plugin(), 40, 50, 0);
  EXPECT_EQ(script().mouseButtonBits, 9.0);
  EXPECT_EQ(script().mouseX, 40.0);
  OnMouseUp(plugged.plugin(), 41, 52, kLButton);
  EXPECT_EQ(script().mouseButtonBits, 0.0);
  EXPECT_EQ(script().mouseX, 41.0);
  EXPECT_EQ(script().mouseY, 52.0);
}

TEST_F(ViewEntries, MouseEventsRaiseTheRefreshRateToThirty) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    double before, after;
  } cases[] = {{0, 30}, {10, 30}, {60, 60}, {-5, 30}};
  for (const auto& c : cases) {
    for (void (*entry)(CDorn*, double, double, VstInt32) : {OnMouseDown, OnMouseUp, OnMouseMoved}) {
      script().refreshRate = c.before;
      entry(plugged.plugin(), 0, 0, 0);
      EXPECT_EQ(script().refreshRate, c.after) << c.before;
    }
  }
  script().refreshRate = nan;
  OnMouseMoved(plugged.plugin(), 0, 0, 0);
  EXPECT_TRUE(std::isnan(script().refreshRate));
}

TEST_F(ViewEntries, DrawRunsTheDrawingSectionAndNullObjectsAreIgnored) {
  OnDraw(plugged.plugin(), 10, 10);
  EXPECT_EQ(static_cast<CountedDrawing&>(script()).passes, 1);
  OnDraw(nullptr, 10, 10);
  OnMouseDown(nullptr, 0, 0, kLButton);
  OnMouseUp(nullptr, 0, 0, 0);
  OnMouseMoved(nullptr, 0, 0, 0);
}

}  // namespace
