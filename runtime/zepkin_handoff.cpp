#include "runtime/zepkin_handoff.h"

#include <algorithm>

void CZepkinHandoff::HandoffReserve(std::int32_t cells) {
  room_ = std::max(cells, 0);
  for (Frame& frame : frames_) {
    frame.cells.reset(new double[static_cast<std::size_t>(room_)]());
    frame.count = 0;
  }
}

void CZepkinHandoff::HandoffPublish(std::int32_t index, std::int32_t count) {
  if (room_ == 0) return;
  Frame& frame = frames_[writing_];
  const std::int32_t toBlockEnd = kBlockLength - (index & (kBlockLength - 1));
  frame.count = std::clamp(std::min(count, toBlockEnd), 0, room_);
  const double* const source = MemoryAt(index);
  std::copy(source, source + frame.count, frame.cells.get());
  // Release: the reader that takes this buffer sees all of it.
  writing_ = waiting_.exchange(writing_ | kFresh, std::memory_order_acq_rel) & ~kFresh;
}

bool CZepkinHandoff::HandoffReady() const { return (waiting_.load(std::memory_order_acquire) & kFresh) != 0; }

std::int32_t CZepkinHandoff::HandoffTake() {
  if (!HandoffReady()) return 0;
  reading_ = waiting_.exchange(reading_, std::memory_order_acq_rel) & ~kFresh;
  return 1;
}

std::int32_t CZepkinHandoff::HandoffCount() const { return frames_[reading_].count; }

double CZepkinHandoff::HandoffValue(std::int32_t i) const {
  const Frame& frame = frames_[reading_];
  return i >= 0 && i < frame.count ? frame.cells[static_cast<std::size_t>(i)] : 0.0;
}
