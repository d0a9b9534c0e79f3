#include "runtime/path_text.h"

#include <algorithm>
#include <cctype>

#include "platform/platform_services.h"

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

char LowerAscii(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

}  // namespace

std::string ModulePath() { return ModuleFilePath(); }

std::string ModuleDirectory() { return ExtractDirectory(ModulePath()); }

std::string ResolveModulePath(const std::string& path) { return ModuleDirectory() + WithoutLeadingSeparator(path); }

bool SameText(const std::string& a, const std::string& b) { return a == b; }

bool SameTextIgnoreCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

bool StartsWith(const std::string& text, const std::string& prefix) {
  return prefix.size() <= text.size() && text.compare(0, prefix.size(), prefix) == 0;
}

bool EndsWith(const std::string& text, const std::string& suffix) {
  return suffix.size() <= text.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

bool StartsWithSeparator(const std::string& text) { return !text.empty() && IsSeparator(text.front()); }

bool EndsWithSeparator(const std::string& text) { return !text.empty() && IsSeparator(text.back()); }

std::string WithLeadingSeparator(const std::string& text) {
  return StartsWithSeparator(text) ? text : "\\" + text;
}

std::string WithoutLeadingSeparator(const std::string& text) {
  return StartsWithSeparator(text) ? text.substr(1) : text;
}

std::string WithTrailingSeparator(const std::string& text) {
  return EndsWithSeparator(text) ? text : text + "\\";
}

int LastSeparatorIndex(const std::string& text) {
  const std::size_t index = text.find_last_of("\\/");
  return index == std::string::npos ? -1 : static_cast<int>(index);
}

std::string ExtractDirectory(const std::string& text) {
  return text.substr(0, static_cast<std::size_t>(LastSeparatorIndex(text) + 1));
}

std::string ExtractFileName(const std::string& text) {
  return text.substr(static_cast<std::size_t>(LastSeparatorIndex(text) + 1));
}

std::string ExtractExtension(const std::string& text) {
  const std::size_t dot = text.rfind('.');
  return dot == std::string::npos ? std::string() : text.substr(dot);
}
