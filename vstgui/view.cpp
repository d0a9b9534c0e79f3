#include "vstgui/view.h"

#include <cstring>

#include "vstgui/bitmap.h"
#include "vstgui/frame.h"

namespace VSTGUI {

const char* const kMsgNewFocusView = "kMsgNewFocusView";
const char* const kMsgOldFocusView = "kMsgOldFocusView";
const char* const kMsgCheckIfViewContainer = "kMsgCheckIfViewContainer";

CView::CView(const ViewRect& size) : size_(size), mouseableArea_(size) {}

CView::~CView() {
  if (background_) background_->forget();
}

void CView::draw(CDrawContext* context) {
  if (background_) background_->drawBitmap(context, size_);
  setDirty(false);
}

void CView::drawRect(CDrawContext* context, const ViewRect& /*update*/) { draw(context); }

bool CView::checkUpdate(const ViewRect& rect) const { return size_.overlaps(rect); }

bool CView::isDirty() const { return dirty_; }

void CView::setDirty(bool state) { dirty_ = state; }

void CView::invalidateRect(const ViewRect& rect) {
  if (!attached_ || !visible_) return;
  if (parent_) {
    parent_->invalidateRect(rect);
  } else if (frame_ && static_cast<CView*>(frame_) != this) {
    frame_->invalidateRect(rect);
  }
}

void CView::invalidate() {
  setDirty(false);
  invalidateRect(size_);
}

void CView::setVisible(bool state) {
  if (visible_ == state) return;
  visible_ = state;
  setDirty(true);
}

CMouseEventResult CView::mouseDown(ViewPoint&, const ButtonState&) { return kMouseEventNotImplemented; }
CMouseEventResult CView::mouseUp(ViewPoint&, const ButtonState&) { return kMouseEventNotImplemented; }
CMouseEventResult CView::mouseMoved(ViewPoint&, const ButtonState&) { return kMouseEventNotImplemented; }
CMouseEventResult CView::mouseEntered(ViewPoint&, const ButtonState&) { return kMouseEventNotImplemented; }
CMouseEventResult CView::mouseExited(ViewPoint&, const ButtonState&) { return kMouseEventNotImplemented; }

bool CView::hitTest(const ViewPoint& where, const ButtonState&) { return mouseableArea_.pointInside(where); }

bool CView::mouseWheel(const ViewPoint&, float, const ButtonState&) { return false; }

bool CView::mouseWheel(const ViewPoint& where, MouseWheelAxis axis, float distance, const ButtonState& buttons) {
  return axis == MouseWheelAxis::vertical && mouseWheel(where, distance, buttons);
}

void CView::setMouseEnabled(bool state) { mouseEnabled_ = state; }
bool CView::getMouseEnabled() const { return mouseEnabled_; }
void CView::setMouseableArea(const ViewRect& rect) { mouseableArea_ = rect; }
ViewRect& CView::getMouseableArea(ViewRect& rect) const { return rect = mouseableArea_; }
const ViewRect& CView::getMouseableArea() const { return mouseableArea_; }

void CView::onDragEnter(CDragContainer*, const ViewPoint&) {}
void CView::onDragMove(CDragContainer*, const ViewPoint&) {}
void CView::onDragLeave(CDragContainer*, const ViewPoint&) {}
bool CView::onDrop(CDragContainer*, const ViewPoint&) { return false; }

std::int32_t CView::keyDown(KeyCode&) { return -1; }
std::int32_t CView::keyUp(KeyCode&) { return -1; }

void CView::setViewSize(const ViewRect& rect, bool invalid) {
  size_ = rect;
  mouseableArea_ = rect;
  if (invalid) invalidate();
}

ViewRect& CView::getViewSize(ViewRect& rect) const { return rect = size_; }
const ViewRect& CView::getViewSize() const { return size_; }

ViewRect CView::getVisibleSize() const {
  ViewRect visible = size_;
  if (parent_) {
    ViewRect parentArea = parent_->getVisibleSize();
    const ViewRect& parentSize = parent_->getViewSize();
    visible.bound(parentArea.offset(-parentSize.left, -parentSize.top));
  }
  return visible;
}

CView* CView::getParentView() const { return parent_; }

ViewPoint& CView::toViewCoordinates(ViewPoint& point) const {
  if (parent_) parent_->toViewCoordinates(point);
  return point;
}

ViewPoint& CView::toFrameCoordinates(ViewPoint& point) const {
  if (parent_) parent_->toFrameCoordinates(point);
  return point;
}

void CView::setTransparency(bool state) { transparent_ = state; }
bool CView::getTransparency() const { return transparent_; }
void CView::setWantsFocus(bool state) { wantsFocus_ = state; }
bool CView::isAttached() const { return attached_; }
bool CView::wantsFocus() const { return wantsFocus_; }
CFrame* CView::getFrame() const { return frame_; }

void CView::setBackground(CBitmap* background) {
  if (background) background->remember();
  if (background_) background_->forget();
  background_ = background;
  setDirty(true);
}

CBitmap* CView::getBackground() const { return background_; }
void CView::setAutosizeFlags(std::int32_t flags) { autosizeFlags_ = flags; }
std::int32_t CView::getAutosizeFlags() const { return autosizeFlags_; }

bool CView::removed(CView* /*parent*/) {
  if (!attached_) return false;
  attached_ = false;
  parent_ = nullptr;
  frame_ = nullptr;
  return true;
}

bool CView::attached(CView* parent) {
  if (attached_) return false;
  parent_ = parent;
  frame_ = parent ? parent->getFrame() : nullptr;
  attached_ = true;
  return true;
}

bool CView::isVisible() const { return visible_; }

bool CView::isTypeOf(const char* type) const { return type && std::strcmp(type, "CView") == 0; }

CView* CView::newCopy() const {
  auto* const copy = new CView(size_);
  copy->mouseableArea_ = mouseableArea_;
  copy->mouseEnabled_ = mouseEnabled_;
  copy->transparent_ = transparent_;
  copy->wantsFocus_ = wantsFocus_;
  copy->visible_ = visible_;
  copy->autosizeFlags_ = autosizeFlags_;
  copy->setBackground(background_);
  return copy;
}

void CView::mouse(CDrawContext*, ViewPoint&, const ButtonState&) {}
void CView::takeFocus() {}
void CView::looseFocus() {}
void CView::parentSizeChanged() {}

}  // namespace VSTGUI
