#pragma once

#include <string>

// The plug-in library's own file, as the operating system knows it. The Windows
// build records the module handle at load; other builds find the shared object that
// holds this code.
std::string ModuleFilePath();

// Short tone for the developer log; answers non-zero when the tone played (or when
// the platform has no tone to play).
int SoundLogBeep();
