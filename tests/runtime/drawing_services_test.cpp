#include "runtime/drawing_services.h"

#include <gtest/gtest.h>

#include "runtime/graphics_services.h"

namespace {

struct RectCall {
  CDorn* plugin;
  double left, top, right, bottom;
  std::int32_t style;
};
RectCall lastRect{};

std::int32_t RecordRect(CDorn* plugin, double left, double top, double right, double bottom, std::int32_t style) {
  lastRect = {plugin, left, top, right, bottom, style};
  return 7;
}

CDorn* const kSomePlugin = reinterpret_cast<CDorn*>(0x1000);

class DrawingServicesTable : public ::testing::Test {
 protected:
  ~DrawingServicesTable() override { InstallDrawingServices(nullptr); }
};

TEST_F(DrawingServicesTable, WithoutATableEveryCallAnswersAsOutsideADrawingPass) {
  std::int32_t width = -1, red = -1;
  EXPECT_EQ(GfxRect(kSomePlugin, 0, 0, 10, 10, 1), 0);
  EXPECT_EQ(GfxCreateEditor(kSomePlugin, 400, 200), 0);
  EXPECT_EQ(GfxGetSize(kSomePlugin, &width, nullptr), 0);
  EXPECT_EQ(GfxGetPixel(kSomePlugin, 1, 1, &red, nullptr, nullptr, nullptr), 0);
  EXPECT_EQ(GfxGetStringWidth(kSomePlugin, "text"), 0.0);
  EXPECT_EQ(ImageGetWidth(nullptr), 0.0);
  EXPECT_EQ(width, -1) << "outputs untouched";
  EXPECT_EQ(red, -1);
}

TEST_F(DrawingServicesTable, AnInstalledEntryGetsTheCallAndAnEmptyOneAnswersZero) {
  static DrawingServices services{};
  services.GfxRect = RecordRect;
  InstallDrawingServices(&services);
  EXPECT_EQ(GfxRect(kSomePlugin, 1.5, 2.5, 3.5, 4.5, 2), 7);
  EXPECT_EQ(lastRect.plugin, kSomePlugin);
  EXPECT_EQ(lastRect.left, 1.5);
  EXPECT_EQ(lastRect.bottom, 4.5);
  EXPECT_EQ(lastRect.style, 2);
  EXPECT_EQ(GfxEllipse(kSomePlugin, 0, 0, 1, 1, 0), 0);
  EXPECT_EQ(GfxRedraw(kSomePlugin), 0);
  InstallDrawingServices(nullptr);
  EXPECT_EQ(GfxRect(kSomePlugin, 0, 0, 1, 1, 0), 0);
}

}  // namespace
