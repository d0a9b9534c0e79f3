#include <stdexcept>

#include "tools/audio/audio_file.h"
#include "tools/audio/float_wav.h"

// Audio files where no audio-file library exists: 32-bit float WAV only.

namespace {
constexpr int kFloatWav = 1;
}

std::unique_ptr<AudioReader> OpenAudioReader(const std::string& path) {
  return std::make_unique<FloatWavReader>(path);
}

std::unique_ptr<AudioWriter> CreateAudioWriter(const std::string& path, const AudioFileInfo& info) {
  return std::make_unique<FloatWavWriter>(path, info);
}

int FloatWavFormat() { return kFloatWav; }

int FormatInContainer(const std::string& container, const AudioFileInfo& /*like*/) {
  if (container == "wav") return kFloatWav;
  throw std::runtime_error("this build writes 32-bit float WAV files only, not \"" + container + "\"");
}

const char* SupportedAudioFormats() { return "32-bit float WAV"; }
