#include <cstring>
#include <vector>

#include "runtime/zepkin.h"

std::int32_t TZepkin::WriteChunk(void** data, bool /*isPreset*/) {
  FileHandle& stream = fileHandles[kChunkStream];
  CloseHandle(stream);
  stream.mode = kFileWriting;
  stream.values.push_back(kChunkMarker);
  stream.position = 1;
  DoSerialize();
  if (stream.values.size() == 1) return 0;
  *data = stream.values.data();
  return static_cast<std::int32_t>(stream.values.size() * sizeof(float));
}

std::int32_t TZepkin::ReadChunk(const void* data, std::int32_t byteSize, bool /*isPreset*/) {
  // Copied before the stream is closed: a host may hand back the very memory that the
  // last WriteChunk gave it, which closing the stream would overwrite.
  std::vector<float> values;
  if (data && byteSize >= static_cast<std::int32_t>(sizeof(float))) {
    values.resize(static_cast<std::size_t>(byteSize) / sizeof(float));
    std::memcpy(values.data(), data, values.size() * sizeof(float));
  }
  FileHandle& stream = fileHandles[kChunkStream];
  CloseHandle(stream);
  stream.mode = kFileReading;
  stream.position = 0;
  stream.values = std::move(values);
  if (stream.values.empty()) return byteSize;
  stream.position = 1;
  if (stream.values[0] != kChunkMarker) return byteSize;  // a NaN is no marker either
  EnsureInit();
  DoSerialize();
  // The restored values reach the variables bound to their sliders, as a parameter
  // change would bring them; the slider section then sees them all.
  UpdateBoundVariables();
  DoSlider();
  return byteSize;
}
