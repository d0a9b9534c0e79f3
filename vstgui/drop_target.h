#pragma once

#include <windows.h>
#include <ole2.h>

#include "vstgui/base_object.h"
#include "vstgui/com_reference.h"
#include "vstgui/live_objects.h"
#include "vstgui/view_types.h"
#include "vstgui/win_drag_container.h"

namespace VSTGUI {

class CFrame;

// The OLE drop target of a frame window. Each drag is wrapped in a drag container that
// the frame hands to the view under the pointer; the effect offered is narrowed to one.
// Each target keeps its own drag, so that a frame that goes ends none but its own.
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
  SharedObject<WinDragContainer> drag_;  // from DragEnter to DragLeave or Drop
  LiveObjectTally<ToolkitObject::dropTarget> tally_;
};

// A frame window registered as an OLE drop target for the registration's lifetime.
class DropTargetRegistration {
 public:
  DropTargetRegistration(HWND window, CFrame* frame);
  // Revokes the registration; drags that OLE still reports to the target are refused.
  ~DropTargetRegistration();
  DropTargetRegistration(const DropTargetRegistration&) = delete;
  DropTargetRegistration& operator=(const DropTargetRegistration&) = delete;

 private:
  const HWND window_;
  const ComReference<CDropTarget> target_;
  const bool registered_;
};

// Copy if offered, else move, else link; otherwise what was offered.
DWORD NarrowedDropEffect(DWORD offered);

}  // namespace VSTGUI
