#pragma once

#include <string>
#include <vector>

#include "host/vst2_interface.h"

// Which state a chunk call concerns: the whole bank, or the current program alone (the
// interface's preset flag).
enum class ChunkScope { kBank, kProgram };

// The calls a host makes on one plug-in instance through its effect record, written
// once for every program that hosts plug-ins. It hands on what the plug-in answers as it
// is, hostile values included: what counts as a failure is for the program above it to
// decide. It neither creates nor closes the instance.
class EffectCalls {
 public:
  explicit EffectCalls(AEffect* effect) : effect_(effect) {}

  AEffect* effect() const { return effect_; }
  bool hasFlag(VstInt32 flag) const { return (effect_->flags & flag) != 0; }

  VstIntPtr dispatch(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0, void* ptr = nullptr,
                     float opt = 0.0f) const;
  // A text query (names, labels, displays) into a buffer roomier than any the interface
  // promises, cut at its first zero byte or at the buffer's end.
  std::string text(VstInt32 opcode, VstInt32 index = 0) const;
  float parameter(VstInt32 index) const;
  void setParameter(VstInt32 index, float value) const;

  // The state chunk as the plug-in hands it over (empty when it has none).
  std::vector<unsigned char> chunk(ChunkScope scope = ChunkScope::kBank) const;
  // Restores a state chunk from a buffer of the host's own, as hosts hand it over; the
  // plug-in's answer.
  VstIntPtr restore(std::vector<unsigned char> bytes, ChunkScope scope = ChunkScope::kBank) const;

  void process(float** inputs, float** outputs, VstInt32 frames) const;
  void process(double** inputs, double** outputs, VstInt32 frames) const;

 protected:
  // For an owner that has closed the instance or handed it on.
  void forgetEffect() { effect_ = nullptr; }

 private:
  AEffect* effect_;
};
