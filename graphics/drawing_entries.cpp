#include "graphics/draw_pass.h"
#include "graphics/drawing_layer.h"

using VSTGUI::CDrawContext;

namespace {

// Runs `draw` on the pass's context: 1, or 0 outside a pass.
template <class Draw>
std::int32_t InPass(CDorn* plugin, Draw&& draw) {
  CDrawContext* const context = PassContext(plugin);
  if (!context) return 0;
  draw(*context);
  return 1;
}


std::int32_t GfxSetDrawMode(CDorn* plugin, std::int32_t mode) {
  return InPass(plugin, [&](CDrawContext& context) { context.setDrawMode(mode); });
}

std::int32_t GfxSetFontColor(CDorn* plugin, std::int32_t red, std::int32_t green, std::int32_t blue,
                             std::int32_t alpha) {
  return InPass(plugin, [&](CDrawContext& context) { context.setTextColor(ScriptColor(red, green, blue, alpha)); });
}

std::int32_t GfxSetFillColor(CDorn* plugin, std::int32_t red, std::int32_t green, std::int32_t blue,
                             std::int32_t alpha) {
  return InPass(plugin, [&](CDrawContext& context) { context.setFillColor(ScriptColor(red, green, blue, alpha)); });
}

std::int32_t GfxSetFrameColor(CDorn* plugin, std::int32_t red, std::int32_t green, std::int32_t blue,
                              std::int32_t alpha) {
  return InPass(plugin, [&](CDrawContext& context) { context.setStrokeColor(ScriptColor(red, green, blue, alpha)); });
}

std::int32_t GfxMoveTo(CDorn* plugin, double x, double y) {
  return InPass(plugin, [&](CDrawContext& context) { context.movePenTo({x, y}); });
}

std::int32_t GfxLineTo(CDorn* plugin, double x, double y) {
  return InPass(plugin, [&](CDrawContext& context) { context.drawLineTo({x, y}); });
}

std::int32_t GfxRect(CDorn* plugin, double left, double top, double right, double bottom, std::int32_t style) {
  return InPass(plugin, [&](CDrawContext& context) { context.drawRectangle({left, top, right, bottom}, style); });
}

std::int32_t GfxEllipse(CDorn* plugin, double left, double top, double right, double bottom, std::int32_t style) {
  return InPass(plugin, [&](CDrawContext& context) { context.drawEllipse({left, top, right, bottom}, style); });
}

std::int32_t GfxArc(CDorn* plugin, double left, double top, double right, double bottom, double startAngle,
                    double endAngle, std::int32_t style) {
  return InPass(plugin, [&](CDrawContext& context) {
    context.drawArc({left, top, right, bottom}, static_cast<float>(startAngle), static_cast<float>(endAngle), style);
  });
}

std::int32_t GfxSetPixel(CDorn* plugin, double x, double y, std::int32_t red, std::int32_t green, std::int32_t blue,
                         std::int32_t alpha) {
  return InPass(plugin, [&](CDrawContext& context) { context.drawPixel({x, y}, ScriptColor(red, green, blue, alpha)); });
}

std::int32_t GfxGetPixel(CDorn* plugin, double x, double y, std::int32_t* red, std::int32_t* green,
                         std::int32_t* blue, std::int32_t* alpha) {
  return InPass(plugin, [&](CDrawContext& context) {
    const VSTGUI::RgbaColor pixel = context.readPixel({x, y});
    if (red) *red = pixel.red;
    if (green) *green = pixel.green;
    if (blue) *blue = pixel.blue;
    if (alpha) *alpha = pixel.alpha;
  });
}

}  // namespace

void drawing_layer::AddShapeEntries(DrawingServices& services) {
  services.GfxSetDrawMode = GfxSetDrawMode;
  services.GfxSetFontColor = GfxSetFontColor;
  services.GfxSetFillColor = GfxSetFillColor;
  services.GfxSetFrameColor = GfxSetFrameColor;
  services.GfxMoveTo = GfxMoveTo;
  services.GfxLineTo = GfxLineTo;
  services.GfxRect = GfxRect;
  services.GfxEllipse = GfxEllipse;
  services.GfxArc = GfxArc;
  services.GfxSetPixel = GfxSetPixel;
  services.GfxGetPixel = GfxGetPixel;
}
