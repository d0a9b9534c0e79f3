#pragma once

#include <windows.h>
#include <ole2.h>

#include "vstgui/live_objects.h"
#include "vstgui/view_types.h"

namespace VSTGUI {

class CFrame;

// The OLE drop target of a frame window. Each drag is wrapped in a drag container that
// the frame hands to the view under the pointer; the effect offered is narrowed to one.
class CDropTarget final : public IDropTarget {
 public:
  explicit CDropTarget(CFrame* frame) : frame_(frame) {}
  CDropTarget(const CDropTarget&) = delete;
  CDropTarget& operator=(const CDropTarget&) = delete;

  // The frame is going: drags that OLE still reports are refused.
  void forgetFrame();

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragOver(DWORD keyState, POINTL point, DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragLeave() override;
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override;

 private:
  ~CDropTarget();
  void endDrag();
  ViewPoint pointer() const;

  LONG references_ = 0;
  CFrame* frame_;
  LiveObjectTally<ToolkitObject::dropTarget> tally_;
};

// Copy if offered, else move, else link; otherwise what was offered.
DWORD NarrowedDropEffect(DWORD offered);

}  // namespace VSTGUI
