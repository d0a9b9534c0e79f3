#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One slider of a script; the position of a definition in the slider list is its
// VST parameter index.
struct SliderDefinition {
  std::vector<std::string> enumNames;  // shown instead of the number; empty for numeric sliders
  bool listPrepared = false;           // the file list has been resolved
  std::int32_t sliderNumber = 0;       // element of sliderValues holding the value
  double* boundVariable = nullptr;     // script variable updated with the value, if any
  double defaultValue = 0.0;
  double minimum = 0.0;
  double maximum = 0.0;
  double step = 0.0;
  std::string fileFolder;  // folder beside the plug-in whose files form the enumeration
  std::string unitLabel;
  std::string displayName;
};
