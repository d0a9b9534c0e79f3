#pragma once

#include <cstdint>

#include "runtime/reference_counted.h"

namespace VSTGUI {

using CMessageResult = std::int32_t;
constexpr CMessageResult kMessageUnknown = 0;
constexpr CMessageResult kMessageNotified = 1;

// The root of every toolkit class. An object starts with one reference, owned by its
// creator; whoever stores a pointer to a shared object remembers it and later forgets
// it, and the last forget deletes the object.
class CBaseObject : public ReferenceCounted {
 public:
  CBaseObject() = default;
  CBaseObject(const CBaseObject&) = delete;
  CBaseObject& operator=(const CBaseObject&) = delete;
  ~CBaseObject() override = default;

  void forget() override {
    if (--referenceCount_ <= 0) delete this;
  }
  void remember() override { ++referenceCount_; }
  // Messages between objects; they are compared by the address of their shared text.
  virtual CMessageResult notify(CBaseObject* /*sender*/, const char* /*message*/) { return kMessageUnknown; }

  std::int32_t getNbReference() const { return referenceCount_; }

 private:
  std::int32_t referenceCount_ = 1;
};

// Holds one reference to a toolkit object for as long as it lives.
template <class Object>
class SharedObject {
 public:
  SharedObject() = default;
  explicit SharedObject(Object* object) : object_(object) {
    if (object_) object_->remember();
  }
  ~SharedObject() { reset(); }
  SharedObject(const SharedObject&) = delete;
  SharedObject& operator=(const SharedObject&) = delete;

  Object* get() const { return object_; }
  Object* operator->() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }

  // Holds `object` (remembered) instead of what was held before (forgotten afterwards,
  // so that assigning the object already held is safe).
  void assign(Object* object) {
    if (object) object->remember();
    reset();
    object_ = object;
  }
  // Takes over the creation reference of a new object.
  void adopt(Object* object) {
    reset();
    object_ = object;
  }
  void reset() {
    Object* const old = object_;
    object_ = nullptr;
    if (old) old->forget();
  }

 private:
  Object* object_ = nullptr;
};

}  // namespace VSTGUI
