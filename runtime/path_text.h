#pragma once

#include <string>

// Path and text helpers for translated scripts. A separator is a backslash or a slash.

// Full path of the plug-in library file.
std::string ModulePath();
// ModulePath up to and including its last separator.
std::string ModuleDirectory();
// ModuleDirectory followed by `path` less one leading separator.
std::string ResolveModulePath(const std::string& path);

bool SameText(const std::string& a, const std::string& b);
bool SameTextIgnoreCase(const std::string& a, const std::string& b);
bool StartsWith(const std::string& text, const std::string& prefix);
bool EndsWith(const std::string& text, const std::string& suffix);
bool StartsWithSeparator(const std::string& text);
bool EndsWithSeparator(const std::string& text);
std::string WithLeadingSeparator(const std::string& text);
std::string WithoutLeadingSeparator(const std::string& text);
std::string WithTrailingSeparator(const std::string& text);
// Index of the last separator, or -1.
int LastSeparatorIndex(const std::string& text);
std::string ExtractDirectory(const std::string& text);
std::string ExtractFileName(const std::string& text);
// From the last "." to the end, dot included; the search does not stop at separators.
std::string ExtractExtension(const std::string& text);
