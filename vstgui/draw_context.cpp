#include "vstgui/draw_context.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "vstgui/device_coordinates.h"
#include "vstgui/frame.h"
#include "vstgui/wide_text.h"

namespace VSTGUI {

namespace {

constexpr RgbaColor kWhite{255, 255, 255, 255};
constexpr RgbaColor kBlack{0, 0, 0, 255};
constexpr Gdiplus::ARGB kOpaqueBlack = 0xFF000000;
constexpr int kPolygonPointsOnStack = 30;

}  // namespace

CDrawContext::CDrawContext(CFrame* frame, HDC systemContext, HWND window)
    : systemContext_(systemContext), window_(window), frame_(frame) {
  clip_ = frame ? frame->getViewSize() : ViewRect{0.0, 0.0, 1000.0, 1000.0};
  if (!systemContext_ && window_) {
    systemContext_ = GetDC(window_);
    ownsSystemContext_ = systemContext_ != nullptr;
    if (ownsSystemContext_) CountToolkitObject(ToolkitObject::deviceContext, 1);
  }
  if (systemContext_) createGraphics(systemContext_);
  pen_.keep(gdip::GdipCreatePen1(kOpaqueBlack, 1.0f, Gdiplus::UnitWorld, pen_.receive()));
  fillBrush_.keep(gdip::GdipCreateSolidFill(kOpaqueBlack, fillBrush_.receive()));
  textBrush_.keep(gdip::GdipCreateSolidFill(kOpaqueBlack, textBrush_.receive()));
  RECT windowRect;
  if (window_ && GetWindowRect(window_, &windowRect)) windowOrigin_ = {double(windowRect.left), double(windowRect.top)};
  applyDefaults();
}

CDrawContext::~CDrawContext() {
  font_.reset();
  textBrush_.reset();
  fillBrush_.reset();
  pen_.reset();
  graphics_.reset();
  // A context taken from the window goes back to it.
  if (ownsSystemContext_) {
    ReleaseDC(window_, systemContext_);
    CountToolkitObject(ToolkitObject::deviceContext, -1);
  }
}

void CDrawContext::createGraphics(HDC context) {
  if (!graphics_.keep(gdip::GdipCreateFromHDC(context, graphics_.receive()))) return;
  graphics_.keep(gdip::GdipSetInterpolationMode(graphics_.get(), Gdiplus::InterpolationModeLowQuality));
  graphics_.keep(gdip::GdipSetPageUnit(graphics_.get(), Gdiplus::UnitPixel));
  graphics_.keep(gdip::GdipSetPixelOffsetMode(graphics_.get(), Gdiplus::PixelOffsetModeNone));
}

void CDrawContext::createImageGraphics(Gdiplus::GpImage* image) {
  if (!image || !graphics_.keep(gdip::GdipGetImageGraphicsContext(image, graphics_.receive()))) return;
  graphics_.keep(gdip::GdipSetInterpolationMode(graphics_.get(), Gdiplus::InterpolationModeLowQuality));
  graphics_.keep(gdip::GdipSetPageUnit(graphics_.get(), Gdiplus::UnitPixel));
}

// The stored line style and draw mode start unlike these, so every setter reaches GDI+.
void CDrawContext::applyDefaults() {
  setStrokeColor(kWhite);
  setLineStyle(kLineSolid);
  setLineWidth(1.0);
  setFillColor(kBlack);
  setTextColor(kWhite);
  setFont(StandardFont(0), 0, -1);
  setDrawMode(0);
}

void CDrawContext::movePenTo(const ViewPoint& point) {
  penPosition_ = {point.x + drawOffset_.x, point.y + drawOffset_.y};
}

void CDrawContext::drawLineTo(const ViewPoint& point) {
  const ViewPoint end{point.x + drawOffset_.x, point.y + drawOffset_.y};
  if (graphics_ && pen_) {
    graphics_.keep(gdip::GdipDrawLineI(graphics_.get(), pen_.get(), ToDeviceInt(penPosition_.x),
                                       ToDeviceInt(penPosition_.y), ToDeviceInt(end.x), ToDeviceInt(end.y)));
  }
  penPosition_ = end;
}

void CDrawContext::drawSegments(const ViewPoint* points, std::int32_t segmentCount) {
  if (!points) return;
  for (std::int32_t i = 0; i < segmentCount; ++i) {
    movePenTo(points[2 * i]);
    drawLineTo(points[2 * i + 1]);
  }
}

void CDrawContext::drawPolygon(const ViewPoint* points, std::int32_t count, DrawStyle style, bool closed) {
  if (!graphics_ || !points || count <= 0) return;
  Gdiplus::PointF onStack[kPolygonPointsOnStack];
  std::vector<Gdiplus::PointF> onHeap;
  Gdiplus::PointF* converted = onStack;
  if (count > kPolygonPointsOnStack) {
    onHeap.resize(static_cast<std::size_t>(count));
    converted = onHeap.data();
  }
  for (std::int32_t i = 0; i < count; ++i) {
    converted[i].X = ToDeviceReal(points[i].x) + ToDeviceReal(drawOffset_.x);
    converted[i].Y = ToDeviceReal(points[i].y) + ToDeviceReal(drawOffset_.y);
  }
  if (Fills(style) && fillBrush_) {
    graphics_.keep(gdip::GdipFillPolygon(graphics_.get(), fillBrush_.get(), converted, count,
                                         Gdiplus::FillModeAlternate));
  }
  if (Strokes(style) && pen_) {
    graphics_.keep(closed ? gdip::GdipDrawPolygon(graphics_.get(), pen_.get(), converted, count)
                          : gdip::GdipDrawLines(graphics_.get(), pen_.get(), converted, count));
  }
}

ViewRect CDrawContext::orderedDeviceRect(const ViewRect& rect) const {
  return ViewRect{std::min(rect.left, rect.right), std::min(rect.top, rect.bottom), std::max(rect.left, rect.right),
                  std::max(rect.top, rect.bottom)}
      .offset(drawOffset_.x, drawOffset_.y);
}

void CDrawContext::drawRectangle(const ViewRect& rect, DrawStyle style) {
  if (!graphics_) return;
  const ViewRect area = orderedDeviceRect(rect);
  if (Fills(style) && fillBrush_) {
    graphics_.keep(gdip::GdipFillRectangle(graphics_.get(), fillBrush_.get(), ToDeviceReal(area.left),
                                           ToDeviceReal(area.top), ToDeviceReal(area.width()),
                                           ToDeviceReal(area.height())));
  }
  // The outline lies inside the filled area: one pixel narrower and shorter.
  if (Strokes(style) && pen_) {
    graphics_.keep(gdip::GdipDrawRectangle(graphics_.get(), pen_.get(), ToDeviceReal(area.left),
                                           ToDeviceReal(area.top), ToDeviceReal(area.width() - 1.0),
                                           ToDeviceReal(area.height() - 1.0)));
  }
}

void CDrawContext::drawEllipse(const ViewRect& rect, DrawStyle style) {
  if (!graphics_) return;
  const ViewRect area = orderedDeviceRect(rect);
  const INT x = ToDeviceInt(area.left);
  const INT y = ToDeviceInt(area.top);
  const INT width = ToDeviceInt(area.width()) - 1;
  const INT height = ToDeviceInt(area.height()) - 1;
  if (Fills(style) && fillBrush_) {
    graphics_.keep(gdip::GdipFillEllipseI(graphics_.get(), fillBrush_.get(), x, y, width, height));
  }
  if (Strokes(style) && pen_) {
    graphics_.keep(gdip::GdipDrawEllipseI(graphics_.get(), pen_.get(), x, y, width, height));
  }
}

void CDrawContext::drawArc(const ViewRect& rect, float startAngle, float endAngle, DrawStyle style) {
  if (!graphics_) return;
  if (startAngle > endAngle) endAngle += 360.0f;
  const float sweep = std::fabs(endAngle - startAngle);
  PathRecord path;
  if (!path.keep(gdip::GdipCreatePath(Gdiplus::FillModeAlternate, path.receive()))) return;
  path.keep(gdip::GdipAddPathArc(path.get(), ToDeviceReal(rect.left + drawOffset_.x),
                                 ToDeviceReal(rect.top + drawOffset_.y), ToDeviceReal(rect.width()),
                                 ToDeviceReal(rect.height()), startAngle, sweep));
  if (Fills(style) && fillBrush_) graphics_.keep(gdip::GdipFillPath(graphics_.get(), fillBrush_.get(), path.get()));
  if (Strokes(style) && pen_) graphics_.keep(gdip::GdipDrawPath(graphics_.get(), pen_.get(), path.get()));
}

void CDrawContext::drawPixel(const ViewPoint& point, const RgbaColor& color) {
  const RgbaColor savedColor = strokeColor_;
  const double savedWidth = lineWidth_;
  if (lineWidth_ != 1.0) setLineWidth(1.0);
  setStrokeColor(color);
  movePenTo(point);
  drawLineTo({point.x + 1.0, point.y});
  setStrokeColor(savedColor);
  if (savedWidth != lineWidth_) setLineWidth(savedWidth);
}

RgbaColor CDrawContext::readPixel(const ViewPoint& /*point*/) const { return kBlack; }

Gdiplus::GpFont* CDrawContext::textFont() { return font_ ? font_->platformFont() : nullptr; }

void CDrawContext::drawTextAt(const char* text, const ViewPoint& point, bool antialias) {
  if (!text || !font_ || !graphics_ || !textBrush_) return;
  Gdiplus::GpFont* const font = textFont();
  if (!font) return;  // the family is not installed: nothing to draw with
  const std::wstring wide = WideFromUtf8(text);
  graphics_.keep(gdip::GdipSetTextRenderingHint(
      graphics_.get(), antialias ? Gdiplus::TextRenderingHintClearTypeGridFit : Gdiplus::TextRenderingHintSystemDefault));
  Gdiplus::REAL dpi = 0.0f;
  graphics_.keep(gdip::GdipGetDpiY(graphics_.get(), &dpi));
  Gdiplus::REAL lineHeight = 0.0f;
  graphics_.keep(gdip::GdipGetFontHeightGivenDPI(font, dpi, &lineHeight));
  // The point is the bottom of the line: its box spans the line height above it.
  const Gdiplus::RectF layout(ToDeviceReal(drawOffset_.x + point.x),
                              ToDeviceReal(drawOffset_.y + point.y + 1.0 - lineHeight), 0.0f, 0.0f);
  graphics_.keep(gdip::GdipDrawString(graphics_.get(), wide.c_str(), -1, font, &layout, nullptr, textBrush_.get()));
}

void CDrawContext::drawTextInRect(const char* text, const ViewRect& rect, std::int32_t alignment, bool antialias) {
  if (!text || !font_) return;
  const double y = rect.bottom - (rect.height() * 0.5 - font_->getSize() * 0.5 + 1.0);
  double x = rect.left;
  if (alignment != kLeftText) {
    const double width = measureText(text);
    x = alignment == kRightText ? rect.right - width : rect.left + rect.width() * 0.5 - width * 0.5;
  }
  const ViewRect savedClip = getClipRect();
  ViewRect clip = rect;
  setClipRect(clip.bound(savedClip));
  drawTextAt(text, {x, y}, antialias);
  setClipRect(savedClip);
}

void CDrawContext::drawTextInRect(const char* text, const ViewRect& rect, std::int32_t alignment) {
  drawTextInRect(text, rect, alignment, true);
}

double CDrawContext::measureText(const char* text) {
  if (!text || !font_ || !graphics_) return -1.0;
  // A family that is not installed measures nothing: GDI+ refuses the missing font
  // and the box stays empty.
  Gdiplus::GpFont* const font = textFont();
  const std::wstring wide = WideFromUtf8(text);
  const Gdiplus::RectF layout(0.0f, 0.0f, 0.0f, 0.0f);
  Gdiplus::RectF box(0.0f, 0.0f, 0.0f, 0.0f);
  graphics_.keep(
      gdip::GdipMeasureString(graphics_.get(), wide.c_str(), -1, font, &layout, nullptr, &box, nullptr, nullptr));
  return box.Width;
}

void CDrawContext::setStrokeColor(const RgbaColor& color) {
  if (color == strokeColor_) return;
  strokeColor_ = color;
  if (pen_) pen_.keep(gdip::GdipSetPenColor(pen_.get(), ToArgb(color)));
}

void CDrawContext::setFillColor(const RgbaColor& color) {
  if (color == fillColor_) return;
  fillColor_ = color;
  if (fillBrush_) fillBrush_.keep(gdip::GdipSetSolidFillColor(fillBrush_.get(), ToArgb(color)));
}

void CDrawContext::setTextColor(const RgbaColor& color) {
  textColor_ = color;
  if (textBrush_) textBrush_.keep(gdip::GdipSetSolidFillColor(textBrush_.get(), ToArgb(color)));
}

void CDrawContext::setLineWidth(double width) {
  if (width == lineWidth_) return;
  lineWidth_ = width;
  if (pen_) pen_.keep(gdip::GdipSetPenWidth(pen_.get(), ToDeviceReal(width)));
}

void CDrawContext::setLineStyle(std::int32_t style) {
  if (style == lineStyle_) return;
  lineStyle_ = style;
  if (pen_) {
    pen_.keep(gdip::GdipSetPenDashStyle(pen_.get(), style == kLineOnOff ? Gdiplus::DashStyleDot : Gdiplus::DashStyleSolid));
  }
}

void CDrawContext::setDrawMode(std::int32_t mode) {
  if (mode == drawMode_) return;
  drawMode_ = mode;
  if (graphics_) {
    graphics_.keep(gdip::GdipSetSmoothingMode(
        graphics_.get(), mode == kAntiAliasing ? Gdiplus::SmoothingModeAntiAlias : Gdiplus::SmoothingModeNone));
  }
}

void CDrawContext::setClipRect(const ViewRect& clip) {
  ViewRect device = clip;
  device.offset(drawOffset_.x, drawOffset_.y);
  if (device == clip_) return;
  clip_ = device;
  if (graphics_) {
    graphics_.keep(gdip::GdipSetClipRectI(graphics_.get(), ToDeviceInt(device.left), ToDeviceInt(device.top),
                                          ToDeviceInt(device.width()), ToDeviceInt(device.height()),
                                          Gdiplus::CombineModeReplace));
  }
}

ViewRect CDrawContext::getClipRect() const {
  ViewRect local = clip_;
  return local.offset(-drawOffset_.x, -drawOffset_.y);
}

void CDrawContext::setFont(CFontDesc* font, std::int32_t size, std::int32_t style) {
  if (!font) return;
  const bool otherSize = size > 0 && size != font->getSize();
  const bool otherStyle = style != -1 && style != font->getStyle();
  if (otherSize || otherStyle) {
    font_.adopt(new CFontDesc(font->getName(), size > 0 ? size : font->getSize(),
                              style != -1 ? style : font->getStyle()));
  } else {
    font_.assign(font);
  }
}

void CDrawContext::mouseLocation(ViewPoint& point) const {
  POINT cursor{};
  GetCursorPos(&cursor);
  point = {cursor.x - windowOrigin_.x, cursor.y - windowOrigin_.y};
}

}  // namespace VSTGUI
