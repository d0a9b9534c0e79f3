#include <iostream>

#include "tools/demo/demo_signal.h"

// fader-demo-signal FILE: writes the demo's input signal.
int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: fader-demo-signal FILE\n";
    return 2;
  }
  try {
    WriteDemoSignal(argv[1]);
    return 0;
  } catch (const std::exception& error) {
    std::cerr << "fader-demo-signal: " << error.what() << '\n';
    return 1;
  }
}
