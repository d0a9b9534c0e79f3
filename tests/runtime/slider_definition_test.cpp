#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "runtime/path_text.h"
#include "runtime/zepkin.h"

namespace {

class Sliders final : public TZepkin {};

namespace fs = std::filesystem;

// A folder beside the module for file-list sliders, removed again afterwards.
class DataFolder {
 public:
  explicit DataFolder(const std::string& name) : name_(name), path_(fs::u8path(ResolveModulePath(name))) {
    fs::remove_all(path_);
    fs::create_directories(path_);
  }
  ~DataFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  void addFile(const std::string& file) { std::ofstream(path_ / file) << "x"; }
  void addFolder(const std::string& folder) { fs::create_directories(path_ / folder); }
  const std::string& name() const { return name_; }

 private:
  std::string name_;
  fs::path path_;
};

TEST(Sliders, AddingASliderStoresItsDefaultAndDefinition) {
  Sliders script;
  ASSERT_TRUE(script.AddSlider({2, 7.5, 1.0, 11.0, 0.1, "", "s", "fade time"}));
  EXPECT_EQ(script.sliderValues[2], 7.5);
  ASSERT_EQ(script.sliders.size(), 1u);
  const SliderDefinition& slider = script.sliders[0];
  EXPECT_EQ(slider.sliderNumber, 2);
  EXPECT_EQ(slider.defaultValue, 7.5);
  EXPECT_EQ(slider.minimum, 1.0);
  EXPECT_EQ(slider.maximum, 11.0);
  EXPECT_EQ(slider.step, 0.1);
  EXPECT_EQ(slider.unitLabel, "s");
  EXPECT_EQ(slider.displayName, "fade time");
  EXPECT_TRUE(slider.enumNames.empty());
  EXPECT_TRUE(slider.listPrepared);
  EXPECT_EQ(slider.boundVariable, nullptr);
}

TEST(Sliders, NumbersOutsideTheValueArrayAreRefused) {
  Sliders script;
  EXPECT_FALSE(script.AddSlider({128, 1.0, 0.0, 1.0, 0.1, "", "", "too far"}));
  EXPECT_FALSE(script.AddSlider({-1, 1.0, 0.0, 1.0, 0.1, "", "", "negative"}));
  EXPECT_TRUE(script.sliders.empty());
}

TEST(Sliders, FileListOverThreeFilesSpansTwoInHalfSteps) {
  DataFolder folder("slider_test_three");
  folder.addFile("a.wav");
  folder.addFile("b.wav");
  folder.addFile("c.wav");
  folder.addFile(".hidden");
  folder.addFolder("nested");
  Sliders script;
  ASSERT_TRUE(script.AddSlider({5, 1.0, 10.0, 20.0, 1.0, ("/" + folder.name() + "/").c_str(), "", "sample"}));
  const SliderDefinition& slider = script.sliders[0];
  EXPECT_EQ(slider.enumNames.size(), 3u);
  for (const char* name : {"a.wav", "b.wav", "c.wav"}) {
    EXPECT_NE(std::find(slider.enumNames.begin(), slider.enumNames.end(), name), slider.enumNames.end()) << name;
  }
  EXPECT_EQ(slider.minimum, 0.0);
  EXPECT_EQ(slider.maximum, 2.0);
  EXPECT_EQ(slider.step, 0.5);
  EXPECT_EQ(slider.defaultValue, 0.0);
  EXPECT_EQ(script.sliderValues[5], 1.0) << "the stored value is left as it was";
}

TEST(Sliders, FileListOverAnEmptyOrMissingFolderShowsNoDataFiles) {
  DataFolder empty("slider_test_empty");
  Sliders script;
  script.AddSlider({1, 0.0, 0.0, 1.0, 1.0, (empty.name() + "/").c_str(), "", "empty"});
  script.AddSlider({2, 0.0, 0.0, 1.0, 1.0, "slider_test_missing/", "", "missing"});
  for (const SliderDefinition& slider : script.sliders) {
    EXPECT_EQ(slider.enumNames, std::vector<std::string>{"(No Data Files)"});
    EXPECT_EQ(slider.minimum, 0.0);
    EXPECT_EQ(slider.maximum, 0.0);
  }
}

TEST(Sliders, FolderTextWithoutFinalSeparatorFindsNothing) {
  DataFolder folder("slider_test_unterminated");
  folder.addFile("a.wav");
  Sliders script;
  script.AddSlider({1, 0.0, 0.0, 1.0, 1.0, folder.name().c_str(), "", "list"});
  EXPECT_EQ(script.sliders[0].enumNames, std::vector<std::string>{"(No Data Files)"});
}

}  // namespace
