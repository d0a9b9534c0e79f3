#pragma once

#include <cstdio>
#include <memory>

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

// A C stream, closed when it goes.
using StdioFile = std::unique_ptr<std::FILE, FileCloser>;
