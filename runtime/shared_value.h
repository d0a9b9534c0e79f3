#pragma once

#include <atomic>

// A script variable that sections on two threads use at once: the host's audio thread
// runs the block and sample sections while a parameter change or a chunk restore runs
// the slider and init sections on the thread that made it. Every read and every write
// is one relaxed atomic access of the whole value, so there is no data race and no torn
// value; on the targets it is the same single 64-bit move as a plain double, and it
// adds no ordering: a section may see the new value of one variable with the old value
// of another for a frame, as it always could.
class SharedValue {
 public:
  SharedValue(double value = 0.0) : value_(value) {}
  SharedValue& operator=(double value) {
    value_.store(value, std::memory_order_relaxed);
    return *this;
  }
  SharedValue& operator=(const SharedValue& other) { return *this = static_cast<double>(other); }
  operator double() const { return value_.load(std::memory_order_relaxed); }
  // Stores `desired` only if the value is still `expected`, bit for bit; answers whether
  // it did. A section that carries a variable in a local over many steps publishes it
  // this way, so that what another thread stored meanwhile stands.
  bool CompareExchange(double expected, double desired) {
    return value_.compare_exchange_strong(expected, desired, std::memory_order_relaxed);
  }

 private:
  std::atomic<double> value_;
};

static_assert(std::atomic<double>::is_always_lock_free, "the audio thread must never wait for a shared variable");
