#pragma once

#include <memory>

#include "runtime/reference_counted.h"

// A heap cell that holds at most one toolkit bitmap, and one reference to it.
struct ImageSlot {
  ReferenceCounted* bitmap = nullptr;
};

ImageSlot* ImageSlotCreate();
// Releases the cell's bitmap reference and frees the cell: 1, or 0 for a null cell.
int ImageSlotFree(ImageSlot* slot);

struct ImageSlotRelease {
  void operator()(ImageSlot* slot) const { ImageSlotFree(slot); }
};
using ImageSlotCell = std::unique_ptr<ImageSlot, ImageSlotRelease>;
