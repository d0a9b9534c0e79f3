#include <gtest/gtest.h>

#include "runtime/path_text.h"

namespace {

TEST(PathText, ModulePathNamesAnExistingFileInItsDirectory) {
  const std::string path = ModulePath();
  ASSERT_FALSE(path.empty());
  EXPECT_EQ(ModuleDirectory(), ExtractDirectory(path));
  EXPECT_TRUE(EndsWithSeparator(ModuleDirectory()));
}

TEST(PathText, ResolvingIgnoresOneLeadingSeparator) {
  EXPECT_EQ(ResolveModulePath("data/x.bin"), ModuleDirectory() + "data/x.bin");
  EXPECT_EQ(ResolveModulePath("/data/x.bin"), ResolveModulePath("data/x.bin"));
  EXPECT_EQ(ResolveModulePath("\\data/x.bin"), ResolveModulePath("data/x.bin"));
  EXPECT_EQ(ResolveModulePath("//x"), ModuleDirectory() + "/x");
}

TEST(PathText, Comparisons) {
  EXPECT_TRUE(SameText("Abc", "Abc"));
  EXPECT_FALSE(SameText("Abc", "abc"));
  EXPECT_TRUE(SameTextIgnoreCase("Courier New", "COURIER new"));
  EXPECT_FALSE(SameTextIgnoreCase("Courier", "Courier New"));
  EXPECT_TRUE(StartsWith("fade time", "fade"));
  EXPECT_FALSE(StartsWith("fa", "fade"));
  EXPECT_TRUE(EndsWith("level.wav", ".wav"));
  EXPECT_FALSE(EndsWith("av", ".wav"));
  EXPECT_TRUE(StartsWith("x", ""));
  EXPECT_TRUE(EndsWith("x", ""));
}

TEST(PathText, Separators) {
  EXPECT_TRUE(StartsWithSeparator("\\a"));
  EXPECT_TRUE(StartsWithSeparator("/a"));
  EXPECT_FALSE(StartsWithSeparator(""));
  EXPECT_TRUE(EndsWithSeparator("a/"));
  EXPECT_FALSE(EndsWithSeparator(""));
  EXPECT_EQ(WithLeadingSeparator("a"), "\\a");
  EXPECT_EQ(WithLeadingSeparator("/a"), "/a");
  EXPECT_EQ(WithoutLeadingSeparator("\\a"), "a");
  EXPECT_EQ(WithoutLeadingSeparator("a"), "a");
  EXPECT_EQ(WithTrailingSeparator("a"), "a\\");
  EXPECT_EQ(WithTrailingSeparator("a/"), "a/");
  EXPECT_EQ(LastSeparatorIndex("a/b\\c"), 3);
  EXPECT_EQ(LastSeparatorIndex("abc"), -1);
}

TEST(PathText, Extraction) {
  EXPECT_EQ(ExtractDirectory("C:\\plug\\fader.dll"), "C:\\plug\\");
  EXPECT_EQ(ExtractDirectory("fader.dll"), "");
  EXPECT_EQ(ExtractFileName("C:\\plug\\fader.dll"), "fader.dll");
  EXPECT_EQ(ExtractFileName("C:\\plug\\"), "");
  EXPECT_EQ(ExtractFileName("fader.dll"), "fader.dll");
  EXPECT_EQ(ExtractExtension("fader.dll"), ".dll");
  EXPECT_EQ(ExtractExtension("a.b\\c"), ".b\\c");
  EXPECT_EQ(ExtractExtension("noext"), "");
}

}  // namespace
