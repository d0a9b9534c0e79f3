#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "tools/render/saved_file.h"

// The C library's rename refuses to replace a file on Windows. MoveFileEx with
// MOVEFILE_REPLACE_EXISTING renames within the folder's volume, replacing the old file
// in one step, without a moment in which neither file is there; MOVEFILE_WRITE_THROUGH
// returns only once the move is on the disk.
std::string MoveIntoPlace(const std::string& from, const std::string& to) {
  if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return {};
  return "the system refused to move the written file into place (error " + std::to_string(GetLastError()) + ")";
}
