#include "runtime/image_slot.h"

ImageSlot* ImageSlotCreate() { return new ImageSlot(); }

int ImageSlotFree(ImageSlot* slot) {
  if (!slot) return 0;
  if (slot->bitmap) slot->bitmap->forget();
  delete slot;
  return 1;
}
