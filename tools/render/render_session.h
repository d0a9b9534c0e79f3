#pragma once

#include <ostream>

#include "tools/render/render_options.h"

// Renders options.input through the plug-in at pluginPath into options.output, as a
// host would: open, sample rate, block size, resume, then the chunk and the
// parameters, then the file block by block with its automation. Throws
// std::runtime_error (or UsageError) with a one-line reason; an output file that was
// begun is removed again.
void RenderFile(const RenderOptions& options, const std::string& pluginPath, std::ostream& progressOut,
                bool showProgress);
