#pragma once

#include <cstdint>

#include "host/vst2_interface.h"
#include "tools/vst_host/plugin_host.h"

// The song a render plays: its tempo in beats (quarter notes) per minute and its time
// signature.
struct Transport {
  double tempo = 120.0;
  VstInt32 numerator = 4;
  VstInt32 denominator = 4;
};

// The host side of an offline render, as a plug-in sees it through its callback: a
// VST 2.4 host that processes offline at a fixed sample rate and block size, with a
// transport that plays from the start of the file at a steady tempo.
class RenderHost final : public PluginHost {
 public:
  RenderHost(double sampleRate, VstInt32 blockSize, const Transport& transport = Transport());

  // The file position of the block about to be processed.
  void setPosition(std::int64_t frame);
  double sampleRate() const { return timeInfo_.sampleRate; }
  VstInt32 blockSize() const { return blockSize_; }

 private:
  VstIntPtr answer(const HostCall& call) override;

  VstInt32 blockSize_;
  VstTimeInfo timeInfo_{};
};
