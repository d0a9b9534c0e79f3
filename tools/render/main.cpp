#include <iostream>

#include "tools/render/progress_bar.h"
#include "tools/render/render.h"

int main(int argc, char** argv) {
  const Console console{std::cout, std::cerr, StandardErrorIsTerminal()};
  return RunRender(std::vector<std::string>(argv + 1, argv + argc), console);
}
