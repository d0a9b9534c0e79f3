#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

// Audio files as the render tool reads and writes them: interleaved 64-bit samples,
// whatever the file holds. Which formats exist depends on the build's audio-file
// library (libsndfile natively, a float WAV reader and writer of our own elsewhere);
// `format` is that library's code for a file's container and sample encoding.
struct AudioFileInfo {
  int channels = 0;
  double sampleRate = 0.0;
  std::int64_t frames = 0;
  int format = 0;
};

class AudioReader {
 public:
  virtual ~AudioReader() = default;
  virtual const AudioFileInfo& info() const = 0;
  // Reads up to `frames` frames into `interleaved`; answers how many it read, 0 at the end.
  virtual std::size_t read(double* interleaved, std::size_t frames) = 0;
};

class AudioWriter {
 public:
  virtual ~AudioWriter() = default;
  virtual void write(const double* interleaved, std::size_t frames) = 0;
  // Completes the file; a writer that is not finished leaves an incomplete one.
  virtual void finish() = 0;
};

// Each throws std::runtime_error with a one-line reason when the file cannot be used.
std::unique_ptr<AudioReader> OpenAudioReader(const std::string& path);
std::unique_ptr<AudioWriter> CreateAudioWriter(const std::string& path, const AudioFileInfo& info);

// The format code of 32-bit float WAV.
int FloatWavFormat();
// The format of a file in the named container ("wav", "flac", "aiff") that keeps the
// sample encoding of `like` where the container allows it.
int FormatInContainer(const std::string& container, const AudioFileInfo& like);
// The formats this build reads and writes, for the usage text.
const char* SupportedAudioFormats();
