#pragma once

#include <cstdint>

#include "vstgui/base_object.h"
#include "vstgui/button_state.h"
#include "vstgui/live_objects.h"
#include "vstgui/view_types.h"

namespace VSTGUI {

class CBitmap;
class CDragContainer;
class CDrawContext;
class CFrame;

// Messages sent up the tree, compared by address, never by text.
extern const char* const kMsgNewFocusView;
extern const char* const kMsgOldFocusView;
extern const char* const kMsgCheckIfViewContainer;

// A rectangle of the editor. Its size is in its parent's coordinates. The virtual
// operations are declared in the order of the toolkit's table.
class CView : public CBaseObject {
 public:
  explicit CView(const ViewRect& size);
  ~CView() override;

  virtual void draw(CDrawContext* context);
  virtual void drawRect(CDrawContext* context, const ViewRect& update);
  virtual bool checkUpdate(const ViewRect& rect) const;
  virtual bool isDirty() const;
  virtual void setDirty(bool state = true);
  // Forwarded to the parent, up to the frame, which repaints that part of its window.
  virtual void invalidateRect(const ViewRect& rect);
  virtual void invalidate();
  virtual void setVisible(bool state);

  virtual CMouseEventResult mouseDown(ViewPoint& where, const ButtonState& buttons);
  virtual CMouseEventResult mouseUp(ViewPoint& where, const ButtonState& buttons);
  virtual CMouseEventResult mouseMoved(ViewPoint& where, const ButtonState& buttons);
  virtual CMouseEventResult mouseEntered(ViewPoint& where, const ButtonState& buttons);
  virtual CMouseEventResult mouseExited(ViewPoint& where, const ButtonState& buttons);
  // Within the mouseable area, edges included.
  virtual bool hitTest(const ViewPoint& where, const ButtonState& buttons);
  virtual bool mouseWheel(const ViewPoint& where, float distance, const ButtonState& buttons);
  virtual bool mouseWheel(const ViewPoint& where, MouseWheelAxis axis, float distance, const ButtonState& buttons);
  virtual void setMouseEnabled(bool state);
  virtual bool getMouseEnabled() const;
  virtual void setMouseableArea(const ViewRect& rect);
  virtual ViewRect& getMouseableArea(ViewRect& rect) const;
  virtual const ViewRect& getMouseableArea() const;

  // A plain view ignores drags and refuses drops.
  virtual void onDragEnter(CDragContainer* drag, const ViewPoint& where);
  virtual void onDragMove(CDragContainer* drag, const ViewPoint& where);
  virtual void onDragLeave(CDragContainer* drag, const ViewPoint& where);
  virtual bool onDrop(CDragContainer* drag, const ViewPoint& where);

  // 1 when handled, -1 otherwise.
  virtual std::int32_t keyDown(KeyCode& key);
  virtual std::int32_t keyUp(KeyCode& key);

  virtual void setViewSize(const ViewRect& rect, bool invalid = true);
  virtual ViewRect& getViewSize(ViewRect& rect) const;
  virtual const ViewRect& getViewSize() const;
  // The part of the view that its parents leave visible, in its own coordinates.
  virtual ViewRect getVisibleSize() const;
  virtual CView* getParentView() const;
  // Frame coordinates to this view's coordinates, and back.
  virtual ViewPoint& toViewCoordinates(ViewPoint& point) const;
  virtual ViewPoint& toFrameCoordinates(ViewPoint& point) const;
  virtual void setTransparency(bool state);
  virtual bool getTransparency() const;
  virtual void setWantsFocus(bool state);
  virtual bool isAttached() const;
  virtual bool wantsFocus() const;
  virtual CFrame* getFrame() const;
  virtual void setBackground(CBitmap* background);
  virtual CBitmap* getBackground() const;
  virtual void setAutosizeFlags(std::int32_t flags);
  virtual std::int32_t getAutosizeFlags() const;
  virtual bool removed(CView* parent);
  // Answers whether the view was newly attached.
  virtual bool attached(CView* parent);
  virtual bool isVisible() const;
  virtual bool isTypeOf(const char* type) const;
  virtual CView* newCopy() const;
  // The older mouse handler, called when a press finds no mouseDown handler.
  virtual void mouse(CDrawContext* context, ViewPoint& where, const ButtonState& buttons);
  virtual void takeFocus();
  virtual void looseFocus();
  virtual void parentSizeChanged();

 protected:
  ViewRect size_;
  ViewRect mouseableArea_;
  CFrame* frame_ = nullptr;
  CView* parent_ = nullptr;
  bool dirty_ = false;
  bool mouseEnabled_ = true;
  bool transparent_ = false;
  bool wantsFocus_ = false;
  bool attached_ = false;
  bool visible_ = true;
  std::int32_t autosizeFlags_ = 0;
  CBitmap* background_ = nullptr;

 private:
  LiveObjectTally<ToolkitObject::view> tally_;
};

}  // namespace VSTGUI
