#pragma once

#include <cstddef>
#include <vector>

// One block of audio on its way through a plug-in: the interleaved frames of the
// audio files, and the separate channel buffers of the host's process call.
template <class Sample>
class BlockBuffers {
 public:
  BlockBuffers(int inputs, int outputs, std::size_t blockSize)
      : inputs_(static_cast<std::size_t>(inputs), std::vector<Sample>(blockSize)),
        outputs_(static_cast<std::size_t>(outputs), std::vector<Sample>(blockSize)) {
    for (auto& channel : inputs_) inputPointers_.push_back(channel.data());
    for (auto& channel : outputs_) outputPointers_.push_back(channel.data());
  }

  Sample** inputs() { return inputPointers_.data(); }
  Sample** outputs() { return outputPointers_.data(); }

  void takeInput(const double* interleaved, std::size_t frames) {
    const std::size_t channels = inputs_.size();
    for (std::size_t c = 0; c < channels; ++c) {
      for (std::size_t j = 0; j < frames; ++j) inputs_[c][j] = static_cast<Sample>(interleaved[j * channels + c]);
    }
  }

  void giveOutput(double* interleaved, std::size_t frames) const {
    const std::size_t channels = outputs_.size();
    for (std::size_t c = 0; c < channels; ++c) {
      for (std::size_t j = 0; j < frames; ++j) interleaved[j * channels + c] = outputs_[c][j];
    }
  }

 private:
  std::vector<std::vector<Sample>> inputs_;
  std::vector<std::vector<Sample>> outputs_;
  std::vector<Sample*> inputPointers_;
  std::vector<Sample*> outputPointers_;
};
