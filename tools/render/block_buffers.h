#pragma once

#include <cstddef>
#include <vector>

// One block of audio on its way through a chain of plug-ins: the interleaved frames of
// the audio files, and the separate channel buffers of the host's process calls. Each
// plug-in writes into buffers of its own, which the next one reads.
template <class Sample>
class ChainBuffers {
 public:
  // channels: the first plug-in's inputs, then each plug-in's outputs.
  ChainBuffers(const std::vector<int>& channels, std::size_t blockSize) : stages_(channels.size()) {
    for (std::size_t stage = 0; stage < channels.size(); ++stage) {
      stages_[stage].buffers.assign(static_cast<std::size_t>(channels[stage]), std::vector<Sample>(blockSize));
      for (auto& channel : stages_[stage].buffers) stages_[stage].pointers.push_back(channel.data());
    }
  }

  Sample** inputsOf(std::size_t plugin) { return stages_[plugin].pointers.data(); }
  Sample** outputsOf(std::size_t plugin) { return stages_[plugin + 1].pointers.data(); }

  void takeInput(const double* interleaved, std::size_t frames) {
    auto& channels = stages_.front().buffers;
    for (std::size_t c = 0; c < channels.size(); ++c) {
      for (std::size_t j = 0; j < frames; ++j) channels[c][j] = static_cast<Sample>(interleaved[j * channels.size() + c]);
    }
  }

  void giveOutput(double* interleaved, std::size_t frames) const {
    const auto& channels = stages_.back().buffers;
    for (std::size_t c = 0; c < channels.size(); ++c) {
      for (std::size_t j = 0; j < frames; ++j) interleaved[j * channels.size() + c] = channels[c][j];
    }
  }

 private:
  struct Stage {
    std::vector<std::vector<Sample>> buffers;
    std::vector<Sample*> pointers;
  };
  std::vector<Stage> stages_;
};
