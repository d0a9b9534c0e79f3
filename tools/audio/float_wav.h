#pragma once

#include <cstdint>
#include <fstream>
#include <string>

#include "tools/audio/audio_file.h"

// 32-bit float WAV files (format tag 3, or the extensible format with the float
// subformat), read and written without an audio-file library: the cross toolchain
// has none. Multi-byte fields are little-endian whatever the processor.

class FloatWavReader final : public AudioReader {
 public:
  explicit FloatWavReader(const std::string& path);
  const AudioFileInfo& info() const override { return info_; }
  std::size_t read(double* interleaved, std::size_t frames) override;

 private:
  void readHeader();
  void readFormat(std::uint32_t size);

  std::string path_;
  std::ifstream file_;
  AudioFileInfo info_;
  std::int64_t framesLeft_ = 0;
};

class FloatWavWriter final : public AudioWriter {
 public:
  FloatWavWriter(const std::string& path, const AudioFileInfo& info);
  void write(const double* interleaved, std::size_t frames) override;
  void finish() override;

 private:
  void writeHeader();

  std::string path_;
  std::ofstream file_;
  int channels_;
  std::uint32_t sampleRate_;
  std::uint64_t frames_ = 0;
};
