#pragma once

#include <cstdint>

// The ports of an LV2 plug-in made from a VST plug-in object, in index order: its audio
// inputs, its audio outputs, then one control input per slider, in slider order.
struct Lv2PortLayout {
  std::uint32_t inputs;
  std::uint32_t outputs;
  std::uint32_t controls;

  std::uint32_t firstOutput() const { return inputs; }
  std::uint32_t firstControl() const { return inputs + outputs; }
  std::uint32_t count() const { return inputs + outputs + controls; }
};
