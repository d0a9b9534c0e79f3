#include "vstgui/drop_target.h"

#include "platform/guarded_call.h"
#include "vstgui/frame.h"

namespace VSTGUI {

DWORD NarrowedDropEffect(DWORD offered) {
  if (offered & DROPEFFECT_COPY) return DROPEFFECT_COPY;
  if (offered & DROPEFFECT_MOVE) return DROPEFFECT_MOVE;
  if (offered & DROPEFFECT_LINK) return DROPEFFECT_LINK;
  return offered;
}

CDropTarget::~CDropTarget() = default;

void CDropTarget::forgetFrame() {
  endDrag();
  frame_ = nullptr;
}

// OLE's point is in screen coordinates; the frame reads the pointer in its own.
ViewPoint CDropTarget::pointer() const {
  ViewPoint where;
  frame_->mousePosition(where);
  return where;
}

void CDropTarget::endDrag() { drag_.reset(); }

VST_HOST_ENTRY HRESULT STDMETHODCALLTYPE CDropTarget::QueryInterface(REFIID iid, void** object) {
  return GuardedHostCall<HRESULT>(E_NOINTERFACE, [&]() -> HRESULT {
    if (!object) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropTarget)) {
      AddRef();
      *object = static_cast<IDropTarget*>(this);
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  });
}

VST_HOST_ENTRY ULONG STDMETHODCALLTYPE CDropTarget::AddRef() { return static_cast<ULONG>(++references_); }

VST_HOST_ENTRY ULONG STDMETHODCALLTYPE CDropTarget::Release() {
  if (--references_ > 0) return static_cast<ULONG>(references_);
  delete this;
  return 0;
}

VST_HOST_ENTRY HRESULT STDMETHODCALLTYPE CDropTarget::DragEnter(IDataObject* data, DWORD /*keyState*/,
                                                               POINTL /*point*/, DWORD* effect) {
  return GuardedHostCall<HRESULT>(E_UNEXPECTED, [&]() -> HRESULT {
    if (!effect) return E_INVALIDARG;
    endDrag();
    if (!data || !frame_) {
      *effect = DROPEFFECT_NONE;
      return S_OK;
    }
    drag_.adopt(new WinDragContainer(data));
    frame_->onDragEnter(drag_.get(), pointer());
    *effect = NarrowedDropEffect(*effect);
    return S_OK;
  });
}

VST_HOST_ENTRY HRESULT STDMETHODCALLTYPE CDropTarget::DragOver(DWORD /*keyState*/, POINTL /*point*/, DWORD* effect) {
  return GuardedHostCall<HRESULT>(E_UNEXPECTED, [&]() -> HRESULT {
    if (!effect) return E_INVALIDARG;
    if (!drag_ || !frame_) {
      *effect = DROPEFFECT_NONE;
      return S_OK;
    }
    frame_->onDragMove(drag_.get(), pointer());
    *effect = NarrowedDropEffect(*effect);
    return S_OK;
  });
}

VST_HOST_ENTRY HRESULT STDMETHODCALLTYPE CDropTarget::DragLeave() {
  return GuardedHostCall<HRESULT>(E_UNEXPECTED, [&]() -> HRESULT {
    if (drag_ && frame_) frame_->onDragLeave(drag_.get(), pointer());
    endDrag();
    return S_OK;
  });
}

// The source learns what became of its data: a source told MOVE deletes what it
// dragged, so a drop that no view accepted answers no effect at all.
VST_HOST_ENTRY HRESULT STDMETHODCALLTYPE CDropTarget::Drop(IDataObject* /*data*/, DWORD /*keyState*/,
                                                          POINTL /*point*/, DWORD* effect) {
  return GuardedHostCall<HRESULT>(E_UNEXPECTED, [&]() -> HRESULT {
    const bool accepted = drag_ && frame_ && frame_->onDrop(drag_.get(), pointer());
    endDrag();
    if (effect) *effect = accepted ? NarrowedDropEffect(*effect) : DROPEFFECT_NONE;
    return S_OK;
  });
}

DropTargetRegistration::DropTargetRegistration(HWND window, CFrame* frame)
    : window_(window),
      target_(new CDropTarget(frame)),
      registered_(SUCCEEDED(RegisterDragDrop(window, target_.get()))) {}

DropTargetRegistration::~DropTargetRegistration() {
  if (registered_) RevokeDragDrop(window_);
  target_->forgetFrame();
}

}  // namespace VSTGUI
