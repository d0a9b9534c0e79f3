#pragma once

#include "runtime/zepkin_graphics.h"

// Mouse state as the script sees it; mouseButtonBits is a bit set held in a double.
class CZepkinMouse : public CZepkinGraphics {
 public:
  double mouseButtonBits = 0.0;
  double mouseX = 0.0;
  double mouseY = 0.0;
  // Presses of the left button so far: a drawing section that compares it with the
  // count it saw last misses no click that came and went between two passes.
  double mouseLeftPresses = 0.0;

 protected:
  CZepkinMouse() = default;
  ~CZepkinMouse() = default;
};
