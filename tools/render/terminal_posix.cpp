#include <unistd.h>

#include "tools/render/progress_bar.h"

bool StandardErrorIsTerminal() { return isatty(STDERR_FILENO) != 0; }
