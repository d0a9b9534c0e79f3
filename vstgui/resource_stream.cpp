#include "vstgui/resource_stream.h"

#include <cstring>

#include "platform/guarded_call.h"

namespace VSTGUI {

void ResourceStream::setData(const void* data, ULONG size) {
  data_ = static_cast<const BYTE*>(data);
  size_ = size;
  position_ = 0;
}

VST_HOST_ENTRY HRESULT STDMETHODCALLTYPE ResourceStream::QueryInterface(REFIID iid, void** object) {
  return GuardedHostCall<HRESULT>(E_NOINTERFACE, [&]() -> HRESULT {
    if (!object) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IStream) || IsEqualIID(iid, IID_ISequentialStream)) {
      AddRef();
      *object = static_cast<IStream*>(this);
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  });
}

VST_HOST_ENTRY ULONG STDMETHODCALLTYPE ResourceStream::AddRef() {
  return static_cast<ULONG>(InterlockedIncrement(&references_));
}

VST_HOST_ENTRY ULONG STDMETHODCALLTYPE ResourceStream::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

VST_HOST_ENTRY HRESULT STDMETHODCALLTYPE ResourceStream::Read(void* buffer, ULONG count, ULONG* read) {
  return GuardedHostCall<HRESULT>(S_FALSE, [&]() -> HRESULT {
    // In 64 bits, so that a count near 4 GB cannot wrap around past the end.
    if (static_cast<ULONGLONG>(position_) + count > size_) return S_FALSE;
    if (count > 0) {
      if (!buffer) return STG_E_INVALIDPOINTER;
      std::memcpy(buffer, data_ + position_, count);
    }
    position_ += count;
    if (read) *read = count;
    return S_OK;
  });
}

VST_HOST_ENTRY HRESULT STDMETHODCALLTYPE ResourceStream::Seek(LARGE_INTEGER offset, DWORD origin,
                                                             ULARGE_INTEGER* newPosition) {
  return GuardedHostCall<HRESULT>(S_FALSE, [&]() -> HRESULT {
    LONGLONG target = 0;
    switch (origin) {
      case STREAM_SEEK_SET:
        target = offset.QuadPart;
        break;
      case STREAM_SEEK_CUR:
        target = static_cast<LONGLONG>(position_) + offset.QuadPart;
        break;
      case STREAM_SEEK_END:
        return S_FALSE;
      default:
        return STG_E_INVALIDFUNCTION;
    }
    // The end itself is no position of this stream.
    if (target < 0 || target >= static_cast<LONGLONG>(size_)) return S_FALSE;
    position_ = static_cast<ULONG>(target);
    if (newPosition) newPosition->QuadPart = position_;
    return S_OK;
  });
}

VST_HOST_ENTRY HRESULT STDMETHODCALLTYPE ResourceStream::Stat(STATSTG* statistics, DWORD /*flags*/) {
  return GuardedHostCall<HRESULT>(STG_E_INVALIDPOINTER, [&]() -> HRESULT {
    if (!statistics) return STG_E_INVALIDPOINTER;
    std::memset(statistics, 0, sizeof(*statistics));
    statistics->cbSize.QuadPart = size_;
    return S_OK;
  });
}

VST_HOST_ENTRY HRESULT STDMETHODCALLTYPE ResourceStream::Revert() {
  position_ = 0;
  return S_OK;
}

// A read-only stream of one resource: nothing can be written, resized, copied,
// committed, locked or cloned.
VST_HOST_ENTRY HRESULT STDMETHODCALLTYPE ResourceStream::Write(const void*, ULONG, ULONG*) { return E_NOTIMPL; }
VST_HOST_ENTRY HRESULT STDMETHODCALLTYPE ResourceStream::SetSize(ULARGE_INTEGER) { return E_NOTIMPL; }
VST_HOST_ENTRY HRESULT STDMETHODCALLTYPE ResourceStream::CopyTo(IStream*, ULARGE_INTEGER, ULARGE_INTEGER*,
                                                               ULARGE_INTEGER*) {
  return E_NOTIMPL;
}
VST_HOST_ENTRY HRESULT STDMETHODCALLTYPE ResourceStream::Commit(DWORD) { return E_NOTIMPL; }
VST_HOST_ENTRY HRESULT STDMETHODCALLTYPE ResourceStream::LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) {
  return E_NOTIMPL;
}
VST_HOST_ENTRY HRESULT STDMETHODCALLTYPE ResourceStream::UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) {
  return E_NOTIMPL;
}
VST_HOST_ENTRY HRESULT STDMETHODCALLTYPE ResourceStream::Clone(IStream** clone) {
  if (clone) *clone = nullptr;
  return E_NOTIMPL;
}

}  // namespace VSTGUI
