#include <io.h>

#include <cstdio>

#include "tools/render/progress_bar.h"

bool StandardErrorIsTerminal() { return _isatty(_fileno(stderr)) != 0; }
