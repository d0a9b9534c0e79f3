#pragma once

// Objects of the drawing layer (fonts, bitmaps) are shared by reference count. The
// runtime and the plug-in object hold such references without knowing the concrete
// toolkit types, which exist only in the Windows build. The destructor comes first,
// so that a toolkit object's table starts with its destructors, then forget, then
// remember.
class ReferenceCounted {
 protected:
  virtual ~ReferenceCounted() = default;

 public:
  virtual void forget() = 0;
  virtual void remember() = 0;
};
