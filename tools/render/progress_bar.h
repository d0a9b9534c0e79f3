#pragma once

#include <cstdint>
#include <ostream>

// A one-line progress bar, redrawn in place on a terminal whenever the whole percent
// changes. An invisible bar draws nothing.
class ProgressBar {
 public:
  ProgressBar(std::ostream& out, std::int64_t total, bool visible);
  ~ProgressBar();
  ProgressBar(const ProgressBar&) = delete;
  ProgressBar& operator=(const ProgressBar&) = delete;

  void update(std::int64_t done);

 private:
  void draw(int percent);

  std::ostream& out_;
  std::int64_t total_;
  bool visible_;
  int shownPercent_ = -1;
};

// Whether the tool's standard error is a terminal, where a redrawn line makes sense.
bool StandardErrorIsTerminal();
