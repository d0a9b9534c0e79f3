#pragma once

#include <windows.h>
#include <ole2.h>

namespace VSTGUI {

// OLE initialised on the calling thread for the owner's lifetime. It is undone only
// where it was done: a thread that the host put into the multithreaded apartment
// refuses, and undoing that would tear down the host's own COM state.
class OleSession {
 public:
  OleSession() : initialized_(Ready(OleInitialize(nullptr))) {}
  ~OleSession() {
    if (initialized_) OleUninitialize();
  }
  OleSession(const OleSession&) = delete;
  OleSession& operator=(const OleSession&) = delete;

 private:
  static bool Ready(HRESULT result) { return result == S_OK || result == S_FALSE; }

  const bool initialized_;
};

}  // namespace VSTGUI
