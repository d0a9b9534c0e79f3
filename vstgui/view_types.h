#pragma once

#include <algorithm>
#include <cstdint>

namespace VSTGUI {

// Toolkit coordinates, in pixels.
struct ViewPoint {
  double x = 0.0;
  double y = 0.0;

  ViewPoint& offset(double dx, double dy) {
    x += dx;
    y += dy;
    return *this;
  }
  bool operator==(const ViewPoint& other) const { return x == other.x && y == other.y; }
  bool operator!=(const ViewPoint& other) const { return !(*this == other); }
};

// May be unnormalised: width and height are then negative.
struct ViewRect {
  double left = 0.0;
  double top = 0.0;
  double right = 0.0;
  double bottom = 0.0;

  double width() const { return right - left; }
  double height() const { return bottom - top; }
  ViewPoint topLeft() const { return {left, top}; }

  ViewRect& offset(double dx, double dy) {
    left += dx;
    right += dx;
    top += dy;
    bottom += dy;
    return *this;
  }
  // Narrows this rectangle to `other`: the larger left and top, the smaller right and
  // bottom, and never a negative width or height.
  ViewRect& bound(const ViewRect& other) {
    left = std::max(left, other.left);
    top = std::max(top, other.top);
    right = std::min(right, other.right);
    bottom = std::min(bottom, other.bottom);
    if (right < left) right = left;
    if (bottom < top) bottom = top;
    return *this;
  }
  // Edges included.
  bool pointInside(const ViewPoint& p) const { return p.x >= left && p.x <= right && p.y >= top && p.y <= bottom; }
  // Touching edges count as overlap.
  bool overlaps(const ViewRect& other) const {
    return !(right < other.left || other.right < left || bottom < other.top || other.bottom < top);
  }
  bool isEmpty() const { return !(width() > 0.0 && height() > 0.0); }

  bool operator==(const ViewRect& other) const {
    return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
  }
  bool operator!=(const ViewRect& other) const { return !(*this == other); }
};

// Stored in this byte order: as a little-endian word, red is bits 0-7 and alpha bits
// 24-31. Alpha 255 is opaque.
struct RgbaColor {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  std::uint8_t alpha = 0;

  bool operator==(const RgbaColor& other) const {
    return red == other.red && green == other.green && blue == other.blue && alpha == other.alpha;
  }
  bool operator!=(const RgbaColor& other) const { return !(*this == other); }
};

// How rectangles, ellipses, arcs and polygons are drawn; any other value draws nothing.
using DrawStyle = std::int32_t;
constexpr DrawStyle kDrawStroked = 0;
constexpr DrawStyle kDrawFilled = 1;
constexpr DrawStyle kDrawFilledAndStroked = 2;

constexpr bool Fills(DrawStyle style) { return style == kDrawFilled || style == kDrawFilledAndStroked; }
constexpr bool Strokes(DrawStyle style) { return style == kDrawStroked || style == kDrawFilledAndStroked; }

// Horizontal text alignment; any other value centres.
constexpr std::int32_t kLeftText = 0;
constexpr std::int32_t kRightText = 2;

// Line style and draw mode of a context.
constexpr std::int32_t kLineSolid = 0;
constexpr std::int32_t kLineOnOff = 1;
constexpr std::int32_t kAntiAliasing = 3;  // any other draw mode is aliased

// A key as the editor hands it on: the character, the virtual key and the modifiers.
struct KeyCode {
  std::int32_t character = 0;
  std::uint8_t virt = 0;
  std::uint8_t modifier = 0;
};
constexpr std::uint8_t kVirtualKeyTab = 2;

}  // namespace VSTGUI
