#pragma once

#include <array>

#include "runtime/zepkin_dorn.h"

// Slider values: element n holds the value of slider n (numbers start at 1).
class CZepkinSliders : public CZepkinDorn {
 public:
  static constexpr int kSliderValueCount = 128;

  // Slider section: recomputes whatever depends on the slider values.
  virtual void DoSlider() {}

  std::array<double, kSliderValueCount> sliderValues{};

 protected:
  CZepkinSliders() = default;
  ~CZepkinSliders() = default;
};
