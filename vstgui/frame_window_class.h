#pragma once

#include <windows.h>

namespace VSTGUI {

// The window class that every frame of this module uses, "Plugin" and the module
// handle, registered with the first frame and unregistered with the last.
const wchar_t* AcquireFrameWindowClass(WNDPROC windowProcedure);
void ReleaseFrameWindowClass();
// Whether the system swaps the mouse buttons, as read when the class was registered.
bool MouseButtonsSwapped();

// The major version of the system, read again by every frame.
DWORD RefreshSystemMajorVersion();

}  // namespace VSTGUI
