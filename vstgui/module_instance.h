#pragma once

#include <windows.h>

namespace VSTGUI {

// The module that holds the toolkit's code, whose resources and window class the
// toolkit uses: the plug-in library, or a program that links the toolkit directly.
HINSTANCE ToolkitModule();

}  // namespace VSTGUI
