#include "tools/render/progress_bar.h"

#include <string>

namespace {
constexpr int kBarWidth = 40;
}

ProgressBar::ProgressBar(std::ostream& out, std::int64_t total, bool visible)
    : out_(out), total_(total), visible_(visible && total > 0) {}

ProgressBar::~ProgressBar() {
  // Leaves the terminal on a fresh line, also when the render stopped early.
  if (visible_ && shownPercent_ >= 0) out_ << '\n' << std::flush;
}

void ProgressBar::update(std::int64_t done) {
  if (!visible_) return;
  const int percent = static_cast<int>(done >= total_ ? 100 : done * 100 / total_);
  if (percent != shownPercent_) draw(percent);
}

void ProgressBar::draw(int percent) {
  const int filled = percent * kBarWidth / 100;
  out_ << "\rrendering [" << std::string(static_cast<std::size_t>(filled), '#')
       << std::string(static_cast<std::size_t>(kBarWidth - filled), '.') << "] " << percent << " %" << std::flush;
  shownPercent_ = percent;
}
