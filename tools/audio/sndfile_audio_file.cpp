#include <sndfile.h>

#include <filesystem>
#include <stdexcept>
#include <vector>

#include "tools/audio/audio_file.h"

// Audio files through libsndfile: every format it reads, and the same format out.

namespace {

struct Container {
  const char* name;
  int format;
  int encoding;  // used when the input's encoding does not fit the container
};

constexpr Container kContainers[] = {
    {"wav", SF_FORMAT_WAV, SF_FORMAT_FLOAT},
    {"flac", SF_FORMAT_FLAC, SF_FORMAT_PCM_24},
    {"aiff", SF_FORMAT_AIFF, SF_FORMAT_FLOAT},
};

struct SoundFileCloser {
  void operator()(SNDFILE* file) const { sf_close(file); }
};
using SoundFile = std::unique_ptr<SNDFILE, SoundFileCloser>;

// libsndfile's messages may start with "System error : " and end in a full stop.
std::string Reason(SNDFILE* file) {
  std::string reason = sf_strerror(file);
  const std::string system = "System error : ";
  if (reason.rfind(system, 0) == 0) reason.erase(0, system.size());
  while (!reason.empty() && (reason.back() == '.' || reason.back() == '\n')) reason.pop_back();
  return reason;
}

class SndfileReader final : public AudioReader {
 public:
  explicit SndfileReader(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) throw std::runtime_error("cannot read " + path + ": no such file");
    if (std::filesystem::is_regular_file(path, error) && std::filesystem::file_size(path, error) == 0) {
      throw std::runtime_error("cannot read " + path + ": the file is empty");
    }
    SF_INFO sfInfo{};
    file_.reset(sf_open(path.c_str(), SFM_READ, &sfInfo));
    if (!file_) throw std::runtime_error("cannot read " + path + ": " + Reason(nullptr));
    info_ = {sfInfo.channels, static_cast<double>(sfInfo.samplerate), sfInfo.frames, sfInfo.format};
  }

  const AudioFileInfo& info() const override { return info_; }

  std::size_t read(double* interleaved, std::size_t frames) override {
    const sf_count_t count = sf_readf_double(file_.get(), interleaved, static_cast<sf_count_t>(frames));
    return count > 0 ? static_cast<std::size_t>(count) : 0;
  }

 private:
  SoundFile file_;
  AudioFileInfo info_;
};

class SndfileWriter final : public AudioWriter {
 public:
  SndfileWriter(const std::string& path, const AudioFileInfo& info) : path_(path) {
    SF_INFO sfInfo{};
    sfInfo.channels = info.channels;
    sfInfo.samplerate = static_cast<int>(info.sampleRate);
    sfInfo.format = info.format;
    if (!sf_format_check(&sfInfo)) throw std::runtime_error("cannot write " + path + " in the chosen format");
    file_.reset(sf_open(path.c_str(), SFM_WRITE, &sfInfo));
    if (!file_) throw std::runtime_error("cannot write " + path + ": " + Reason(nullptr));
    // Integer formats clip what lies beyond full scale instead of wrapping it round.
    sf_command(file_.get(), SFC_SET_CLIPPING, nullptr, SF_TRUE);
  }

  void write(const double* interleaved, std::size_t frames) override {
    const auto count = static_cast<sf_count_t>(frames);
    if (sf_writef_double(file_.get(), interleaved, count) != count) {
      throw std::runtime_error("cannot write " + path_ + ": " + Reason(file_.get()));
    }
  }

  void finish() override {
    if (sf_close(file_.release()) != 0) throw std::runtime_error("cannot complete " + path_);
  }

 private:
  std::string path_;
  SoundFile file_;
};

}  // namespace

std::unique_ptr<AudioReader> OpenAudioReader(const std::string& path) {
  return std::make_unique<SndfileReader>(path);
}

std::unique_ptr<AudioWriter> CreateAudioWriter(const std::string& path, const AudioFileInfo& info) {
  return std::make_unique<SndfileWriter>(path, info);
}

int FloatWavFormat() { return SF_FORMAT_WAV | SF_FORMAT_FLOAT; }

int FormatInContainer(const std::string& container, const AudioFileInfo& like) {
  for (const Container& each : kContainers) {
    if (container != each.name) continue;
    SF_INFO check{};
    check.channels = like.channels;
    check.samplerate = static_cast<int>(like.sampleRate);
    check.format = each.format | (like.format & SF_FORMAT_SUBMASK);
    return sf_format_check(&check) ? check.format : each.format | each.encoding;
  }
  throw std::runtime_error("unknown output format \"" + container + "\" (wav, flac or aiff)");
}

const char* SupportedAudioFormats() { return "WAV, FLAC, AIFF and the other formats of libsndfile"; }
