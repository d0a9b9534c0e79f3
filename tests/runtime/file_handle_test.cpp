#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "runtime/path_text.h"
#include "runtime/zepkin.h"

namespace {

class Files final : public TZepkin {};

std::vector<unsigned char> ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

TEST(FileHandles, WritingGrowsTheStreamAndReadingStopsAtItsEnd) {
  Files files;
  FileHandle& stream = files.fileHandles[0];
  stream.mode = kFileWriting;
  double a = 1.5, b = -3.0;
  files.TransferValue(0, a);
  files.TransferValue(0, b);
  EXPECT_EQ(stream.values, (std::vector<float>{1.5f, -3.0f}));
  EXPECT_EQ(stream.position, 2);

  stream.mode = kFileReading;
  stream.position = 1;
  double read = 0.0, past = 42.0;
  files.TransferValue(0, read);
  files.TransferValue(0, past);
  EXPECT_EQ(read, -3.0);
  EXPECT_EQ(past, 42.0);
}

TEST(FileHandles, ClosedHandlesAndUnknownNumbersTransferNothing) {
  Files files;
  double value = 9.0;
  files.TransferValue(0, value);
  files.TransferValue(1, value);
  files.TransferValue(-1, value);
  EXPECT_EQ(value, 9.0);
  EXPECT_TRUE(files.fileHandles[0].values.empty());
}

TEST(FileHandles, ClosingANamedWritingHandleWritesOneByteAValue) {
  const std::string name = "file_handle_test_output.bin";
  std::remove(ResolveModulePath(name).c_str());
  FileHandle handle;
  handle.fileName = "\\" + name;
  handle.mode = kFileWriting;
  handle.values = {1.6f, -1.6f, 300.0f, 0.99995f, -0.99995f};
  handle.position = 5;
  CZepkinFiles::CloseHandle(handle);
  EXPECT_EQ(ReadFile(ResolveModulePath(name)), (std::vector<unsigned char>{1, 255, 44, 1, 255}));
  EXPECT_TRUE(handle.fileName.empty());
  EXPECT_TRUE(handle.values.empty());
  EXPECT_EQ(handle.position, 0);
  EXPECT_EQ(handle.mode, kFileClosed);
  std::remove(ResolveModulePath(name).c_str());
}

TEST(FileHandles, AFileThatCannotBeCreatedIsSkipped) {
  const std::string name = "no_such_folder_here/output.bin";
  FileHandle handle;
  handle.fileName = name;
  handle.mode = kFileWriting;
  handle.values = {1.0f};
  CZepkinFiles::CloseHandle(handle);
  EXPECT_EQ(handle.mode, kFileClosed);
  std::ifstream file(ResolveModulePath(name));
  EXPECT_FALSE(file.is_open());
}

TEST(FileHandles, ReadingHandlesAreNeverWrittenOut) {
  const std::string name = "file_handle_test_reading.bin";
  FileHandle handle;
  handle.fileName = name;
  handle.mode = kFileReading;
  handle.values = {1.0f};
  CZepkinFiles::CloseHandle(handle);
  std::ifstream file(ResolveModulePath(name));
  EXPECT_FALSE(file.is_open());
}

}  // namespace
