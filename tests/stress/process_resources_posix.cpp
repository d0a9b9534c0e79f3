#include <dirent.h>
#include <dlfcn.h>
#include <malloc.h>
#include <pthread.h>

#include <vector>

#include "tests/stress/process_resources.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUORVANTILE_ADDRESS_SANITIZER 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define QUORVANTILE_ADDRESS_SANITIZER 1
#endif

#ifdef QUORVANTILE_ADDRESS_SANITIZER
#include <sanitizer/allocator_interface.h>
#endif

namespace {

std::size_t EntriesIn(const char* folder) {
  DIR* directory = opendir(folder);
  if (!directory) return 0;
  std::size_t count = 0;
  while (const dirent* entry = readdir(directory)) {
    if (entry->d_name[0] != '.') ++count;
  }
  closedir(directory);
  return count;
}

// Under AddressSanitizer its own allocator serves every allocation, and the C library's
// counts see none of them.
std::size_t HeapBytesInUse() {
#ifdef QUORVANTILE_ADDRESS_SANITIZER
  return __sanitizer_get_current_allocated_bytes();
#else
  const struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
#endif
}

// Creates keys until none is left, then deletes them again.
std::size_t FreeThreadKeys() {
  std::vector<pthread_key_t> keys;
  pthread_key_t key;
  while (pthread_key_create(&key, nullptr) == 0) keys.push_back(key);
  for (const pthread_key_t created : keys) pthread_key_delete(created);
  return keys.size();
}

}  // namespace

ProcessResources MeasureProcessResources() {
  ProcessResources resources;
  resources.heapBytes = HeapBytesInUse();
  resources.handles = EntriesIn("/proc/self/fd");
  resources.threads = EntriesIn("/proc/self/task");
  resources.freeThreadLocalSlots = FreeThreadKeys();
  return resources;
}

bool LibraryIsLoaded(const std::string& path) {
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD);
  if (!handle) return false;
  dlclose(handle);
  return true;
}

bool PluginStaysLoaded() { return false; }

bool SanitizerKeepsMemoryPerLoad() {
#ifdef QUORVANTILE_ADDRESS_SANITIZER
  return true;
#else
  return false;
#endif
}
