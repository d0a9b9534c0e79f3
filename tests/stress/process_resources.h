#pragma once

#include <cstddef>
#include <string>

// What a plug-in could leak into its host's process: heap memory in use, open handles
// (file descriptors elsewhere), threads, and thread-local storage slots (TLS indices on
// Windows, thread keys elsewhere), of which a process has only about a thousand.
struct ProcessResources {
  std::size_t heapBytes = 0;
  std::size_t handles = 0;
  std::size_t threads = 0;
  std::size_t freeThreadLocalSlots = 0;
};

ProcessResources MeasureProcessResources();

// Whether the library at `path` is mapped into the process now.
bool LibraryIsLoaded(const std::string& path);
// Whether the plug-in stays mapped once it was loaded: the Windows build pins itself on
// its first load (see its module entry); elsewhere unloading unmaps it.
bool PluginStaysLoaded();

// AddressSanitizer keeps an exit handler of its own for every static destructor that a
// loaded library registers and never releases it, so there repeated loads grow the heap
// by the sanitizer's share; LeakSanitizer finds the plug-in's own leaks at exit instead.
bool SanitizerKeepsMemoryPerLoad();
