#include "bench/block_timer.h"

#include <chrono>
#include <cstdio>

namespace {

using Clock = std::chrono::steady_clock;

double SecondsFor(const BlockTimer::Blocks& process, long blocks) {
  const Clock::time_point start = Clock::now();
  process(blocks);
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// Doubles the burst until it lasts a tenth of the wanted time, then scales it up.
long BlocksLasting(const BlockTimer::Blocks& process, double seconds) {
  long blocks = 1;
  double taken = SecondsFor(process, blocks);
  while (taken < seconds / 10) {
    blocks *= 2;
    taken = SecondsFor(process, blocks);
  }
  return static_cast<long>(static_cast<double>(blocks) * seconds / taken) + 1;
}

}  // namespace

void BlockTimer::add(std::string name, Blocks process) { cases_.push_back({std::move(name), std::move(process), 0, std::nullopt}); }

void BlockTimer::run(int rounds, double burstSeconds) {
  for (Case& each : cases_) each.blocksPerBurst = BlocksLasting(each.process, burstSeconds);
  for (int round = 0; round < rounds; ++round) {
    for (Case& each : cases_) {
      const double nanoseconds = SecondsFor(each.process, each.blocksPerBurst) * 1e9 / each.blocksPerBurst;
      if (!each.bestNanoseconds || nanoseconds < *each.bestNanoseconds) each.bestNanoseconds = nanoseconds;
    }
  }
}

std::optional<double> BlockTimer::best(const std::string& name) const {
  for (const Case& each : cases_) {
    if (each.name == name) return each.bestNanoseconds;
  }
  return std::nullopt;
}

const BlockTimer::Blocks* BlockTimer::find(const std::string& name) const {
  for (const Case& each : cases_) {
    if (each.name == name) return &each.process;
  }
  return nullptr;
}

void BlockTimer::print() const {
  for (const Case& each : cases_) {
    if (each.bestNanoseconds) std::printf("%-24s %10.1f ns per block, best burst\n", each.name.c_str(), *each.bestNanoseconds);
  }
}
