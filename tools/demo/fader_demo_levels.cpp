#include <iostream>

#include "tools/demo/level_table.h"

namespace {
constexpr double kWindowSeconds = 0.01;
}

// fader-demo-levels INPUT OUTPUT: prints the levels of both files every 10 ms, as
// columns of seconds, input dB and output dB for the demo's plot.
int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: fader-demo-levels INPUT OUTPUT\n";
    return 2;
  }
  try {
    const auto input = OpenAudioReader(argv[1]);
    const auto output = OpenAudioReader(argv[2]);
    std::cout << "# seconds  input_dB  output_dB\n";
    for (const LevelRow& row : LevelTable(*input, *output, kWindowSeconds)) {
      std::cout << row.seconds << ' ' << row.inputDb << ' ' << row.outputDb << '\n';
    }
    return 0;
  } catch (const std::exception& error) {
    std::cerr << "fader-demo-levels: " << error.what() << '\n';
    return 1;
  }
}
