#include "vstgui/wide_text.h"

#include <windows.h>

#include <cstring>
#include <new>

namespace VSTGUI {

std::wstring WideFromUtf8(const char* text) {
  if (!text || !*text) return {};
  try {
    const int length = static_cast<int>(std::strlen(text));
    std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
    const int written = MultiByteToWideChar(CP_UTF8, 0, text, length, wide.data(), length + 1);
    wide.resize(written > 0 ? static_cast<std::size_t>(written) : 0);
    return wide;
  } catch (const std::bad_alloc&) {
    return {};
  }
}

std::string Utf8FromWide(const wchar_t* text) {
  if (!text || !*text) return {};
  try {
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (bytes <= 1) return {};
    std::string narrow(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, narrow.data(), bytes, nullptr, nullptr);
    narrow.resize(static_cast<std::size_t>(bytes) - 1);
    return narrow;
  } catch (const std::bad_alloc&) {
    return {};
  }
}

}  // namespace VSTGUI
