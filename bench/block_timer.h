#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

// A small timing harness for targets that have no Google Benchmark (the Windows
// cross builds). Each case is a function that processes a given number of blocks.
// Rounds take the cases by turns, each for one short burst, so that whatever else the
// machine runs falls on every case alike; a case's best burst is its time.
class BlockTimer {
 public:
  using Blocks = std::function<void(long blocks)>;

  void add(std::string name, Blocks process);
  // Times every case in `rounds` bursts of about `burstSeconds` each.
  void run(int rounds, double burstSeconds);
  // The best time per block of the case of that name, in nanoseconds, once it ran.
  std::optional<double> best(const std::string& name) const;
  // The case of that name, or null.
  const Blocks* find(const std::string& name) const;
  // One line per case: its best time per block.
  void print() const;

 private:
  struct Case {
    std::string name;
    Blocks process;
    long blocksPerBurst = 0;
    std::optional<double> bestNanoseconds;
  };

  std::vector<Case> cases_;
};
