#pragma once

#include <cstdint>
#include <list>

#include "vstgui/view.h"

namespace VSTGUI {

class COffscreenContext;

// A view holding an ordered list of child views, each with one reference of the
// list's. Children are drawn first to last, so the last one added is on top and
// receives a press first. Child sizes are in the container's own coordinates, which
// start at its top-left corner.
class CViewContainer : public CView {
 public:
  CViewContainer(const ViewRect& size, CFrame* frame, CBitmap* background = nullptr);
  ~CViewContainer() override;

  void draw(CDrawContext* context) override;
  void drawRect(CDrawContext* context, const ViewRect& update) override;
  // Dirty itself, or holding a dirty child inside its area.
  bool isDirty() const override;
  void invalidateRect(const ViewRect& rect) override;
  CMouseEventResult mouseDown(ViewPoint& where, const ButtonState& buttons) override;
  CMouseEventResult mouseUp(ViewPoint& where, const ButtonState& buttons) override;
  CMouseEventResult mouseMoved(ViewPoint& where, const ButtonState& buttons) override;
  bool mouseWheel(const ViewPoint& where, MouseWheelAxis axis, float distance, const ButtonState& buttons) override;
  void onDragEnter(CDragContainer* drag, const ViewPoint& where) override;
  void onDragMove(CDragContainer* drag, const ViewPoint& where) override;
  void onDragLeave(CDragContainer* drag, const ViewPoint& where) override;
  bool onDrop(CDragContainer* drag, const ViewPoint& where) override;
  ViewPoint& toViewCoordinates(ViewPoint& point) const override;
  ViewPoint& toFrameCoordinates(ViewPoint& point) const override;
  bool removed(CView* parent) override;
  bool attached(CView* parent) override;
  bool isTypeOf(const char* type) const override;
  CMessageResult notify(CBaseObject* sender, const char* message) override;

  // Refused (false) for no view or one that is attached already.
  virtual bool addView(CView* view);
  virtual bool addView(CView* view, const ViewRect& mouseableArea, bool mouseEnabled = true);
  virtual bool addView(CView* view, CView* before);
  // Releases the list's reference, and with `withForget` the creator's as well.
  virtual bool removeView(CView* view, bool withForget = true);
  virtual bool removeAll(bool withForget = true);
  virtual bool isChild(CView* view) const;
  virtual std::int32_t getNbViews() const;
  virtual CView* getView(std::int32_t index) const;
  // The topmost visible child whose mouseable area holds the point (in this
  // container's parent's coordinates); with `deep`, the view found inside a child
  // container instead.
  virtual CView* viewAtPoint(const ViewPoint& where, bool deep = false) const;
  virtual void setBackgroundColor(const RgbaColor& color);
  virtual RgbaColor getBackgroundColor() const;
  virtual ViewPoint getBackgroundOffset() const;
  virtual void setBackgroundOffset(const ViewPoint& offset);
  virtual bool getUseOffscreen() const;
  virtual void drawBackgroundRect(CDrawContext* context, const ViewRect& update);
  // Children then draw into an offscreen context first; clearing it releases that.
  virtual void useOffscreen(bool state);
  // The next child after `current` that wants the focus, or null.
  virtual CView* nextFocusView(CView* current, bool reverse) const;
  // Turns every dirty view into a repaint request of its area.
  virtual void invalidateDirtyViews();
  virtual CView* getMouseDownView() const;
  virtual CView* getCurrentDragView() const;

 protected:
  ViewPoint toLocal(const ViewPoint& where) const;
  // Forgets the container's own references to a view that leaves it.
  void dropReferencesTo(CView* view);

  std::list<CView*> children_;
  COffscreenContext* offscreen_ = nullptr;
  RgbaColor backgroundColor_{0, 0, 0, 255};
  ViewPoint backgroundOffset_;
  bool useOffscreen_ = false;
  CView* currentDragView_ = nullptr;
  CView* mouseDownView_ = nullptr;

 private:
  void releaseOffscreen();
  CDrawContext* offscreenTarget();
};

}  // namespace VSTGUI
