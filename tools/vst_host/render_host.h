#pragma once

#include <cstdint>

#include "host/vst2_interface.h"

// The host side of an offline render, as a plug-in sees it through its callback: a
// VST 2.4 host that processes offline at a fixed sample rate and block size, with a
// transport that plays from the start of the file at 120 beats per minute in 4/4.
//
// The callback carries no user data, so calls are routed to the one host that exists
// at a time; a render hosts a single plug-in.
class RenderHost {
 public:
  RenderHost(double sampleRate, VstInt32 blockSize);
  ~RenderHost();
  RenderHost(const RenderHost&) = delete;
  RenderHost& operator=(const RenderHost&) = delete;

  static VstIntPtr VSTCALLBACK Callback(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                                        float opt);

  // The file position of the block about to be processed.
  void setPosition(std::int64_t frame);
  double sampleRate() const { return timeInfo_.sampleRate; }
  VstInt32 blockSize() const { return blockSize_; }

 private:
  VstIntPtr answer(VstInt32 opcode, void* ptr);

  VstInt32 blockSize_;
  VstTimeInfo timeInfo_{};
};
