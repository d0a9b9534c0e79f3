#include <cstring>

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
  FileHandle& stream = fileHandles[kChunkStream];
  CloseHandle(stream);
  stream.mode = kFileReading;
  stream.position = 0;
  if (data && byteSize >= static_cast<std::int32_t>(sizeof(float))) {
    stream.values.resize(static_cast<std::size_t>(byteSize) / sizeof(float));
    std::memcpy(stream.values.data(), data, stream.values.size() * sizeof(float));
  }
  if (stream.values.empty()) return byteSize;
  stream.position = 1;
  if (stream.values[0] != kChunkMarker) return byteSize;  // a NaN is no marker either
  EnsureInit();
  DoSerialize();
  DoSlider();
  return byteSize;
}
