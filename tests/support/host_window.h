#pragma once

#include <windows.h>

#include <functional>

// A top-level window standing in for the window a host gives the editor, shown on the
// (virtual) display.
class HostWindow {
 public:
  HostWindow(int x = 100, int y = 100, int width = 400, int height = 300);
  ~HostWindow();
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;

  HWND handle() const { return window_; }
  // Destroys it (and the windows inside it) now, as a host may before closing an editor.
  void destroy();

 private:
  HWND window_;
};

// Dispatches the thread's messages until `done` holds, waiting for new ones in between,
// for at most `limitMs`; answers whether `done` came to hold.
bool PumpMessagesUntil(const std::function<bool()>& done, DWORD limitMs = 5000);
// Dispatches what is waiting now.
void PumpWaitingMessages();
// The windows of this thread, top-level ones and all the windows inside them.
int ThreadWindowCount();
