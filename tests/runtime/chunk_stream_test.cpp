#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "runtime/zepkin.h"

namespace {

// A script that saves `count` variables through stream 0 and logs its sections.
class Saver final : public TZepkin {
 public:
  explicit Saver(int count) : variables(static_cast<std::size_t>(count), 0.0) {}
  void DoInit() override { log.push_back("init"); }
  void DoSlider() override { log.push_back("slider"); }
  void DoSerialize() override {
    log.push_back("serialize");
    for (double& variable : variables) TransferValue(kChunkStream, variable);
  }
  std::vector<double> variables;
  std::vector<std::string> log;
};

std::vector<unsigned char> Bytes(std::initializer_list<float> values) {
  std::vector<unsigned char> bytes(values.size() * sizeof(float));
  std::memcpy(bytes.data(), values.begin(), bytes.size());
  return bytes;
}

std::vector<float> Floats(const void* data, std::int32_t size) {
  std::vector<float> values(static_cast<std::size_t>(size) / sizeof(float));
  std::memcpy(values.data(), data, values.size() * sizeof(float));
  return values;
}

using Log = std::vector<std::string>;

TEST(ChunkStream, WrittenChunkIsTheMarkerFollowedByTheSavedValues) {
  Saver script(3);
  script.variables = {1.0, -2.5, 0.1};
  void* data = nullptr;
  const std::int32_t size = script.WriteChunk(&data, false);
  ASSERT_EQ(size, 16);
  EXPECT_EQ(Floats(data, size), (std::vector<float>{-1000.0f, 1.0f, -2.5f, 0.1f}));
  const unsigned char marker[4] = {0x00, 0x00, 0x7A, 0xC4};
  EXPECT_EQ(std::memcmp(data, marker, 4), 0);
}

TEST(ChunkStream, NothingSavedMeansNoChunkAndAnUntouchedSlot) {
  Saver script(0);
  int sentinel = 0;
  void* data = &sentinel;
  EXPECT_EQ(script.WriteChunk(&data, true), 0);
  EXPECT_EQ(data, &sentinel);
}

TEST(ChunkStream, RestoreRunsInitGuardSerializeAndSliderInThatOrder) {
  Saver script(2);
  const std::vector<unsigned char> bytes = Bytes({-1000.0f, 4.0f, 5.0f});
  EXPECT_EQ(script.ReadChunk(bytes.data(), 12, false), 12);
  EXPECT_EQ(script.log, (Log{"init", "serialize", "slider"}));
  EXPECT_EQ(script.variables, (std::vector<double>{4.0, 5.0}));
  EXPECT_EQ(script.ReadChunk(bytes.data(), 12, false), 12);
  EXPECT_EQ(script.log, (Log{"init", "serialize", "slider", "serialize", "slider"}));
}

TEST(ChunkStream, FirstRestoreAfterAResumeStillRunsTheInitSection) {
  Saver script(1);
  script.DoResume();
  const std::vector<unsigned char> bytes = Bytes({-1000.0f, 4.0f});
  script.ReadChunk(bytes.data(), 8, false);
  EXPECT_EQ(script.log, (Log{"init", "slider", "init", "serialize", "slider"}));
}

TEST(ChunkStream, MarkerOnlyChunkRunsTheSectionsButRestoresNothing) {
  Saver script(2);
  script.variables = {7.0, 8.0};
  const std::vector<unsigned char> bytes = Bytes({-1000.0f});
  EXPECT_EQ(script.ReadChunk(bytes.data(), 4, false), 4);
  EXPECT_EQ(script.log, (Log{"init", "serialize", "slider"}));
  EXPECT_EQ(script.variables, (std::vector<double>{7.0, 8.0}));
}

TEST(ChunkStream, ShortChunksAndWrongMarkersRunNoSection) {
  Saver script(1);
  const std::vector<unsigned char> three = {0x00, 0x00, 0x7A};
  EXPECT_EQ(script.ReadChunk(three.data(), 3, false), 3);
  const std::vector<unsigned char> wrong = Bytes({-999.0f, 1.0f});
  EXPECT_EQ(script.ReadChunk(wrong.data(), 8, false), 8);
  const std::vector<unsigned char> notANumber = Bytes({std::nanf(""), 1.0f});
  EXPECT_EQ(script.ReadChunk(notANumber.data(), 8, false), 8);
  EXPECT_EQ(script.ReadChunk(nullptr, 260, false), 260);
  EXPECT_EQ(script.ReadChunk(wrong.data(), -8, false), -8);
  EXPECT_TRUE(script.log.empty());
  EXPECT_EQ(script.variables[0], 0.0);
}

TEST(ChunkStream, TrailingBytesAreIgnored) {
  Saver script(2);
  std::vector<unsigned char> bytes = Bytes({-1000.0f, 3.0f});
  bytes.insert(bytes.end(), {0xFF, 0xFF, 0xFF});
  EXPECT_EQ(script.ReadChunk(bytes.data(), 11, false), 11);
  EXPECT_EQ(script.variables, (std::vector<double>{3.0, 0.0}));
}

TEST(ChunkStream, RestoringFromTheMemoryOfTheLastWrittenChunkRestoresIt) {
  Saver script(2);
  script.variables = {0.5, 6.0};
  void* data = nullptr;
  const std::int32_t size = script.WriteChunk(&data, false);
  script.variables = {0.0, 0.0};
  EXPECT_EQ(script.ReadChunk(data, size, false), size);
  EXPECT_EQ(script.variables, (std::vector<double>{0.5, 6.0}));
}

TEST(ChunkStream, ValuesRoundTripAtSinglePrecision) {
  Saver writer(1);
  writer.variables = {0.1};
  void* data = nullptr;
  const std::int32_t size = writer.WriteChunk(&data, false);
  Saver reader(1);
  reader.ReadChunk(data, size, false);
  EXPECT_EQ(reader.variables[0], static_cast<double>(0.1f));
  EXPECT_NEAR(reader.variables[0] - 0.1, 1.49e-9, 0.01e-9);
}

}  // namespace
