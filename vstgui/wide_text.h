#pragma once

#include <string>

namespace VSTGUI {

// UTF-8 to UTF-16 and back. A text that cannot be converted (or a null one) becomes
// the empty text: drawing and measuring then work on nothing, as if none was given.
std::wstring WideFromUtf8(const char* text);
std::string Utf8FromWide(const wchar_t* text);

}  // namespace VSTGUI
