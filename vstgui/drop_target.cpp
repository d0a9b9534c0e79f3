#include "vstgui/drop_target.h"

#include "platform/guarded_call.h"
#include "vstgui/frame.h"
#include "vstgui/win_drag_container.h"

namespace VSTGUI {

namespace {
// The drag under way in this module, from DragEnter to DragLeave or Drop.
WinDragContainer* currentDrag = nullptr;
}  // namespace

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

void CDropTarget::endDrag() {
  if (currentDrag) currentDrag->forget();
  currentDrag = nullptr;
}

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
    currentDrag = new WinDragContainer(data);
    frame_->onDragEnter(currentDrag, pointer());
    *effect = NarrowedDropEffect(*effect);
    return S_OK;
  });
}

VST_HOST_ENTRY HRESULT STDMETHODCALLTYPE CDropTarget::DragOver(DWORD /*keyState*/, POINTL /*point*/, DWORD* effect) {
  return GuardedHostCall<HRESULT>(E_UNEXPECTED, [&]() -> HRESULT {
    if (!effect) return E_INVALIDARG;
    if (!currentDrag || !frame_) {
      *effect = DROPEFFECT_NONE;
      return S_OK;
    }
    frame_->onDragMove(currentDrag, pointer());
    *effect = NarrowedDropEffect(*effect);
    return S_OK;
  });
}

VST_HOST_ENTRY HRESULT STDMETHODCALLTYPE CDropTarget::DragLeave() {
  return GuardedHostCall<HRESULT>(E_UNEXPECTED, [&]() -> HRESULT {
    if (currentDrag && frame_) frame_->onDragLeave(currentDrag, pointer());
    endDrag();
    return S_OK;
  });
}

VST_HOST_ENTRY HRESULT STDMETHODCALLTYPE CDropTarget::Drop(IDataObject* /*data*/, DWORD /*keyState*/,
                                                          POINTL /*point*/, DWORD* /*effect*/) {
  return GuardedHostCall<HRESULT>(E_UNEXPECTED, [&]() -> HRESULT {
    if (currentDrag && frame_) frame_->onDrop(currentDrag, pointer());
    endDrag();
    return S_OK;
  });
}

}  // namespace VSTGUI
