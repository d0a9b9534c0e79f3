#pragma once

#include <ostream>

#include "tools/render/render_options.h"

// Renders options.input through the chain of plug-ins (each named by its path) into
// options.output, as a host would. Everything the command line names is read and
// checked first: parameter requests, chunk and preset files, then each plug-in's fit
// to the audio, to its neighbours and to its presets from its effect record, before
// any plug-in is started. Then each plug-in is opened, given sample rate and block
// size, resumed, and given its chunk, preset and parameters; the file runs through
// the chain block by block with each plug-in's automation; last, the chunks and
// presets asked for are saved. Throws std::runtime_error (or UsageError) with a
// one-line reason; an output file that was begun is removed again.
void RenderFile(const RenderOptions& options, std::ostream& progressOut, bool showProgress);
