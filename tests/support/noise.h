#pragma once

#include <cstddef>
#include <random>
#include <vector>

// Reproducible white noise in [-1, 1), one seed per channel.
template <class Sample>
std::vector<Sample> Noise(std::size_t frames, unsigned seed) {
  std::mt19937 generator(seed);
  std::uniform_real_distribution<double> distribution(-1.0, 1.0);
  std::vector<Sample> samples(frames);
  for (Sample& sample : samples) sample = static_cast<Sample>(distribution(generator));
  return samples;
}
