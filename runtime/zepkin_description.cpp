#include "runtime/zepkin_description.h"

#include <filesystem>
#include <system_error>

#include "runtime/path_text.h"

bool CZepkinDescription::AddSlider(const SliderDeclaration& declared) {
  if (declared.number < 0 || declared.number >= kSliderValueCount) return false;
  sliderValues[static_cast<std::size_t>(declared.number)] = declared.defaultValue;

  SliderDefinition slider;
  slider.sliderNumber = declared.number;
  slider.defaultValue = declared.defaultValue;
  slider.minimum = declared.minimum;
  slider.maximum = declared.maximum;
  slider.step = declared.step;
  slider.fileFolder = declared.fileFolder ? declared.fileFolder : "";
  slider.unitLabel = declared.unitLabel ? declared.unitLabel : "";
  slider.displayName = declared.displayName ? declared.displayName : "";
  sliders.push_back(std::move(slider));

  SliderDefinition& added = sliders.back();
  if (!added.listPrepared) {
    added.listPrepared = true;
    if (!added.fileFolder.empty()) PrepareFileList(added);
  }
  return true;
}

bool CZepkinDescription::AddSlider(const SliderDeclaration& declared, std::vector<std::string> valueNames) {
  if (!AddSlider(declared)) return false;
  sliders.back().enumNames = std::move(valueNames);
  return true;
}

void CZepkinDescription::UpdateBoundVariables() {
  for (const SliderDefinition& slider : sliders) {
    if (slider.boundVariable) *slider.boundVariable = sliderValues[static_cast<std::size_t>(slider.sliderNumber)];
  }
}

namespace {

// The folder's regular files in listing order. Each name is examined as the folder
// text followed directly by the name, so a folder text without a final separator
// finds nothing.
std::vector<std::string> ListDataFiles(const std::string& folder) {
  namespace fs = std::filesystem;
  std::vector<std::string> names;
  std::error_code error;
  fs::directory_iterator entries(fs::u8path(folder), error);
  for (; !error && entries != fs::directory_iterator(); entries.increment(error)) {
    const std::string name = entries->path().filename().u8string();
    if (name.empty() || name.front() == '.') continue;
    std::error_code statError;
    const fs::file_status status = fs::status(fs::u8path(folder + name), statError);
    if (statError || !fs::exists(status) || fs::is_directory(status)) continue;
    names.push_back(name);
  }
  return names;
}

}  // namespace

void PrepareFileList(SliderDefinition& slider) {
  slider.enumNames = ListDataFiles(ResolveModulePath(slider.fileFolder));
  if (slider.enumNames.empty()) slider.enumNames.emplace_back("(No Data Files)");
  slider.minimum = 0.0;
  slider.maximum = static_cast<double>(slider.enumNames.size()) - 1.0;
  slider.defaultValue = 0.0;
  slider.step = 0.5;
}
