#pragma once

#include <cstdint>
#include <map>

#include "runtime/image_slot.h"
#include "runtime/zepkin_fonts.h"

class CZepkinGraphics : public CZepkinFonts {
 public:
  std::map<std::int32_t, ImageSlotCell> imageSlots;
  double penX = 0.0;
  double penY = 0.0;
  double refreshRate = 0.0;  // redraws per second wanted by the drawing section

 protected:
  CZepkinGraphics() = default;
  ~CZepkinGraphics() = default;
};
