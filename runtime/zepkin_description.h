#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/slider_definition.h"
#include "runtime/zepkin_samples.h"

// Identity and slider definitions, filled by a translated script's constructor.
class CZepkinDescription : public CZepkinSamples {
 public:
  struct SliderDeclaration {
    std::int32_t number;
    double defaultValue;
    double minimum;
    double maximum;
    double step;
    const char* fileFolder;
    const char* unitLabel;
    const char* displayName;
  };

  // Stores the default as the slider's value and appends its definition; a slider
  // with a file folder becomes a list of that folder's files. A number outside the
  // slider value array is refused (returns false, adds nothing).
  bool AddSlider(const SliderDeclaration& declared);
  // A slider whose values are shown by name, spread evenly over its range (names
  // {"off", "on"} over 0 to 1, say).
  bool AddSlider(const SliderDeclaration& declared, std::vector<std::string> valueNames);
  // Gives every slider's bound variable the slider's value, as after a parameter change.
  void UpdateBoundVariables();

  std::vector<SliderDefinition> sliders;
  std::string effectName;
  std::string productName;
  std::string vendorName;
  std::string programName;
  std::int32_t vendorVersion = 0;
  std::int32_t uniqueId = 0;
  std::int32_t channelCount = 0;

 protected:
  CZepkinDescription() = default;
  ~CZepkinDescription() = default;
};

// Turns a slider into a list of the regular files of its folder, resolved beside the
// plug-in file: range 0 to count - 1 in half steps, or the single entry
// "(No Data Files)" when the folder holds none.
void PrepareFileList(SliderDefinition& slider);
