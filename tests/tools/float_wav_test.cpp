#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

#include "tests/tools/render_test_support.h"
#include "tools/audio/float_wav.h"

namespace {

std::vector<unsigned char> Bytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                              static_cast<std::streamsize>(bytes.size()));
}

void WriteFile(const std::string& path, const std::vector<double>& samples, int channels) {
  FloatWavWriter writer(path, {channels, 48000.0, 0, FloatWavFormat()});
  writer.write(samples.data(), samples.size() / static_cast<std::size_t>(channels));
  writer.finish();
}

// A 16-bit integer WAV, the most common kind, written byte by byte.
std::vector<unsigned char> IntegerWav() {
  std::vector<unsigned char> bytes = {'R', 'I', 'F', 'F', 40, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ', 16, 0, 0,
                                      0, 1, 0, 1, 0, 0x44, 0xAC, 0, 0, 0x88, 0x58, 1, 0, 2, 0, 16, 0, 'd', 'a', 't',
                                      'a', 4, 0, 0, 0, 0, 0, 0, 0};
  return bytes;
}

TEST(FloatWav, WrittenFileReadsBackExactlyAsFloats) {
  const ScratchFolder folder(CurrentTestName());
  const std::vector<double> samples = {0.0, -1.0, 0.5, 0.25, 1.0 / 3.0, -0.125};
  WriteFile(folder.file("a.wav"), samples, 2);
  FloatWavReader reader(folder.file("a.wav"));
  EXPECT_EQ(reader.info().channels, 2);
  EXPECT_EQ(reader.info().sampleRate, 48000.0);
  EXPECT_EQ(reader.info().frames, 3);
  std::vector<double> read(6);
  EXPECT_EQ(reader.read(read.data(), 10), 3u);
  for (std::size_t i = 0; i < samples.size(); ++i) EXPECT_EQ(read[i], static_cast<float>(samples[i])) << i;
  EXPECT_EQ(reader.read(read.data(), 10), 0u);
}

TEST(FloatWav, HeaderDescribesIeeeFloatWithItsFrameCount) {
  const ScratchFolder folder(CurrentTestName());
  WriteFile(folder.file("a.wav"), std::vector<double>(10, 0.5), 1);
  const std::vector<unsigned char> bytes = Bytes(folder.file("a.wav"));
  ASSERT_EQ(bytes.size(), 58u + 40u);
  EXPECT_EQ(std::memcmp(bytes.data(), "RIFF", 4), 0);
  EXPECT_EQ(bytes[4], 58 - 8 + 40);         // RIFF size
  EXPECT_EQ(bytes[20], 3);                  // IEEE float
  EXPECT_EQ(bytes[34], 32);                 // bits per sample
  EXPECT_EQ(std::memcmp(&bytes[38], "fact", 4), 0);
  EXPECT_EQ(bytes[46], 10);                 // frames
  EXPECT_EQ(std::memcmp(&bytes[50], "data", 4), 0);
  EXPECT_EQ(bytes[54], 40);                 // data bytes
}

TEST(FloatWav, ExtensibleFloatFilesAreRead) {
  const ScratchFolder folder(CurrentTestName());
  WriteFile(folder.file("plain.wav"), {0.5, -0.5}, 1);
  std::vector<unsigned char> bytes = Bytes(folder.file("plain.wav"));
  // The same file with a 40-byte extensible format chunk whose subformat is float.
  std::vector<unsigned char> extensible(bytes.begin(), bytes.begin() + 12);
  const unsigned char format[] = {'f', 'm', 't', ' ', 40, 0, 0, 0, 0xFE, 0xFF};
  extensible.insert(extensible.end(), format, format + sizeof format);
  extensible.insert(extensible.end(), bytes.begin() + 22, bytes.begin() + 36);  // channels to bits
  const unsigned char extension[] = {22, 0, 32, 0, 0, 0, 0, 0, 3, 0, 0, 0, 0, 0, 0x10, 0, 0x80, 0, 0, 0xAA, 0, 0x38,
                                     0x9B, 0x71};
  extensible.insert(extensible.end(), extension, extension + sizeof extension);
  extensible.insert(extensible.end(), bytes.begin() + 50, bytes.end());  // "data" on
  WriteBytes(folder.file("extensible.wav"), extensible);

  FloatWavReader reader(folder.file("extensible.wav"));
  std::vector<double> read(2);
  EXPECT_EQ(reader.read(read.data(), 2), 2u);
  EXPECT_EQ(read, (std::vector<double>{0.5, -0.5}));
}

TEST(FloatWav, TruncatedFileReadsTheFramesThatAreThere) {
  const ScratchFolder folder(CurrentTestName());
  WriteFile(folder.file("a.wav"), std::vector<double>(100, 0.5), 2);
  std::vector<unsigned char> bytes = Bytes(folder.file("a.wav"));
  bytes.resize(bytes.size() - 8 * 20 - 3);
  WriteBytes(folder.file("a.wav"), bytes);
  FloatWavReader reader(folder.file("a.wav"));
  EXPECT_EQ(reader.info().frames, 50 - 20 - 1);
}

TEST(FloatWav, OtherFilesAreRefusedWithTheirReason) {
  const ScratchFolder folder(CurrentTestName());
  WriteBytes(folder.file("integer.wav"), IntegerWav());
  WriteText(folder.file("text.wav"), "this is text, not audio\n");
  WriteText(folder.file("empty.wav"), "");
  const std::pair<std::string, std::string> cases[] = {
      {"integer.wav", "32-bit float WAV files only"},
      {"text.wav", "not a WAV file"},
      {"empty.wav", "the file is empty"},
      {"missing.wav", "cannot read"},
  };
  for (const auto& [name, reason] : cases) {
    try {
      FloatWavReader reader(folder.file(name));
      ADD_FAILURE() << name << " was accepted";
    } catch (const std::runtime_error& error) {
      EXPECT_NE(std::string(error.what()).find(reason), std::string::npos) << name << ": " << error.what();
    }
  }
}

}  // namespace
