#pragma once

#include <cstddef>

// Copies `source` into a host buffer of `capacity` bytes, terminating zero included.
// A longer text is cut before the UTF-8 character that does not fit; nothing is
// written past the terminator.
void CopyBoundedText(char* destination, const char* source, std::size_t capacity);
