#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/support/test_host.h"
#include "tools/vst_host/plugin_library.h"

namespace {

namespace fs = std::filesystem;

// An empty working folder of the test's own; the previous one comes back afterwards.
class PluginLibraryPath : public ::testing::Test {
 protected:
  PluginLibraryPath() : previous_(fs::current_path()), folder_(previous_ / "plugin_library_path_test") {
    fs::remove_all(folder_);
    fs::create_directory(folder_);
    fs::current_path(folder_);
  }
  ~PluginLibraryPath() override {
    fs::current_path(previous_);
    fs::remove_all(folder_);
  }

 private:
  const fs::path previous_;
  const fs::path folder_;
};

TEST_F(PluginLibraryPath, ARelativePathNamesAFileBelowTheWorkingFolder) {
  const std::string relative = fs::relative(BuiltPluginPath(), fs::current_path()).string();
  EXPECT_TRUE(PluginLibrary(relative).loaded()) << relative;
}

TEST_F(PluginLibraryPath, ALibraryBesideTheProgramIsNotFoundByItsNameAlone) {
  const std::string name = fs::path(BuiltPluginPath()).filename().string();
  if (!fs::exists(ExecutableDirectory() + name)) GTEST_SKIP() << "the plug-in under test is not beside this program";
  // Windows' own search would find it there first, and the test program may hold it loaded.
  BuiltPlugin();
  EXPECT_FALSE(PluginLibrary(name).loaded()) << name;
}

}  // namespace
