#include "runtime/zepkin_files.h"

#include <cmath>
#include <cstdio>

#include "runtime/path_text.h"
#include "runtime/script_conversions.h"
#include "runtime/stdio_file.h"

CZepkinFiles::CZepkinFiles() : fileHandles(1) {}

CZepkinFiles::~CZepkinFiles() {
  for (FileHandle& handle : fileHandles) CloseHandle(handle);
}

namespace {

// A stream value written to disk is one byte: the whole number the value stands for,
// cut to its low 8 bits. fmod keeps this exact for every float, where a cast to an
// integer would overflow.
unsigned char ValueByte(float value) {
  const double whole = NudgedWhole(value);
  if (!std::isfinite(whole)) return 0;
  double low = std::fmod(whole, 256.0);
  if (low < 0.0) low += 256.0;
  return static_cast<unsigned char>(low);
}

void WriteOut(const FileHandle& handle) {
  const StdioFile file(std::fopen(ResolveModulePath(handle.fileName).c_str(), "wb"));
  if (!file) return;
  for (const float value : handle.values) std::fputc(ValueByte(value), file.get());
}

}  // namespace

void CZepkinFiles::CloseHandle(FileHandle& handle) {
  if (handle.mode == kFileWriting && !handle.fileName.empty()) WriteOut(handle);
  handle.fileName.clear();
  handle.values.clear();
  handle.position = 0;
  handle.reservedFlag = false;
  handle.reservedCounters[0] = handle.reservedCounters[1] = 0;
  handle.mode = kFileClosed;
}

void CZepkinFiles::TransferValue(std::int32_t handleNumber, double& variable) {
  if (handleNumber < 0 || static_cast<std::size_t>(handleNumber) >= fileHandles.size()) return;
  FileHandle& handle = fileHandles[static_cast<std::size_t>(handleNumber)];
  const auto position = static_cast<std::size_t>(handle.position);
  if (handle.mode == kFileWriting) {
    if (handle.values.size() < position + 1) handle.values.resize(position + 1, 0.0f);
    handle.values[position] = static_cast<float>(variable);
    ++handle.position;
  } else if (handle.mode == kFileReading && position < handle.values.size()) {
    variable = static_cast<double>(handle.values[position]);
    ++handle.position;
  }
}
