#include "vstgui/frame_window_class.h"

#include "vstgui/module_instance.h"

namespace VSTGUI {

namespace {

wchar_t className[64] = L"";
int classUsers = 0;
bool buttonsSwapped = false;
// The extended record, whose size (284 bytes) the version call is told.
OSVERSIONINFOEXW systemVersion = {};

}  // namespace

const wchar_t* AcquireFrameWindowClass(WNDPROC windowProcedure) {
  if (++classUsers == 1) {
    wsprintfW(className, L"Plugin%p", static_cast<void*>(ToolkitModule()));
    WNDCLASSW windowClass = {};
    windowClass.style = CS_GLOBALCLASS | CS_DBLCLKS;
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = ToolkitModule();
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = className;
    RegisterClassW(&windowClass);
    buttonsSwapped = GetSystemMetrics(SM_SWAPBUTTON) > 0;
  }
  return className;
}

void ReleaseFrameWindowClass() {
  if (classUsers <= 0) return;
  // With the module handle the class was registered with: Windows refuses any other.
  if (--classUsers == 0) UnregisterClassW(className, ToolkitModule());
}

bool MouseButtonsSwapped() { return buttonsSwapped; }

DWORD RefreshSystemMajorVersion() {
  systemVersion = {};
  systemVersion.dwOSVersionInfoSize = sizeof(systemVersion);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&systemVersion));
#pragma GCC diagnostic pop
  return systemVersion.dwMajorVersion;
}

}  // namespace VSTGUI
