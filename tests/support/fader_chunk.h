#pragma once

#include <cstring>
#include <vector>

// The fader's whole state chunk as the plug-in writes it: the marker, then slider values
// 1 to 64, of which the first two are the target level and the fade time in seconds.
inline std::vector<unsigned char> FaderChunk(float level, float fadeSeconds) {
  std::vector<float> values(65, 0.0f);
  values[0] = -1000.0f;
  values[1] = level;
  values[2] = fadeSeconds;
  std::vector<unsigned char> bytes(values.size() * sizeof(float));
  std::memcpy(bytes.data(), values.data(), bytes.size());
  return bytes;
}
