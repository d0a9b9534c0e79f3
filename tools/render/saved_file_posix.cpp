#include <cerrno>
#include <cstdio>
#include <cstring>

#include "tools/render/saved_file.h"

// rename replaces the file at to in one step: a reader sees the old file or the new one.
std::string MoveIntoPlace(const std::string& from, const std::string& to) {
  return std::rename(from.c_str(), to.c_str()) == 0 ? std::string() : std::strerror(errno);
}
