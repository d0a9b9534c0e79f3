#include "tools/render/json_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale>
#include <sstream>

namespace {

constexpr char kReplacement[] = "\\ufffd";

// The length of the valid UTF-8 sequence at text[at], or 0 when none starts there:
// no overlong forms, no surrogates, nothing beyond U+10FFFF.
std::size_t Utf8Length(const std::string& text, std::size_t at) {
  const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (at + length > text.size()) return 0;
  if (byte(at + 1) < low || byte(at + 1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (byte(at + i) < 0x80 || byte(at + i) > 0xBF) return 0;
  }
  return length;
}

std::string Escaped(unsigned char c) {
  switch (c) {
    case '"':
      return "\\\"";
    case '\\':
      return "\\\\";
    case '\n':
      return "\\n";
    case '\r':
      return "\\r";
    case '\t':
      return "\\t";
    default:
      break;
  }
  if (c >= 0x20) return std::string(1, static_cast<char>(c));
  char code[8];
  std::snprintf(code, sizeof code, "\\u%04x", c);
  return code;
}

}  // namespace

std::string JsonString(const std::string& text) {
  std::string json = "\"";
  for (std::size_t at = 0; at < text.size();) {
    const auto c = static_cast<unsigned char>(text[at]);
    if (c < 0x80) {
      json += Escaped(c);
      ++at;
    } else if (const std::size_t length = Utf8Length(text, at)) {
      json.append(text, at, length);
      at += length;
    } else {
      json += kReplacement;
      ++at;
    }
  }
  return json + "\"";
}

std::string JsonNumber(float value) {
  if (!std::isfinite(value)) return "null";
  // The shortest decimal that reads back as the same float: 0.65, not 0.649999976.
  std::string text;
  for (int digits = 6; digits <= 9; ++digits) {
    std::ostringstream number;
    number.imbue(std::locale::classic());
    number.precision(digits);
    number << value;
    text = number.str();
    if (std::strtof(text.c_str(), nullptr) == value) break;
  }
  return text;
}
