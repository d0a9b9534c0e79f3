#include "tests/graphics/showcase_script.h"

#include "runtime/graphics_services.h"
#include "tests/support/pixels.h"

// Top row (y 10 to 50): a red filled rectangle at x 10, a green outline at 70, a blue
// rectangle outlined in yellow at 130, a magenta filled ellipse at 190, a white ellipse
// outline at 250. Second row (y 60 to 110): a filled orange arc segment at x 10, a
// white stroked half circle at 70, a white diagonal line from (130, 60) to (180, 110),
// a cyan row of single pixels at y 80 from x 200 to 239. Third row: text at y 118 to
// 142 in "DejaVu Sans", left, centred and right-aligned, and in "Liberation Serif" at
// the point (10, 112). Bottom row (y 150 to 200): the pattern picture drawn plain at
// x 10, and at half opacity at x 70.
void ShowcaseScript::DoGfx() {
  CDorn* const plugin = adaptor;
  GfxSetDrawMode(plugin, 0);
  GfxSetFillColor(plugin, 30, 30, 40, 255);
  GfxRect(plugin, 0, 0, kWidth, kHeight, 1);

  GfxSetFillColor(plugin, 255, 0, 0, 255);
  GfxRect(plugin, 10, 10, 60, 50, 1);
  GfxSetFrameColor(plugin, 0, 255, 0, 255);
  GfxRect(plugin, 70, 10, 120, 50, 0);
  GfxSetFillColor(plugin, 0, 0, 255, 255);
  GfxSetFrameColor(plugin, 255, 255, 0, 255);
  GfxRect(plugin, 180, 50, 130, 10, 2);
  GfxSetFillColor(plugin, 255, 0, 255, 255);
  GfxEllipse(plugin, 190, 10, 240, 50, 1);
  GfxSetFrameColor(plugin, 255, 255, 255, 255);
  GfxEllipse(plugin, 250, 10, 290, 50, 0);

  GfxSetFillColor(plugin, 255, 140, 0, 255);
  GfxArc(plugin, 10, 60, 60, 110, 0, 180, 1);
  GfxSetDrawMode(plugin, 3);
  GfxArc(plugin, 70, 60, 120, 110, 180, 360, 0);
  GfxSetDrawMode(plugin, 0);
  GfxMoveTo(plugin, 130, 60);
  GfxLineTo(plugin, 180, 110);
  for (int x = 200; x < 240; ++x) GfxSetPixel(plugin, x, 80, 0, 255, 255, 255);

  GfxSetFontColor(plugin, 255, 255, 255, 255);
  GfxSetFont(plugin, "DejaVu Sans", 14, 0);
  GfxDrawStringAligned(plugin, "left", 10, 118, 290, 142, 0, 1);
  GfxDrawStringAligned(plugin, "centre", 10, 118, 290, 142, 1, 1);
  GfxDrawStringInRect(plugin, "right", 10, 118, 290, 142, 0, 2);
  GfxSetFontColor(plugin, 255, 220, 120, 255);
  GfxSetFont(plugin, "Liberation Serif", 12, 2);
  GfxDrawStringAt(plugin, "Quorvantile", 200, 112, 0);

  auto& slot = imageSlots[1];
  if (!slot) {
    slot.reset(ImageSlotCreate());
    ImageLoadResourceId(slot.get(), toolkit_test::kPatternResource);
  }
  ImageDraw(slot.get(), plugin, 10, 150, 60, 200, 0, 0);
  ImageDrawAlphaBlend(slot.get(), plugin, 70, 150, 120, 200, 0, 0, 128);
}
