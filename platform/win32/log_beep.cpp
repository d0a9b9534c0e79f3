#include <windows.h>

#include "platform/platform_services.h"

// A 200 ms tone at 2 kHz, so that a trace point is heard while the host runs.
int SoundLogBeep() { return Beep(2000, 200) ? 1 : 0; }
