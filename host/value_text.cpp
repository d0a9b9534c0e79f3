#include <cmath>
#include <cstdio>

#include "host/audio_effect.h"
#include "host/bounded_text.h"

namespace {

constexpr int kMaxDigits = 8;

void WriteText(const char* source, char* text, VstInt32 maxLen) {
  if (text && maxLen > 0) CopyBoundedText(text, source, static_cast<std::size_t>(maxLen));
}

}  // namespace

void AudioEffect::float2string(float value, char* text, VstInt32 maxLen) {
  const double magnitude = std::fabs(static_cast<double>(value));
  if (!std::isfinite(magnitude) || magnitude >= 1e8) {
    WriteText("Huge!", text, maxLen);
    return;
  }
  int integerDigits = 1;
  for (double whole = std::floor(magnitude); whole >= 10.0; whole /= 10.0) ++integerDigits;
  char formatted[32];
  std::snprintf(formatted, sizeof formatted, "%.*f", kMaxDigits - integerDigits, static_cast<double>(value));
  WriteText(formatted, text, maxLen);
}

void AudioEffect::int2string(VstInt32 value, char* text, VstInt32 maxLen) {
  if (value > 99999999) {
    WriteText("Huge!", text, maxLen);
    return;
  }
  char formatted[16];
  std::snprintf(formatted, sizeof formatted, "%d", static_cast<int>(value));
  WriteText(formatted, text, maxLen);
}

void AudioEffect::dB2string(float value, char* text, VstInt32 maxLen) {
  if (value <= 0.0f) {
    WriteText("-oo", text, maxLen);
    return;
  }
  float2string(static_cast<float>(20.0 * std::log10(static_cast<double>(value))), text, maxLen);
}

void AudioEffect::Hz2string(float samples, char* text, VstInt32 maxLen) {
  float2string(samples == 0.0f ? 0.0f : sampleRate / samples, text, maxLen);
}

void AudioEffect::ms2string(float samples, char* text, VstInt32 maxLen) {
  float2string(samples * 1000.0f / sampleRate, text, maxLen);
}
