#pragma once

#include <atomic>

// GDI+'s start-ups and shut-downs counted on their way to GDI+ itself, for as long as
// this object lives. `atShutdown` runs at each shut-down, before GDI+ stops.
class CountedGdiPlus {
 public:
  explicit CountedGdiPlus(void (*atShutdown)() = nullptr);
  ~CountedGdiPlus();
  CountedGdiPlus(const CountedGdiPlus&) = delete;
  CountedGdiPlus& operator=(const CountedGdiPlus&) = delete;

  int startups() const;
  int shutdowns() const;
};
