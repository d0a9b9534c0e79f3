#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "runtime/diagnostics_log.h"

namespace {

int toneCount = 0;
int CountingTone() { return ++toneCount; }

std::vector<std::string> Lines(const std::filesystem::path& path) {
  std::ifstream file(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(file, line);) lines.push_back(line);
  return lines;
}

class DiagnosticsLog : public ::testing::Test {
 protected:
  void SetUp() override {
    toneCount = 0;
    std::filesystem::remove(path);
  }
  void TearDown() override { std::filesystem::remove(path); }

  const std::filesystem::path path = std::filesystem::temp_directory_path() / "quorvantile_log_test.txt";
};

TEST_F(DiagnosticsLog, LogLiesInTheRootFolder) {
#ifdef _WIN32
  EXPECT_STREQ(kDiagnosticsLogPath, "\\zirp.log.txt");
#else
  EXPECT_STREQ(kDiagnosticsLogPath, "/zirp.log.txt");
#endif
}

TEST_F(DiagnosticsLog, EachCallAppendsItsTextAsALineThenSoundsTheTone) {
  {
    std::ofstream earlier(path);
    earlier << "earlier\n";
  }
  EXPECT_EQ(AppendLogTo(path.string().c_str(), "a", CountingTone), 1);
  EXPECT_EQ(AppendLogTo(path.string().c_str(), "b", CountingTone), 2);
  EXPECT_EQ(Lines(path), (std::vector<std::string>{"earlier", "a", "b"}));
}

TEST_F(DiagnosticsLog, AMissingLogFileIsCreated) {
  EXPECT_EQ(AppendLogTo(path.string().c_str(), "first", CountingTone), 1);
  EXPECT_EQ(Lines(path), std::vector<std::string>{"first"});
}

TEST_F(DiagnosticsLog, AnUnwritableLocationReturnsZeroWithoutTone) {
  const std::filesystem::path unreachable =
      std::filesystem::temp_directory_path() / "quorvantile-no-such-folder" / "zirp.log.txt";
  EXPECT_EQ(AppendLogTo(unreachable.string().c_str(), "lost", CountingTone), 0);
  EXPECT_EQ(toneCount, 0);
  EXPECT_FALSE(std::filesystem::exists(unreachable));
}

}  // namespace
