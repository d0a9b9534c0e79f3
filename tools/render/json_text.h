#pragma once

#include <string>

// A text as a JSON string, quotes included: quotes, backslashes and control characters
// escaped, and each byte that is not part of valid UTF-8 (plug-ins often hand over
// texts in a Windows code page) replaced by U+FFFD, so that the result is valid JSON
// whatever the bytes.
std::string JsonString(const std::string& text);

// A float as JSON has it, in as few digits as read back the same float; null for a NaN
// or an infinity, which JSON cannot hold.
std::string JsonNumber(float value);
