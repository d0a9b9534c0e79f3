#include "tools/render/saved_file.h"

#include <cstdio>
#include <fstream>
#include <stdexcept>

void SaveFile(const std::string& path, const std::vector<unsigned char>& bytes, const std::string& what) {
  const std::string temporary = path + ".vst-render-partial";
  bool written = false;
  {
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    written = !file.fail();
  }
  const std::string reason = written ? MoveIntoPlace(temporary, path) : "the file cannot be written";
  if (reason.empty()) return;
  std::remove(temporary.c_str());
  throw std::runtime_error("cannot write " + what + " " + path + ": " + reason);
}
