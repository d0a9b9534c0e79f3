#pragma once

#include <windows.h>
#include <objidl.h>

namespace VSTGUI {

// A read-only stream over the bytes of a module resource, so that GDI+ can decode a
// bitmap straight from the module. Reads and seeks outside the resource are refused,
// not clamped. GDI+ may keep the stream while it decodes, hence the interlocked count;
// the stream deletes itself with its last Release.
class ResourceStream final : public IStream {
 public:
  ResourceStream() = default;
  ResourceStream(const ResourceStream&) = delete;
  ResourceStream& operator=(const ResourceStream&) = delete;

  // The locked resource bytes, which live as long as the module.
  void setData(const void* data, ULONG size);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE Read(void* buffer, ULONG count, ULONG* read) override;
  HRESULT STDMETHODCALLTYPE Write(const void* buffer, ULONG count, ULONG* written) override;
  HRESULT STDMETHODCALLTYPE Seek(LARGE_INTEGER offset, DWORD origin, ULARGE_INTEGER* newPosition) override;
  HRESULT STDMETHODCALLTYPE SetSize(ULARGE_INTEGER size) override;
  HRESULT STDMETHODCALLTYPE CopyTo(IStream* target, ULARGE_INTEGER count, ULARGE_INTEGER* read,
                                   ULARGE_INTEGER* written) override;
  HRESULT STDMETHODCALLTYPE Commit(DWORD flags) override;
  HRESULT STDMETHODCALLTYPE Revert() override;
  HRESULT STDMETHODCALLTYPE LockRegion(ULARGE_INTEGER offset, ULARGE_INTEGER count, DWORD type) override;
  HRESULT STDMETHODCALLTYPE UnlockRegion(ULARGE_INTEGER offset, ULARGE_INTEGER count, DWORD type) override;
  HRESULT STDMETHODCALLTYPE Stat(STATSTG* statistics, DWORD flags) override;
  HRESULT STDMETHODCALLTYPE Clone(IStream** clone) override;

  ULONG position() const { return position_; }

 private:
  ~ResourceStream() = default;

  const BYTE* data_ = nullptr;
  ULONG position_ = 0;
  ULONG size_ = 0;
  LONG references_ = 1;
};

}  // namespace VSTGUI
