#pragma once

#include <cstdint>

#include "host/dorn.h"
#include "vstgui/draw_context.h"

// The draw context of the drawing pass under way, or null outside one.
inline VSTGUI::CDrawContext* PassContext(CDorn* plugin) { return plugin ? plugin->activeDrawContext : nullptr; }

// A script colour: the low byte of each channel, alpha 255 opaque.
inline VSTGUI::RgbaColor ScriptColor(std::int32_t red, std::int32_t green, std::int32_t blue, std::int32_t alpha) {
  return {static_cast<std::uint8_t>(red & 0xFF), static_cast<std::uint8_t>(green & 0xFF),
          static_cast<std::uint8_t>(blue & 0xFF), static_cast<std::uint8_t>(alpha & 0xFF)};
}
