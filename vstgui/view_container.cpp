#include "vstgui/view_container.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "vstgui/bitmap.h"
#include "vstgui/frame.h"
#include "vstgui/offscreen_context.h"

namespace VSTGUI {

namespace {

bool IsContainer(const CView* view) { return view && view->isTypeOf("CViewContainer"); }

}  // namespace

CViewContainer::CViewContainer(const ViewRect& size, CFrame* frame, CBitmap* background) : CView(size) {
  frame_ = frame;
  if (background) setBackground(background);
}

CViewContainer::~CViewContainer() {
  removeAll(true);
  releaseOffscreen();
}

ViewPoint CViewContainer::toLocal(const ViewPoint& where) const {
  ViewPoint local = where;
  return local.offset(-size_.left, -size_.top);
}

void CViewContainer::draw(CDrawContext* context) { drawRect(context, size_); }

CDrawContext* CViewContainer::offscreenTarget() {
  if (!offscreen_) offscreen_ = new COffscreenContext(frame_, size_.width(), size_.height(), {0, 0, 0, 255});
  return offscreen_;
}

void CViewContainer::drawRect(CDrawContext* context, const ViewRect& update) {
  if (!context) return;
  CDrawContext* const target = useOffscreen_ ? offscreenTarget() : context;
  const ViewPoint savedOrigin = context->getWindowOrigin();
  const ViewPoint savedOffset = context->getDrawOffset();
  if (!useOffscreen_) {
    // Children draw in this container's coordinates.
    context->setWindowOrigin(ViewPoint(savedOrigin).offset(size_.left, size_.top));
    context->setDrawOffset(ViewPoint(savedOffset).offset(size_.left, size_.top));
  }
  ViewRect localUpdate = update;
  localUpdate.offset(-size_.left, -size_.top);
  const ViewRect savedClip = target->getClipRect();
  ViewRect clip = localUpdate;
  target->setClipRect(clip.bound(savedClip));
  drawBackgroundRect(target, localUpdate);
  for (CView* child : children_) {
    if (!child->isVisible() || !child->checkUpdate(localUpdate)) continue;
    ViewRect area = child->getViewSize();
    area.bound(localUpdate);
    if (area.width() == 0.0 || area.height() == 0.0) continue;
    target->setClipRect(area);
    child->drawRect(target, area);
  }
  target->setClipRect(savedClip);
  if (useOffscreen_) {
    offscreen_->getBitmap()->drawBitmap(context, update, localUpdate.topLeft());
  } else {
    context->setWindowOrigin(savedOrigin);
    context->setDrawOffset(savedOffset);
  }
  setDirty(false);
}

void CViewContainer::drawBackgroundRect(CDrawContext* context, const ViewRect& update) {
  if (background_) {
    const ViewRect savedClip = context->getClipRect();
    ViewRect clip = update;
    context->setClipRect(clip.bound(savedClip));
    const ViewRect whole{0.0, 0.0, background_->getWidth(), background_->getHeight()};
    if (transparent_) {
      background_->drawTransparent(context, whole, backgroundOffset_);
    } else {
      background_->drawBitmap(context, whole, backgroundOffset_);
    }
    context->setClipRect(savedClip);
    return;
  }
  if (backgroundColor_.alpha == 255 && transparent_) return;
  context->setFillColor(backgroundColor_);
  context->setStrokeColor(backgroundColor_);
  context->drawRectangle({0.0, 0.0, size_.width(), size_.height()}, kDrawFilledAndStroked);
}

bool CViewContainer::isDirty() const {
  if (dirty_) return true;
  const ViewRect area{0.0, 0.0, size_.width(), size_.height()};
  return std::any_of(children_.begin(), children_.end(),
                     [&](const CView* child) { return child->isDirty() && child->getViewSize().overlaps(area); });
}

void CViewContainer::invalidateRect(const ViewRect& rect) {
  if (!visible_) return;
  ViewRect area = rect;
  area.offset(size_.left, size_.top).bound(size_);
  if (area.isEmpty()) return;
  CView::invalidateRect(area);
}

void CViewContainer::invalidateDirtyViews() {
  if (!visible_) return;
  if (dirty_) {
    if (parent_) {
      parent_->invalidateRect(size_);
    } else if (frame_) {
      frame_->invalidateRect(size_);
    }
    return;
  }
  for (CView* child : children_) {
    if (!child->isDirty() || !child->isVisible()) continue;
    if (IsContainer(child)) {
      static_cast<CViewContainer*>(child)->invalidateDirtyViews();
    } else {
      child->invalidate();
    }
  }
}

CMouseEventResult CViewContainer::mouseDown(ViewPoint& where, const ButtonState& buttons) {
  const ViewPoint local = toLocal(where);
  for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
    CView* const child = *it;
    if (!child->isVisible() || !child->getMouseEnabled() || !child->hitTest(local, buttons)) continue;
    ViewPoint point = local;
    const CMouseEventResult result = child->mouseDown(point, buttons);
    if (result == kMouseEventHandled) {
      mouseDownView_ = child;
      return kMouseEventHandled;
    }
    if (result != kMouseEventNotImplemented) return result;
    // A view without a press handler may still have the older mouse handler.
    CDrawContext* const context = frame_ ? frame_->makeDrawContext() : nullptr;
    point = local;
    child->mouse(context, point, buttons);
    if (context) context->forget();
    return kMouseEventNotImplemented;
  }
  return kMouseEventNotHandled;
}

CMouseEventResult CViewContainer::mouseMoved(ViewPoint& where, const ButtonState& buttons) {
  if (!mouseDownView_) return kMouseEventNotHandled;
  ViewPoint point = toLocal(where);
  if (mouseDownView_->mouseMoved(point, buttons) != kMouseEventHandled) {
    mouseDownView_ = nullptr;
    return kMouseEventNotHandled;
  }
  return kMouseEventHandled;
}

CMouseEventResult CViewContainer::mouseUp(ViewPoint& where, const ButtonState& buttons) {
  if (!mouseDownView_) return kMouseEventNotHandled;
  CView* const view = mouseDownView_;
  mouseDownView_ = nullptr;
  ViewPoint point = toLocal(where);
  view->mouseUp(point, buttons);
  return kMouseEventHandled;
}

bool CViewContainer::mouseWheel(const ViewPoint& where, MouseWheelAxis /*axis*/, float distance,
                                const ButtonState& buttons) {
  CView* const child = viewAtPoint(where, false);
  return child && child->mouseWheel(toLocal(where), MouseWheelAxis::vertical, distance, buttons);
}

CView* CViewContainer::viewAtPoint(const ViewPoint& where, bool deep) const {
  if (!frame_ || !visible_) return nullptr;
  const ViewPoint local = toLocal(where);
  for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
    CView* const child = *it;
    if (!child->isVisible() || !child->getMouseableArea().pointInside(local)) continue;
    if (deep && IsContainer(child)) return static_cast<CViewContainer*>(child)->viewAtPoint(local, true);
    return child;
  }
  return nullptr;
}

void CViewContainer::onDragEnter(CDragContainer* drag, const ViewPoint& where) {
  const ViewPoint local = toLocal(where);
  if (currentDragView_) currentDragView_->onDragLeave(drag, local);
  currentDragView_ = viewAtPoint(where, false);
  if (currentDragView_) currentDragView_->onDragEnter(drag, local);
}

void CViewContainer::onDragMove(CDragContainer* drag, const ViewPoint& where) {
  const ViewPoint local = toLocal(where);
  CView* const view = viewAtPoint(where, false);
  if (view == currentDragView_) {
    if (view) view->onDragMove(drag, local);
    return;
  }
  if (currentDragView_) currentDragView_->onDragLeave(drag, local);
  if (view) view->onDragEnter(drag, local);
  currentDragView_ = view;
}

void CViewContainer::onDragLeave(CDragContainer* drag, const ViewPoint& where) {
  if (currentDragView_) currentDragView_->onDragLeave(drag, toLocal(where));
  currentDragView_ = nullptr;
}

bool CViewContainer::onDrop(CDragContainer* drag, const ViewPoint& where) {
  const ViewPoint local = toLocal(where);
  CView* const view = viewAtPoint(where, false);
  if (view != currentDragView_ && currentDragView_) currentDragView_->onDragLeave(drag, local);
  currentDragView_ = view;
  bool dropped = false;
  if (view) {
    dropped = view->onDrop(drag, local);
    view->onDragLeave(drag, local);
  }
  currentDragView_ = nullptr;
  return dropped;
}

ViewPoint& CViewContainer::toViewCoordinates(ViewPoint& point) const {
  point.offset(-size_.left, -size_.top);
  return CView::toViewCoordinates(point);
}

ViewPoint& CViewContainer::toFrameCoordinates(ViewPoint& point) const {
  point.offset(size_.left, size_.top);
  return CView::toFrameCoordinates(point);
}

bool CViewContainer::attached(CView* parent) {
  if (parent) frame_ = parent->getFrame();
  for (CView* child : children_) child->attached(this);
  return CView::attached(parent);
}

bool CViewContainer::removed(CView* parent) {
  for (CView* child : children_) child->removed(this);
  releaseOffscreen();
  return CView::removed(parent);
}

bool CViewContainer::isTypeOf(const char* type) const {
  return (type && std::strcmp(type, "CViewContainer") == 0) || CView::isTypeOf(type);
}

CMessageResult CViewContainer::notify(CBaseObject* sender, const char* message) {
  if (message == kMsgCheckIfViewContainer) return kMessageNotified;
  return CView::notify(sender, message);
}

bool CViewContainer::addView(CView* view) { return addView(view, nullptr); }

bool CViewContainer::addView(CView* view, const ViewRect& mouseableArea, bool mouseEnabled) {
  if (!view || view->isAttached()) return false;
  view->setMouseableArea(mouseableArea);
  view->setMouseEnabled(mouseEnabled);
  return addView(view);
}

bool CViewContainer::addView(CView* view, CView* before) {
  if (!view || view->isAttached()) return false;
  children_.insert(std::find(children_.begin(), children_.end(), before), view);
  view->remember();
  if (attached_) {
    view->attached(this);
    view->invalidate();
  }
  return true;
}

void CViewContainer::dropReferencesTo(CView* view) {
  if (mouseDownView_ == view) mouseDownView_ = nullptr;
  if (currentDragView_ == view) currentDragView_ = nullptr;
}

bool CViewContainer::removeView(CView* view, bool withForget) {
  const auto listed = std::find(children_.begin(), children_.end(), view);
  if (listed == children_.end()) return false;
  view->invalidate();
  dropReferencesTo(view);
  if (frame_) frame_->onViewRemoved(view);
  if (view->isAttached()) view->removed(this);
  children_.erase(listed);
  if (withForget) view->forget();
  view->forget();
  return true;
}

bool CViewContainer::removeAll(bool withForget) {
  while (!children_.empty()) removeView(children_.front(), withForget);
  return true;
}

bool CViewContainer::isChild(CView* view) const {
  return std::find(children_.begin(), children_.end(), view) != children_.end();
}

std::int32_t CViewContainer::getNbViews() const { return static_cast<std::int32_t>(children_.size()); }

CView* CViewContainer::getView(std::int32_t index) const {
  if (index < 0 || index >= getNbViews()) return nullptr;
  return *std::next(children_.begin(), index);
}

void CViewContainer::setBackgroundColor(const RgbaColor& color) {
  backgroundColor_ = color;
  setDirty(true);
}

RgbaColor CViewContainer::getBackgroundColor() const { return backgroundColor_; }
ViewPoint CViewContainer::getBackgroundOffset() const { return backgroundOffset_; }
void CViewContainer::setBackgroundOffset(const ViewPoint& offset) { backgroundOffset_ = offset; }
bool CViewContainer::getUseOffscreen() const { return useOffscreen_; }

void CViewContainer::useOffscreen(bool state) {
  useOffscreen_ = state;
  if (!state) releaseOffscreen();
}

void CViewContainer::releaseOffscreen() {
  if (offscreen_) offscreen_->forget();
  offscreen_ = nullptr;
}

CView* CViewContainer::nextFocusView(CView* current, bool reverse) const {
  std::list<CView*> order = children_;
  if (reverse) order.reverse();
  auto start = std::find(order.begin(), order.end(), current);
  start = start == order.end() ? order.begin() : std::next(start);
  const auto found = std::find_if(start, order.end(), [](const CView* view) { return view->wantsFocus(); });
  return found == order.end() ? nullptr : *found;
}

CView* CViewContainer::getMouseDownView() const { return mouseDownView_; }
CView* CViewContainer::getCurrentDragView() const { return currentDragView_; }

}  // namespace VSTGUI
