#pragma once

#include <windows.h>

namespace VSTGUI {

// The module whose resources and window class the toolkit uses: the plug-in library
// once its module entry has run, else the program itself (as in a test program that
// links the toolkit directly).
HINSTANCE ToolkitModule();

}  // namespace VSTGUI
