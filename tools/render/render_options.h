#pragma once

#include <stdexcept>
#include <string>
#include <vector>

// A mistake on the command line; the tool answers it with its usage hint.
class UsageError final : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The command line of vst-render, checked for form; whether names and files exist is
// found out later.
struct RenderOptions {
  std::string input;
  std::string output;
  std::string plugin;  // empty: our plug-in from the same build
  int blockSize = 512;
  bool doublePrecision = false;
  bool info = false;
  bool help = false;
  std::string chunk;      // a state chunk to restore before processing
  std::string saveChunk;  // where to save the state chunk after processing
  std::string format;     // output container; empty: the input's
  std::vector<std::string> parameters;  // "NAME=VALUE"
  std::vector<std::string> automation;  // "NAME=SECONDS:VALUE,..."
};

// Throws UsageError.
RenderOptions ParseRenderOptions(const std::vector<std::string>& arguments);

std::string UsageText();
