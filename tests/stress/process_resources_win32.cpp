#include <windows.h>
#include <malloc.h>
#include <tlhelp32.h>

#include <vector>

#include "tests/stress/process_resources.h"

namespace {

// The C runtime's heap, which serves malloc and operator new of the test program and of
// the plug-in alike (both use msvcrt.dll).
std::size_t HeapBytesInUse() {
  std::size_t used = 0;
  _HEAPINFO entry{};
  while (_heapwalk(&entry) == _HEAPOK) {
    if (entry._useflag == _USEDENTRY) used += entry._size;
  }
  return used;
}

// Handle values are multiples of four; every value in use answers GetHandleInformation.
// Counted that way because Wine answers GetProcessHandleCount with 0.
std::size_t HandleCount() {
  constexpr ULONG_PTR kHighestHandleValue = 1 << 16;
  std::size_t count = 0;
  for (ULONG_PTR value = 4; value <= kHighestHandleValue; value += 4) {
    DWORD flags = 0;
    if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++count;
  }
  return count;
}

std::size_t ThreadCount() {
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return 0;
  const DWORD process = GetCurrentProcessId();
  std::size_t count = 0;
  THREADENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
    if (entry.th32OwnerProcessID == process) ++count;
  }
  CloseHandle(snapshot);
  return count;
}

// Allocates indices until none is left, then frees them again.
std::size_t FreeTlsIndices() {
  std::vector<DWORD> indices;
  for (DWORD index = TlsAlloc(); index != TLS_OUT_OF_INDEXES; index = TlsAlloc()) indices.push_back(index);
  for (const DWORD allocated : indices) TlsFree(allocated);
  return indices.size();
}

}  // namespace

ProcessResources MeasureProcessResources() {
  ProcessResources resources;
  resources.heapBytes = HeapBytesInUse();
  resources.handles = HandleCount();
  resources.threads = ThreadCount();
  resources.freeThreadLocalSlots = FreeTlsIndices();
  return resources;
}

bool LibraryIsLoaded(const std::string& path) { return GetModuleHandleA(path.c_str()) != nullptr; }

bool PluginStaysLoaded() { return true; }

bool SanitizerKeepsMemoryPerLoad() { return false; }
