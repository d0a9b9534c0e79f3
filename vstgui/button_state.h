#pragma once

#include <cstdint>

namespace VSTGUI {

// Mouse buttons and modifier keys of a mouse event, as one mask.
using ButtonState = std::int32_t;
constexpr ButtonState kLButton = 0x2;
constexpr ButtonState kMButton = 0x4;
constexpr ButtonState kRButton = 0x8;
constexpr ButtonState kShift = 0x10;
constexpr ButtonState kControl = 0x20;
constexpr ButtonState kAlt = 0x40;
constexpr ButtonState kButton4 = 0x100;
constexpr ButtonState kButton5 = 0x200;
constexpr ButtonState kDoubleClick = 0x400;

// What a view answers to a mouse event.
enum CMouseEventResult : std::int32_t {
  kMouseEventNotImplemented = 0,  // the view has no handler
  kMouseEventHandled = 1,         // the view wants the following moves and the release
  kMouseEventNotHandled = 2,
};

enum class MouseWheelAxis : std::int32_t { vertical, horizontal };

}  // namespace VSTGUI
