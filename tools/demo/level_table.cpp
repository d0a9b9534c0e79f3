#include "tools/demo/level_table.h"

#include <algorithm>
#include <cmath>

namespace {

double LevelDb(const std::vector<double>& samples, std::size_t count) {
  double sum = 0.0;
  for (std::size_t i = 0; i < count; ++i) sum += samples[i] * samples[i];
  const double rms = count ? std::sqrt(sum / static_cast<double>(count)) : 0.0;
  return rms > 0.0 ? std::max(20.0 * std::log10(rms), kLevelFloorDb) : kLevelFloorDb;
}

}  // namespace

std::vector<LevelRow> LevelTable(AudioReader& input, AudioReader& output, double windowSeconds) {
  const double rate = input.info().sampleRate;
  const auto window = std::max<std::size_t>(1, static_cast<std::size_t>(windowSeconds * rate));
  std::vector<double> in(window * static_cast<std::size_t>(input.info().channels));
  std::vector<double> out(window * static_cast<std::size_t>(output.info().channels));
  std::vector<LevelRow> rows;
  std::size_t position = 0;
  while (true) {
    const std::size_t inFrames = input.read(in.data(), window);
    const std::size_t outFrames = output.read(out.data(), window);
    if (inFrames == 0 || outFrames == 0) break;
    rows.push_back({static_cast<double>(position) / rate,
                    LevelDb(in, inFrames * static_cast<std::size_t>(input.info().channels)),
                    LevelDb(out, outFrames * static_cast<std::size_t>(output.info().channels))});
    position += inFrames;
  }
  return rows;
}
