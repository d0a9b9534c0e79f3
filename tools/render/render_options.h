#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "tools/vst_host/render_host.h"

// A mistake on the command line; the tool answers it with its usage hint.
class UsageError final : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// One plug-in of the chain and what the command line asks of it.
struct PluginOptions {
  std::string path;  // empty: our plug-in from the same build
  std::vector<std::string> parameters;  // "NAME=VALUE"
  std::vector<std::string> automation;  // "NAME=SECONDS:VALUE,..."
  std::string chunk;       // a state chunk to restore before processing
  std::string preset;      // a .fxp or .fxb file to load before processing
  std::string saveChunk;   // where to save the state chunk after processing
  std::string savePreset;  // where to save a .fxp or .fxb after processing
};

// The command line of vst-render, checked for form; whether names and files exist is
// found out later.
struct RenderOptions {
  std::string input;
  std::string output;
  // The plug-ins in the order the audio runs through them; never empty. The options of
  // a plug-in follow its --plugin; those before the first --plugin belong to our own
  // plug-in, which then heads the chain.
  std::vector<PluginOptions> chain;
  int blockSize = 512;
  bool doublePrecision = false;
  bool info = false;
  bool json = false;
  bool help = false;
  bool forcePreset = false;  // load presets saved for another plug-in all the same
  std::string format;        // output container; empty: the input's
  Transport transport;
};

// Throws UsageError.
RenderOptions ParseRenderOptions(const std::vector<std::string>& arguments);

std::string UsageText();
