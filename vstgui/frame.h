#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "vstgui/drop_target.h"
#include "vstgui/gdiplus_globals.h"
#include "vstgui/live_objects.h"
#include "vstgui/ole_session.h"
#include "vstgui/view_container.h"

namespace VSTGUI {

class COffscreenContext;
class VSTGUIEditorInterface;

// The root of the view tree and the owner of the editor's one native window, a child
// of the window the host gives. Its window procedure turns messages into toolkit
// calls: painting into a drawing pass over the invalidated area, mouse messages into
// calls that the frame routes to its views. Nothing is drawn outside WM_PAINT.
class CFrame : public CViewContainer {
 public:
  // Without a parent window the frame has no window of its own.
  CFrame(const ViewRect& size, HWND parentWindow, VSTGUIEditorInterface* editor);
  ~CFrame() override;

  void draw(CDrawContext* context) override;
  void drawRect(CDrawContext* context, const ViewRect& update) override;
  void invalidateRect(const ViewRect& rect) override;
  CMouseEventResult mouseDown(ViewPoint& where, const ButtonState& buttons) override;
  CMouseEventResult mouseMoved(ViewPoint& where, const ButtonState& buttons) override;
  CMouseEventResult mouseExited(ViewPoint& where, const ButtonState& buttons) override;
  bool mouseWheel(const ViewPoint& where, float distance, const ButtonState& buttons) override;
  std::int32_t keyDown(KeyCode& key) override;
  std::int32_t keyUp(KeyCode& key) override;
  bool isTypeOf(const char* type) const override;
  bool removeView(CView* view, bool withForget = true) override;
  bool removeAll(bool withForget = true) override;

  // Repaints the dirty views.
  virtual void idle();
  // A context on the frame's window; the caller forgets it.
  virtual CDrawContext* makeDrawContext();
  // The pointer relative to the frame's window.
  virtual void mousePosition(ViewPoint& where) const;
  // The mouse buttons and modifier keys held now.
  virtual ButtonState mouseButtons() const;
  virtual void setCursorShape(std::int32_t shape);
  virtual void enableDropTarget(bool state);
  virtual bool resizeFrame(double width, double height);
  virtual void changeFocusView(CView* view);
  // Moves the focus on from `view`; true when it moved.
  virtual bool moveFocus(CView* view, bool reverse);
  // A view that then receives all mouse and key input; it becomes a child of the frame.
  virtual void setModalView(CView* view);
  virtual CView* getModalView() const;
  virtual CView* getFocusView() const;
  virtual CView* getViewUnderMouse() const;
  virtual VSTGUIEditorInterface* getEditor() const;
  // Forgets every reference of the frame's own to a view that leaves the tree.
  virtual void onViewRemoved(CView* view);

  bool isOpen() const { return open_; }
  HWND getWindow() const { return window_; }
  HWND getParentWindow() const { return parentWindow_; }

  // Handles one message of the frame's window.
  LRESULT windowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  bool initFrame(HWND parentWindow);
  void paint();
  void wheel(WPARAM wParam, LPARAM lParam);
  CMouseEventResult press(WPARAM wParam, LPARAM lParam, ButtonState extra);
  void windowDestroyed();
  void requestLeaveNotification();
  void exitViewUnderMouse(const ViewPoint& where, const ButtonState& buttons, bool converted);
  bool resizeWindows(int width, int height);

  GdiPlusSession gdiplus_;
  OleSession ole_;  // for the drop target
  VSTGUIEditorInterface* editor_;
  HWND parentWindow_ = nullptr;
  CView* modalView_ = nullptr;
  CView* focusView_ = nullptr;
  CView* viewUnderMouse_ = nullptr;
  bool open_ = true;
  HWND window_ = nullptr;
  std::unique_ptr<DropTargetRegistration> dropTarget_;
  SharedObject<COffscreenContext> backBuffer_;
  bool tracking_ = false;
  HCURSOR defaultCursor_ = nullptr;
  bool defaultCursorSaved_ = false;
  bool usesWindowClass_ = false;
  bool changingFocus_ = false;
  DWORD systemMajorVersion_ = 0;
};

// The window procedure of every frame window.
LRESULT CALLBACK FrameWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace VSTGUI
