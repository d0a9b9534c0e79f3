#pragma once

// The one place that includes GDI+. Its headers need PROPID and the COM types, so
// windows.h and objidl.h come first, and WIN32_LEAN_AND_MEAN must not be defined here.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

namespace VSTGUI {
namespace gdip = Gdiplus::DllExports;
using GpStatus = Gdiplus::GpStatus;
}  // namespace VSTGUI
