#include "vstgui/frame.h"

#include <windowsx.h>

#include <algorithm>
#include <cstring>
#include <cwchar>

#include "platform/guarded_call.h"
#include "vstgui/device_coordinates.h"
#include "vstgui/drop_target.h"
#include "vstgui/frame_window_class.h"
#include "vstgui/module_instance.h"
#include "vstgui/offscreen_context.h"

namespace VSTGUI {

namespace {

constexpr RgbaColor kOpaqueBlack{0, 0, 0, 255};
// The widest and tallest a host's window decoration may be before a resize gives up
// on the host's windows.
constexpr int kMostDecoration = 80;

ViewPoint ClientPoint(LPARAM lParam) { return {double(GET_X_LPARAM(lParam)), double(GET_Y_LPARAM(lParam))}; }

// As the message reports them, without swapping.
ButtonState ButtonsOfMessage(WPARAM wParam) {
  ButtonState buttons = 0;
  if (wParam & MK_LBUTTON) buttons |= kLButton;
  if (wParam & MK_RBUTTON) buttons |= kRButton;
  if (wParam & MK_MBUTTON) buttons |= kMButton;
  if (wParam & MK_XBUTTON1) buttons |= kButton4;
  if (wParam & MK_XBUTTON2) buttons |= kButton5;
  if (wParam & MK_CONTROL) buttons |= kControl;
  if (wParam & MK_SHIFT) buttons |= kShift;
  if (GetKeyState(VK_MENU) < 0) buttons |= kAlt;
  return buttons;
}

ButtonState HeldModifiers() {
  ButtonState buttons = 0;
  if (GetKeyState(VK_SHIFT) < 0) buttons |= kShift;
  if (GetKeyState(VK_CONTROL) < 0) buttons |= kControl;
  if (GetKeyState(VK_MENU) < 0) buttons |= kAlt;
  return buttons;
}

bool IsWithin(const CView* view, const CView* ancestor) {
  for (const CView* v = view; v; v = v->getParentView()) {
    if (v == ancestor) return true;
  }
  return false;
}

void NotifyAncestors(CView* view, const char* message) {
  for (CView* ancestor = view->getParentView(); ancestor; ancestor = ancestor->getParentView()) {
    ancestor->notify(view, message);
  }
}

LPCWSTR CursorOfShape(std::int32_t shape) {
  switch (shape) {
    case 1: return IDC_WAIT;
    case 2: return IDC_SIZEWE;
    case 3: return IDC_SIZENS;
    case 4: return IDC_SIZEALL;
    case 5: return IDC_SIZENESW;
    case 6: return IDC_SIZENWSE;
    case 8: return IDC_NO;
    case 9: return IDC_HAND;
    default: return nullptr;
  }
}

bool IsMdiClient(HWND window) {
  wchar_t className[1024] = L"";
  GetClassNameW(window, className, 1024);
  return std::wcscmp(className, L"MDIClient") == 0;
}

int OuterWidth(const RECT& rect) { return rect.right - rect.left; }
int OuterHeight(const RECT& rect) { return rect.bottom - rect.top; }

}  // namespace

CFrame::CFrame(const ViewRect& size, HWND parentWindow, VSTGUIEditorInterface* editor)
    : CViewContainer(size, this, nullptr), editor_(editor) {
  attached_ = true;
  systemMajorVersion_ = RefreshSystemMajorVersion();
  initFrame(parentWindow);
}

CFrame::~CFrame() {
  if (CView* const modal = modalView_) {
    modalView_ = nullptr;
    CViewContainer::removeView(modal, true);
  }
  setCursorShape(0);
  enableDropTarget(false);
  frame_ = nullptr;
  focusView_ = nullptr;
  viewUnderMouse_ = nullptr;
  CViewContainer::removeAll(true);
  backBuffer_.reset();
  if (window_) {
    // Cleared first: the messages of the window's destruction then go to the default
    // procedure, not to a frame that is going.
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
    window_ = nullptr;
  }
  if (usesWindowClass_) ReleaseFrameWindowClass();
}

bool CFrame::initFrame(HWND parentWindow) {
  if (!parentWindow) return false;
  const wchar_t* const className = AcquireFrameWindowClass(FrameWindowProc);
  usesWindowClass_ = true;
  // Composited by the system from Vista on; older systems paint through a back buffer.
  const DWORD extendedStyle = systemMajorVersion_ < 6 ? 0 : WS_EX_COMPOSITED;
  window_ = CreateWindowExW(extendedStyle, className, L"Window", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                            0, 0, ToDeviceInt(size_.width()), ToDeviceInt(size_.height()), parentWindow, nullptr,
                            ToolkitModule(), nullptr);
  if (!window_) return false;
  parentWindow_ = parentWindow;
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  enableDropTarget(true);
  return true;
}

LRESULT CFrame::windowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the paint covers everything; erasing first would only flicker
    case WM_MOUSEMOVE: {
      ViewPoint where = ClientPoint(lParam);
      mouseMoved(where, ButtonsOfMessage(wParam));
      return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_XBUTTONDOWN:
      press(wParam, lParam, 0);
      return 0;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
    case WM_XBUTTONDBLCLK:
      press(wParam, lParam, kDoubleClick);
      return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_XBUTTONUP: {
      ViewPoint where = ClientPoint(lParam);
      mouseUp(where, ButtonsOfMessage(wParam));
      ReleaseCapture();
      return 0;
    }
    case WM_MOUSEWHEEL:
      wheel(wParam, lParam);
      break;
    case WM_MOUSELEAVE: {
      ViewPoint where;
      mousePosition(where);
      mouseExited(where, mouseButtons());
      return 0;
    }
    case WM_DESTROY:
      windowDestroyed();
      break;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

CMouseEventResult CFrame::press(WPARAM wParam, LPARAM lParam, ButtonState extra) {
  ViewPoint where = ClientPoint(lParam);
  const CMouseEventResult result = mouseDown(where, ButtonsOfMessage(wParam) | extra);
  // The view that took the press gets the moves and the release even outside the window.
  if (result == kMouseEventHandled && window_) SetCapture(window_);
  return result;
}

void CFrame::wheel(WPARAM wParam, LPARAM lParam) {
  RECT windowRect{};
  if (window_) GetWindowRect(window_, &windowRect);
  // Screen coordinates, signed: a monitor left of or above the primary one is negative.
  const ViewPoint where{double(GET_X_LPARAM(lParam) - windowRect.left), double(GET_Y_LPARAM(lParam) - windowRect.top)};
  const float notches = static_cast<float>(GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA);
  mouseWheel(where, notches, HeldModifiers());
}

void CFrame::paint() {
  HRGN const region = CreateRectRgn(0, 0, 0, 0);
  if (GetUpdateRgn(window_, region, FALSE) != NULLREGION) {
    PAINTSTRUCT paintInfo{};
    HDC const paintContext = BeginPaint(window_, &paintInfo);
    if (systemMajorVersion_ <= 5 && !backBuffer_) {
      backBuffer_.adopt(new COffscreenContext(this, size_.width(), size_.height(), kOpaqueBlack));
    }
    const ViewRect update{double(paintInfo.rcPaint.left), double(paintInfo.rcPaint.top),
                          double(paintInfo.rcPaint.right), double(paintInfo.rcPaint.bottom)};
    if (backBuffer_) {
      drawRect(backBuffer_.get(), update);
      CDrawContext windowContext(this, paintContext, window_);
      backBuffer_->getBitmap()->drawBitmap(&windowContext, update, update.topLeft());
    } else {
      CDrawContext* const target = new CDrawContext(this, paintContext, window_);
      drawRect(target, update);
      target->forget();
    }
    EndPaint(window_, &paintInfo);
  }
  DeleteObject(region);
}

void CFrame::windowDestroyed() {
  // The host destroyed the window under the frame (perhaps with its own parent): the
  // frame lives on without a window until the editor releases it.
  open_ = false;
  parentWindow_ = nullptr;
  enableDropTarget(false);
  SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
  window_ = nullptr;
}

void CFrame::draw(CDrawContext* context) { drawRect(context, size_); }

void CFrame::drawRect(CDrawContext* context, const ViewRect& update) {
  if (context) {
    context->remember();
  } else {
    context = makeDrawContext();
  }
  const ViewRect savedClip = context->getClipRect();
  ViewRect clip = update;
  context->setClipRect(clip.bound(savedClip));
  if (update.width() > 0.0 && update.height() > 0.0) CViewContainer::drawRect(context, update);
  context->setClipRect(savedClip);
  context->forget();
}

void CFrame::invalidateRect(const ViewRect& rect) {
  if (!visible_ || !window_) return;
  const RECT area{ToDeviceInt(rect.left), ToDeviceInt(rect.top), ToDeviceInt(rect.right), ToDeviceInt(rect.bottom)};
  InvalidateRect(window_, &area, TRUE);
}

void CFrame::idle() {
  if (open_) invalidateDirtyViews();
}

CDrawContext* CFrame::makeDrawContext() { return new CDrawContext(this, nullptr, window_); }

void CFrame::requestLeaveNotification() {
  if (tracking_ || !window_) return;
  TRACKMOUSEEVENT request{sizeof(TRACKMOUSEEVENT), TME_LEAVE, window_, 0};
  TrackMouseEvent(&request);
  tracking_ = true;
}

void CFrame::exitViewUnderMouse(const ViewPoint& where, const ButtonState& buttons, bool converted) {
  CView* const view = viewUnderMouse_;
  if (!view) return;
  viewUnderMouse_ = nullptr;
  ViewPoint point = where;
  if (converted) view->toViewCoordinates(point);
  view->mouseExited(point, buttons);
}

CMouseEventResult CFrame::mouseDown(ViewPoint& where, const ButtonState& buttons) {
  mouseDownView_ = nullptr;
  if (focusView_) changeFocusView(nullptr);
  exitViewUnderMouse(where, buttons, false);
  if (!modalView_) return CViewContainer::mouseDown(where, buttons);
  if (!modalView_->hitTest(where, buttons)) return kMouseEventNotHandled;
  ViewPoint point = where;
  switch (modalView_->mouseDown(point, buttons)) {
    case kMouseEventHandled:
      mouseDownView_ = modalView_;
      return kMouseEventHandled;
    case kMouseEventNotImplemented:
      return kMouseEventHandled;
    default:
      return kMouseEventNotHandled;
  }
}

CMouseEventResult CFrame::mouseMoved(ViewPoint& where, const ButtonState& buttons) {
  requestLeaveNotification();
  if (modalView_) {
    ViewPoint point = where;
    return modalView_->mouseMoved(point, buttons);
  }
  const CMouseEventResult held = CViewContainer::mouseMoved(where, buttons);
  if (held != kMouseEventNotHandled) return held;
  CView* const view = viewAtPoint(where, true);
  if (view && view == viewUnderMouse_) {
    ViewPoint point = where;
    view->mouseMoved(view->toViewCoordinates(point), 0);
    return kMouseEventHandled;
  }
  if (view == viewUnderMouse_) return kMouseEventNotHandled;
  exitViewUnderMouse(where, buttons, true);
  if (view) {
    ViewPoint point = where;
    view->mouseEntered(view->toViewCoordinates(point), buttons);
    viewUnderMouse_ = view;
  }
  return kMouseEventHandled;
}

CMouseEventResult CFrame::mouseExited(ViewPoint& where, const ButtonState& buttons) {
  exitViewUnderMouse(where, buttons, true);
  // The next move asks the system for a new leave notification.
  tracking_ = false;
  return kMouseEventHandled;
}

bool CFrame::mouseWheel(const ViewPoint& where, float distance, const ButtonState& buttons) {
  if (mouseDownView_) return false;
  CView* const target = modalView_ ? modalView_ : viewAtPoint(where, false);
  return target && target->mouseWheel(where, MouseWheelAxis::vertical, distance, buttons);
}

void CFrame::mousePosition(ViewPoint& where) const {
  POINT cursor{};
  GetCursorPos(&cursor);
  RECT windowRect{};
  if (window_) GetWindowRect(window_, &windowRect);
  where = {double(cursor.x - windowRect.left), double(cursor.y - windowRect.top)};
}

ButtonState CFrame::mouseButtons() const {
  const bool swapped = MouseButtonsSwapped();
  ButtonState buttons = 0;
  if (GetAsyncKeyState(VK_LBUTTON) < 0) buttons |= swapped ? kRButton : kLButton;
  if (GetAsyncKeyState(VK_MBUTTON) < 0) buttons |= kMButton;
  if (GetAsyncKeyState(VK_RBUTTON) < 0) buttons |= swapped ? kLButton : kRButton;
  if (GetAsyncKeyState(VK_SHIFT) < 0) buttons |= kShift;
  if (GetAsyncKeyState(VK_CONTROL) < 0) buttons |= kControl;
  if (GetAsyncKeyState(VK_MENU) < 0) buttons |= kAlt;
  return buttons;
}

std::int32_t CFrame::keyDown(KeyCode& key) {
  if (focusView_) {
    const std::int32_t result = focusView_->keyDown(key);
    if (result != -1) return result;
  }
  if (modalView_) {
    const std::int32_t result = modalView_->keyDown(key);
    if (result != -1) return result;
  }
  if (key.virt != kVirtualKeyTab) return -1;
  constexpr std::uint8_t kShiftModifier = 1;
  return moveFocus(focusView_, (key.modifier & kShiftModifier) != 0) ? 1 : -1;
}

std::int32_t CFrame::keyUp(KeyCode& key) {
  if (focusView_) {
    const std::int32_t result = focusView_->keyUp(key);
    if (result != -1) return result;
  }
  return modalView_ ? modalView_->keyUp(key) : -1;
}

bool CFrame::isTypeOf(const char* type) const {
  return (type && std::strcmp(type, "CFrame") == 0) || CViewContainer::isTypeOf(type);
}

bool CFrame::removeView(CView* view, bool withForget) {
  if (view && view == modalView_) modalView_ = nullptr;
  return CViewContainer::removeView(view, withForget);
}

bool CFrame::removeAll(bool withForget) {
  modalView_ = nullptr;
  focusView_ = nullptr;
  viewUnderMouse_ = nullptr;
  return CViewContainer::removeAll(withForget);
}

void CFrame::onViewRemoved(CView* view) {
  // The view may hold the one that is referred to: a container leaves with its children.
  if (IsWithin(viewUnderMouse_, view)) viewUnderMouse_ = nullptr;
  if (IsWithin(focusView_, view)) focusView_ = nullptr;
  if (IsWithin(modalView_, view)) modalView_ = nullptr;
}

void CFrame::setCursorShape(std::int32_t shape) {
  if (!defaultCursorSaved_) {
    defaultCursor_ = GetCursor();
    defaultCursorSaved_ = true;
  }
  const LPCWSTR cursor = CursorOfShape(shape);
  SetCursor(cursor ? LoadCursorW(nullptr, cursor) : defaultCursor_);
}

void CFrame::enableDropTarget(bool state) {
  if (!state) {
    dropTarget_.reset();
  } else if (!dropTarget_ && window_) {
    dropTarget_ = std::make_unique<DropTargetRegistration>(window_, this);
  }
}

bool CFrame::resizeFrame(double width, double height) {
  if (!open_) return false;
  if (width == size_.width() && height == size_.height()) return false;
  backBuffer_.reset();
  if (window_ && !resizeWindows(ToDeviceInt(width), ToDeviceInt(height))) return true;
  setViewSize({size_.left, size_.top, size_.left + width, size_.top + height}, true);
  return true;
}

// Resizes the frame window and, where the host's windows are decorated around it, the
// host's windows up to the first undecorated one, so that the editor fits. False when
// the decoration grew too large to be the host's frame.
bool CFrame::resizeWindows(int width, int height) {
  const int decoration = 2 * GetSystemMetrics(SM_CYDLGFRAME);
  if (decoration == 0) {
    SetWindowPos(window_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
    return true;
  }
  HWND current = window_;
  int extraWidth = 0;
  int extraHeight = 0;
  for (HWND parent = GetParent(current); parent && !IsMdiClient(parent); parent = GetParent(current)) {
    // The parent's decoration around this window, as it is before the resize.
    RECT parentRect{};
    RECT childRect{};
    GetWindowRect(parent, &parentRect);
    GetWindowRect(current, &childRect);
    SetWindowPos(current, nullptr, 0, 0, width + extraWidth, height + extraHeight, SWP_NOMOVE | SWP_NOZORDER);
    extraWidth += std::max(0, OuterWidth(parentRect) - OuterWidth(childRect));
    extraHeight += std::max(0, OuterHeight(parentRect) - OuterHeight(childRect));
    if (extraWidth > kMostDecoration || extraHeight > kMostDecoration) return false;
    current = parent;
    if (extraWidth == decoration) break;
  }
  SetWindowPos(current, nullptr, 0, 0, width + extraWidth, height + extraHeight, SWP_NOMOVE | SWP_NOZORDER);
  return true;
}

void CFrame::changeFocusView(CView* view) {
  if (changingFocus_) return;
  changingFocus_ = true;
  CView* const previous = focusView_;
  focusView_ = view;
  if (view && view->wantsFocus()) {
    view->setDirty(true);
    NotifyAncestors(view, kMsgNewFocusView);
  }
  if (previous && previous->wantsFocus()) {
    previous->setDirty(true);
    NotifyAncestors(previous, kMsgOldFocusView);
    previous->looseFocus();
  }
  changingFocus_ = false;
}

bool CFrame::moveFocus(CView* view, bool reverse) {
  CView* const next = nextFocusView(view, reverse);
  if (!next) return false;
  changeFocusView(next);
  return true;
}

void CFrame::setModalView(CView* view) {
  if (modalView_) removeView(modalView_, false);
  modalView_ = nullptr;
  if (view && addView(view)) modalView_ = view;
}

CView* CFrame::getModalView() const { return modalView_; }
CView* CFrame::getFocusView() const { return focusView_; }
CView* CFrame::getViewUnderMouse() const { return viewUnderMouse_; }
VSTGUIEditorInterface* CFrame::getEditor() const { return editor_; }

VST_HOST_ENTRY LRESULT CALLBACK FrameWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedHostCall<LRESULT>(0, [&]() -> LRESULT {
    auto* const frame = reinterpret_cast<CFrame*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!frame) return DefWindowProcW(window, message, wParam, lParam);
    return frame->windowMessage(window, message, wParam, lParam);
  });
}

}  // namespace VSTGUI
