#pragma once

// Objects of the drawing layer (fonts, bitmaps) are shared by reference count. The
// runtime and the plug-in object hold such references without knowing the concrete
// toolkit types, which exist only in the Windows build.
class ReferenceCounted {
 public:
  virtual void remember() = 0;
  virtual void forget() = 0;

 protected:
  ~ReferenceCounted() = default;
};
