#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "graphics/view_entries.h"
#include "runtime/graphics_services.h"
#include "tests/graphics/showcase_script.h"
#include "tests/support/host_window.h"
#include "tests/support/pixels.h"
#include "tests/support/script_plugin.h"
#include "tests/support/window_picture.h"

namespace {

using namespace toolkit_test;

// Where the picture of the editor lands: beside the test program's working folder,
// inside the build tree.
constexpr const wchar_t* kPicture = L"drawing-showcase.png";

CallbackTable DrawingTable() {
  CallbackTable table = MakeCallbackTable();
  table.OnDraw = OnDraw;
  table.OnMouseDown = OnMouseDown;
  table.OnMouseUp = OnMouseUp;
  table.OnMouseMoved = OnMouseMoved;
  return table;
}

int Channel(Argb pixel, int shift) { return int((pixel >> shift) & 0xFF); }

TEST(DrawingShowcase, EveryEntryPointDrawsInTheEditorsWindow) {
  HostWindow host;
  ScriptPlugin showcase(new ShowcaseScript(), DrawingTable());
  ASSERT_EQ(GfxCreateEditor(showcase.plugin(), ShowcaseScript::kWidth, ShowcaseScript::kHeight), 1);
  ASSERT_EQ(showcase.instance().dispatch(effEditOpen, 0, 0, host.handle()), 1);
  HWND const frame = FindWindowExW(host.handle(), nullptr, nullptr, nullptr);
  UpdateWindow(frame);
  const WindowPicture picture(frame, ShowcaseScript::kWidth, ShowcaseScript::kHeight);
  EXPECT_TRUE(picture.save(kPicture));
  std::printf("the editor's picture: %ls in the test's working folder\n", kPicture);

  const struct {
    int x, y;
    Argb expected;
    const char* what;
  } points[] = {
      {30, 30, 0xFFFF0000, "filled rectangle"},      {70, 30, 0xFF00FF00, "outline's left edge"},
      {95, 30, 0xFF1E1E28, "inside the outline"},    {130, 30, 0xFFFFFF00, "outline of the filled one"},
      {155, 30, 0xFF0000FF, "its filling"},          {215, 30, 0xFFFF00FF, "filled ellipse"},
      {270, 30, 0xFF1E1E28, "inside the ellipse outline"}, {35, 95, 0xFFFF8C00, "filled arc segment"},
      {155, 85, 0xFFFFFFFF, "the diagonal line"},    {210, 80, 0xFF00FFFF, "a single pixel"},
      {5, 5, 0xFF1E1E28, "background"},              {20, 160, PatternPixel(10, 10), "the picture"},
      {59, 199, PatternPixel(49, 49), "its far corner"},
  };
  for (const auto& p : points) EXPECT_EQ(picture.at(p.x, p.y), p.expected) << p.what << " at " << p.x << "," << p.y;
  // Half of the picture's pixel over half of the background.
  const Argb blended = picture.at(90, 170);
  EXPECT_NEAR(Channel(blended, 16), (20 * 5 + 0x1E) / 2, 4);
  EXPECT_NEAR(Channel(blended, 0), (200 + 0x28) / 2, 4);
  // Text: something light in each third of its row.
  for (const auto& [from, to] : {std::pair{10, 100}, {110, 190}, {200, 290}}) {
    bool inked = false;
    for (int y = 118; y < 142 && !inked; ++y) {
      for (int x = from; x < to && !inked; ++x) inked = Channel(picture.at(x, y), 8) > 150;
    }
    EXPECT_TRUE(inked) << "text between x " << from << " and " << to;
  }
  showcase.instance().dispatch(effEditClose);
}

}  // namespace
