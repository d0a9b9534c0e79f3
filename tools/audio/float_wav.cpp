#include "tools/audio/float_wav.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <vector>

namespace {

constexpr std::uint16_t kFormatFloat = 3;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;
constexpr std::uint32_t kFloatBytes = 4;
// Header of the files we write: RIFF, "fmt " with 18 bytes, "fact", "data".
constexpr std::uint32_t kHeaderBytes = 12 + 8 + 18 + 8 + 4 + 8;
// The RIFF size fields are 32 bits wide.
constexpr std::uint64_t kMaxDataBytes = 0xFFFFFFFFull - kHeaderBytes;

std::uint32_t Little32(const unsigned char* bytes) {
  return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
         static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

std::uint16_t Little16(const unsigned char* bytes) {
  return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
}

void PutLittle(std::vector<unsigned char>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

void PutTag(std::vector<unsigned char>& out, const char* tag) { out.insert(out.end(), tag, tag + 4); }

float FloatFromLittle(const unsigned char* bytes) {
  const std::uint32_t bits = Little32(bytes);
  float value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

void PutFloat(unsigned char* out, float value) {
  std::uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  for (int i = 0; i < 4; ++i) out[i] = static_cast<unsigned char>(bits >> (8 * i));
}

}  // namespace

FloatWavReader::FloatWavReader(const std::string& path) : path_(path), file_(path, std::ios::binary) {
  if (!file_) throw std::runtime_error("cannot read " + path + ": no such file, or no permission to read it");
  readHeader();
}

void FloatWavReader::readHeader() {
  unsigned char riff[12];
  if (file_.peek() == std::ifstream::traits_type::eof()) {
    throw std::runtime_error("cannot read " + path_ + ": the file is empty");
  }
  if (!file_.read(reinterpret_cast<char*>(riff), sizeof riff) || std::memcmp(riff, "RIFF", 4) != 0 ||
      std::memcmp(riff + 8, "WAVE", 4) != 0) {
    throw std::runtime_error("cannot read " + path_ + ": not a WAV file");
  }
  // Chunks follow one another, each padded to an even size, until the audio data.
  unsigned char chunk[8];
  while (file_.read(reinterpret_cast<char*>(chunk), sizeof chunk)) {
    const std::uint32_t size = Little32(chunk + 4);
    if (std::memcmp(chunk, "fmt ", 4) == 0) {
      readFormat(size);
    } else if (std::memcmp(chunk, "data", 4) == 0) {
      if (info_.channels == 0) throw std::runtime_error("cannot read " + path_ + ": audio data before its format");
      const std::int64_t dataStart = file_.tellg();
      file_.seekg(0, std::ios::end);
      const std::int64_t available = static_cast<std::int64_t>(file_.tellg()) - dataStart;
      file_.seekg(dataStart);
      // A truncated file holds less than its header promises; the frames that are there count.
      const std::int64_t bytes = std::min<std::int64_t>(size, available);
      info_.frames = bytes / (info_.channels * static_cast<std::int64_t>(kFloatBytes));
      framesLeft_ = info_.frames;
      return;
    } else {
      file_.seekg(size + (size & 1u), std::ios::cur);
    }
  }
  throw std::runtime_error("cannot read " + path_ + ": a WAV file without audio data");
}

void FloatWavReader::readFormat(std::uint32_t size) {
  std::vector<unsigned char> format(size + (size & 1u));
  if (size < 16 || !file_.read(reinterpret_cast<char*>(format.data()), static_cast<std::streamsize>(format.size()))) {
    throw std::runtime_error("cannot read " + path_ + ": damaged WAV format chunk");
  }
  std::uint16_t tag = Little16(format.data());
  // The extensible format names the real one in the first two bytes of its subformat.
  if (tag == kFormatExtensible && size >= 26) tag = Little16(format.data() + 24);
  const std::uint16_t channels = Little16(format.data() + 2);
  const std::uint32_t rate = Little32(format.data() + 4);
  const std::uint16_t bits = Little16(format.data() + 14);
  if (tag != kFormatFloat || bits != 32) {
    throw std::runtime_error("cannot read " + path_ + ": this build reads 32-bit float WAV files only");
  }
  if (channels == 0 || rate == 0) throw std::runtime_error("cannot read " + path_ + ": damaged WAV format chunk");
  info_.channels = channels;
  info_.sampleRate = rate;
  info_.format = FloatWavFormat();
}

std::size_t FloatWavReader::read(double* interleaved, std::size_t frames) {
  const std::size_t count = static_cast<std::size_t>(std::min<std::int64_t>(static_cast<std::int64_t>(frames),
                                                                             framesLeft_));
  const std::size_t values = count * static_cast<std::size_t>(info_.channels);
  std::vector<unsigned char> bytes(values * kFloatBytes);
  if (!file_.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()))) {
    throw std::runtime_error("cannot read " + path_ + ": the file ends early");
  }
  for (std::size_t i = 0; i < values; ++i) interleaved[i] = FloatFromLittle(&bytes[i * kFloatBytes]);
  framesLeft_ -= static_cast<std::int64_t>(count);
  return count;
}

FloatWavWriter::FloatWavWriter(const std::string& path, const AudioFileInfo& info)
    : path_(path),
      file_(path, std::ios::binary | std::ios::trunc),
      channels_(info.channels),
      sampleRate_(static_cast<std::uint32_t>(info.sampleRate)) {
  if (!file_) throw std::runtime_error("cannot write " + path);
  if (info.format != FloatWavFormat()) {
    throw std::runtime_error("cannot write " + path + ": this build writes 32-bit float WAV files only");
  }
  writeHeader();
}

void FloatWavWriter::writeHeader() {
  const std::uint64_t dataBytes = frames_ * static_cast<std::uint64_t>(channels_) * kFloatBytes;
  const auto blockAlign = static_cast<std::uint32_t>(channels_) * kFloatBytes;
  std::vector<unsigned char> header;
  PutTag(header, "RIFF");
  PutLittle(header, static_cast<std::uint32_t>(kHeaderBytes - 8 + dataBytes), 4);
  PutTag(header, "WAVE");
  PutTag(header, "fmt ");
  PutLittle(header, 18, 4);
  PutLittle(header, kFormatFloat, 2);
  PutLittle(header, static_cast<std::uint32_t>(channels_), 2);
  PutLittle(header, sampleRate_, 4);
  PutLittle(header, sampleRate_ * blockAlign, 4);
  PutLittle(header, blockAlign, 2);
  PutLittle(header, 32, 2);
  PutLittle(header, 0, 2);  // no extension
  // Formats other than integer PCM carry their frame count in a "fact" chunk.
  PutTag(header, "fact");
  PutLittle(header, 4, 4);
  PutLittle(header, static_cast<std::uint32_t>(frames_), 4);
  PutTag(header, "data");
  PutLittle(header, static_cast<std::uint32_t>(dataBytes), 4);
  file_.seekp(0);
  file_.write(reinterpret_cast<const char*>(header.data()), static_cast<std::streamsize>(header.size()));
}

void FloatWavWriter::write(const double* interleaved, std::size_t frames) {
  const std::size_t values = frames * static_cast<std::size_t>(channels_);
  if ((frames_ + frames) * static_cast<std::uint64_t>(channels_) * kFloatBytes > kMaxDataBytes) {
    throw std::runtime_error("cannot write " + path_ + ": a WAV file holds at most 4 GiB");
  }
  std::vector<unsigned char> bytes(values * kFloatBytes);
  for (std::size_t i = 0; i < values; ++i) PutFloat(&bytes[i * kFloatBytes], static_cast<float>(interleaved[i]));
  if (!file_.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()))) {
    throw std::runtime_error("cannot write " + path_);
  }
  frames_ += frames;
}

void FloatWavWriter::finish() {
  writeHeader();
  file_.close();
  if (!file_) throw std::runtime_error("cannot complete " + path_);
}
