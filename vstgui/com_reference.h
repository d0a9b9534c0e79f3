#pragma once

namespace VSTGUI {

// One COM reference, released when it goes.
template <class Interface>
class ComReference {
 public:
  ComReference() = default;
  // Holds a reference of its own to `pointer`.
  explicit ComReference(Interface* pointer) : pointer_(pointer) {
    if (pointer_) pointer_->AddRef();
  }
  ~ComReference() {
    if (pointer_) pointer_->Release();
  }
  ComReference(const ComReference&) = delete;
  ComReference& operator=(const ComReference&) = delete;

  Interface* get() const { return pointer_; }
  Interface* operator->() const { return pointer_; }
  // The slot a creating call fills, as the untyped pointer COM asks for.
  void** receive() { return reinterpret_cast<void**>(&pointer_); }

 private:
  Interface* pointer_ = nullptr;
};

}  // namespace VSTGUI
