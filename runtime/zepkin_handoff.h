#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

#include "runtime/zepkin_mouse.h"

// Hands a run of script memory over from the audio thread (the block and sample
// sections) to the user-interface thread (the drawing section) as whole frames: the
// reader sees one publication entire, never part of one and part of the next, and the
// writer never waits. Three buffers take turns: the writer fills one, the reader reads
// another, the third holds the newest publication until one side takes it.
class CZepkinHandoff : public CZepkinMouse {
 public:
  // Room for frames of up to `cells` values; before any publication, and not on the
  // audio thread (it allocates).
  void HandoffReserve(std::int32_t cells);
  // Audio thread: publishes the `count` cells of script memory from `index` on (within
  // one memory block, at most the reserved room). Allocates nothing, takes no lock.
  void HandoffPublish(std::int32_t index, std::int32_t count);
  // Drawing thread: whether a publication waits that HandoffTake would bring.
  bool HandoffReady() const;
  // Drawing thread: makes the newest publication the frame it reads; 1 when there was a
  // new one, 0 when the frame read so far stays.
  std::int32_t HandoffTake();
  // Drawing thread: the frame it reads: its cell count, and cell `i` (0 outside it).
  std::int32_t HandoffCount() const;
  double HandoffValue(std::int32_t i) const;

 protected:
  CZepkinHandoff() = default;
  ~CZepkinHandoff() = default;

 private:
  static constexpr std::uint32_t kFresh = 4;  // with a buffer's number: published, not yet taken

  struct Frame {
    std::unique_ptr<double[]> cells;
    std::int32_t count = 0;
  };

  Frame frames_[3];
  std::int32_t room_ = 0;
  std::uint32_t writing_ = 0;                // the writer's buffer
  std::uint32_t reading_ = 1;                // the reader's buffer
  std::atomic<std::uint32_t> waiting_{2};  // the buffer between them, with kFresh when new
};
