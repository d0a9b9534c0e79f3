#pragma once

#include <vector>

#include "tools/audio/audio_file.h"

// Levels of two files of the same length side by side, window by window: the RMS of
// all channels of each window in dB relative to full scale.
struct LevelRow {
  double seconds;  // start of the window
  double inputDb;
  double outputDb;
};

// Quieter windows read as this level, so that silence stays on a plot.
constexpr double kLevelFloorDb = -150.0;

std::vector<LevelRow> LevelTable(AudioReader& input, AudioReader& output, double windowSeconds);
