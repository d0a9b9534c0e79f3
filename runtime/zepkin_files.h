#pragma once

#include <cstdint>
#include <vector>

#include "runtime/file_handle.h"
#include "runtime/zepkin_strings.h"

// File handles; handle 0 is the serialization stream and lives as long as the script.
class CZepkinFiles : public CZepkinStrings {
 public:
  static constexpr std::int32_t kChunkStream = 0;

  // Writes a named writing handle out as bytes beside the plug-in, then empties it.
  static void CloseHandle(FileHandle& handle);
  // Writing: appends the variable to the stream. Reading: loads the next value into
  // it, or leaves it unchanged past the end. Other modes and unknown handles: nothing.
  void TransferValue(std::int32_t handle, double& variable);

  std::vector<FileHandle> fileHandles;

 protected:
  CZepkinFiles();
  ~CZepkinFiles();
};
