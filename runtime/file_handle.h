#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum FileMode : std::int32_t { kFileClosed = 0, kFileReading = 1, kFileWriting = 2 };

// A stream of 32-bit float values. Handle 0 of every script carries the state chunk.
struct FileHandle {
  std::string fileName;  // disk file beside the plug-in, written out on close; empty for the chunk stream
  std::int32_t position = 0;  // next value to read or write
  std::vector<float> values;
  // Bookkeeping for translated file code: cleared on close, read by nothing in the runtime.
  bool reservedFlag = false;
  std::int32_t mode = kFileClosed;
  std::int32_t reservedCounters[2] = {0, 0};
};
