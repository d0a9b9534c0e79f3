#pragma once

#include <ostream>
#include <string>
#include <vector>

// Where vst-render talks to its user.
struct Console {
  std::ostream& out;
  std::ostream& err;
  bool errIsTerminal;
};

// vst-render with these command-line arguments (the program name left out). Answers
// the exit status: 0 when done, 1 when the render failed, 2 for a mistake on the
// command line. Every error is one line on console.err; nothing escapes.
int RunRender(const std::vector<std::string>& arguments, const Console& console) noexcept;
