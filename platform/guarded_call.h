#pragma once

// Everything a host or the system can call (exports, record functions, window
// procedures, COM methods) goes through these wrappers: an exception must never
// reach the caller, because a 32-bit MinGW DLL cannot unwind through foreign frames
// and the host process would be terminated. The caller gets the neutral answer instead.
template <class Result, class Body>
Result GuardedHostCall(Result neutral, Body&& body) noexcept {
  try {
    return body();
  } catch (...) {
    return neutral;
  }
}

template <class Body>
void GuardedHostCall(Body&& body) noexcept {
  try {
    body();
  } catch (...) {
  }
}

// Some 32-bit hosts call plug-ins with a stack aligned to 4 bytes only, while SSE2
// code assumes 16; functions entered from outside the plug-in realign it.
#if defined(__i386__)
#define VST_HOST_ENTRY __attribute__((force_align_arg_pointer))
#else
#define VST_HOST_ENTRY
#endif
