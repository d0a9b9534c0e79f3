#include <gtest/gtest.h>

#include <windowsx.h>

#include <random>
#include <vector>

#include "tests/support/host_window.h"
#include "vstgui/draw_context.h"
#include "vstgui/frame.h"
#include "vstgui/module_instance.h"

namespace {

using namespace VSTGUI;

// A view that answers presses as told, records what reaches it and paints itself red.
class WindowProbe final : public CView {
 public:
  explicit WindowProbe(const ViewRect& size) : CView(size) {}
  CMouseEventResult mouseDown(ViewPoint& where, const ButtonState& buttons) override {
    presses.push_back(buttons);
    lastPoint = where;
    return nextAnswer();
  }
  CMouseEventResult mouseUp(ViewPoint&, const ButtonState&) override {
    ++releases;
    return nextAnswer();
  }
  CMouseEventResult mouseMoved(ViewPoint& where, const ButtonState&) override {
    ++moves;
    lastPoint = where;
    return nextAnswer();
  }
  CMouseEventResult mouseExited(ViewPoint&, const ButtonState&) override {
    ++exits;
    return kMouseEventHandled;
  }
  bool mouseWheel(const ViewPoint& where, float distance, const ButtonState&) override {
    wheels.push_back(distance);
    lastPoint = where;
    return true;
  }
  void draw(CDrawContext* context) override {
    ++draws;
    context->setFillColor({255, 0, 0, 255});
    context->drawRectangle(getViewSize(), kDrawFilled);
  }

  // With cycling set, the view answers 0, 1 and 2 in turn.
  bool cycling = false;
  std::vector<ButtonState> presses;
  std::vector<float> wheels;
  ViewPoint lastPoint;
  int releases = 0, moves = 0, exits = 0, draws = 0;

 private:
  CMouseEventResult nextAnswer() {
    if (!cycling) return kMouseEventHandled;
    answer_ = (answer_ + 1) % 3;
    return static_cast<CMouseEventResult>(answer_);
  }
  int answer_ = 2;
};

class FrameWindow : public ::testing::Test {
 protected:
  FrameWindow() : frame(new CFrame({0, 0, 200, 150}, host.handle(), nullptr)), probe(new WindowProbe({0, 0, 200, 150})) {
    frame->addView(probe);
    PumpWaitingMessages();
  }
  ~FrameWindow() override {
    if (frame) frame->forget();
  }

  HWND window() const { return frame->getWindow(); }
  LRESULT send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageW(window(), message, wParam, lParam);
  }
  // The frame window's pixel as painted, read back from its device context.
  COLORREF shown(int x, int y) {
    HDC const context = GetDC(window());
    const COLORREF pixel = GetPixel(context, x, y);
    ReleaseDC(window(), context);
    return pixel;
  }

  HostWindow host{100, 100, 400, 300};
  CFrame* frame;
  WindowProbe* probe;
};

TEST_F(FrameWindow, IsAChildOfTheHostsWindowOfTheFramesSize) {
  ASSERT_TRUE(IsWindow(window()));
  EXPECT_EQ(GetParent(window()), host.handle());
  EXPECT_EQ(frame->getParentWindow(), host.handle());
  RECT client{};
  GetClientRect(window(), &client);
  EXPECT_EQ(client.right, 200);
  EXPECT_EQ(client.bottom, 150);
  wchar_t className[64];
  GetClassNameW(window(), className, 64);
  wchar_t expected[64];
  wsprintfW(expected, L"Plugin%p", static_cast<void*>(ToolkitModule()));
  EXPECT_STREQ(className, expected);
  EXPECT_TRUE(GetClassLongW(window(), GCL_STYLE) & CS_DBLCLKS);
}

TEST_F(FrameWindow, PressMoveAndReleaseReachTheViewWithTheirButtons) {
  send(WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(20, 30));
  ASSERT_EQ(probe->presses.size(), 1u);
  EXPECT_EQ(probe->presses[0], kLButton | kShift);
  EXPECT_EQ(probe->lastPoint, (ViewPoint{20, 30}));
  EXPECT_EQ(GetCapture(), window()) << "a handled press captures the mouse";
  send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-5, 300));
  EXPECT_EQ(probe->moves, 1);
  EXPECT_EQ(probe->lastPoint, (ViewPoint{-5, 300}));  // signed, outside the window
  send(WM_LBUTTONUP, 0, MAKELPARAM(-5, 300));
  EXPECT_EQ(probe->releases, 1);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(FrameWindow, OnlyTheSecondClickOfADoubleClickIsMarked) {
  const struct {
    UINT message;
    WPARAM keys;
    ButtonState expected;
  } cases[] = {{WM_LBUTTONDOWN, MK_LBUTTON, kLButton},
               {WM_LBUTTONDBLCLK, MK_LBUTTON, kLButton | kDoubleClick},
               {WM_RBUTTONDOWN, MK_RBUTTON | MK_CONTROL, kRButton | kControl},
               {WM_RBUTTONDBLCLK, MK_RBUTTON, kRButton | kDoubleClick},
               {WM_MBUTTONDOWN, MK_MBUTTON, kMButton},
               {WM_XBUTTONDBLCLK, MK_XBUTTON2, kButton5 | kDoubleClick}};
  for (const auto& c : cases) {
    probe->presses.clear();
    send(c.message, c.keys, MAKELPARAM(10, 10));
    ASSERT_EQ(probe->presses.size(), 1u);
    EXPECT_EQ(probe->presses[0], c.expected) << "message " << c.message;
  }
}

TEST_F(FrameWindow, EveryReleaseGivesUpTheCapture) {
  probe->cycling = true;  // the release is answered "not handled"
  SetCapture(window());
  send(WM_RBUTTONUP, 0, MAKELPARAM(10, 10));
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(FrameWindow, WheelCountsWholeNotchesAtTheClientPoint) {
  RECT placed{};
  GetWindowRect(window(), &placed);
  const struct {
    short delta;
    float notches;
  } cases[] = {{60, 0.0f}, {120, 1.0f}, {-240, -2.0f}, {-119, 0.0f}, {360, 3.0f}};
  for (const auto& c : cases) {
    probe->wheels.clear();
    send(WM_MOUSEWHEEL, MAKEWPARAM(0, c.delta), MAKELPARAM(placed.left + 30, placed.top + 40));
    ASSERT_EQ(probe->wheels.size(), 1u) << c.delta;
    EXPECT_EQ(probe->wheels[0], c.notches) << c.delta;
    EXPECT_EQ(probe->lastPoint, (ViewPoint{30, 40}));
  }
}

TEST_F(FrameWindow, WheelOnAMonitorLeftOfThePrimaryOneStillGivesClientCoordinates) {
  SetWindowPos(host.handle(), nullptr, -600, 50, 400, 300, SWP_NOZORDER | SWP_NOACTIVATE);
  RECT placed{};
  GetWindowRect(window(), &placed);
  ASSERT_LT(placed.left, 0);
  send(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), MAKELPARAM(placed.left + 25, placed.top + 35));
  ASSERT_EQ(probe->wheels.size(), 1u);
  EXPECT_EQ(probe->lastPoint, (ViewPoint{25, 35}));
}

TEST_F(FrameWindow, WheelIsIgnoredWhileAViewHoldsThePress) {
  send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 30));
  send(WM_MOUSEWHEEL, MAKEWPARAM(0, 120), MAKELPARAM(0, 0));
  EXPECT_TRUE(probe->wheels.empty());
  send(WM_LBUTTONUP, 0, MAKELPARAM(20, 30));
}

TEST_F(FrameWindow, LeavingTheWindowIsReportedAndTheNextMoveAsksAgain) {
  RECT placed{};
  GetWindowRect(window(), &placed);
  for (int round = 1; round <= 2; ++round) {
    // The system tracks the pointer only while it is over the window.
    SetCursorPos(placed.left + 50, placed.top + 50);
    send(WM_MOUSEMOVE, 0, MAKELPARAM(50, 50));
    ASSERT_EQ(frame->getViewUnderMouse(), probe);
    SetCursorPos(placed.right + 100, placed.bottom + 100);
    ASSERT_TRUE(PumpMessagesUntil([&] { return probe->exits == round; })) << "round " << round;
    EXPECT_EQ(frame->getViewUnderMouse(), nullptr);
  }
}

TEST_F(FrameWindow, RepaintRequestsBecomeOneDrawingPassOnPaintOnly) {
  PumpWaitingMessages();
  UpdateWindow(window());
  const int before = probe->draws;
  for (int i = 0; i < 50; ++i) frame->invalidateRect({0, 0, 200, 150});
  probe->setDirty(true);
  frame->idle();
  EXPECT_EQ(probe->draws, before) << "nothing is drawn outside WM_PAINT";
  UpdateWindow(window());
  EXPECT_EQ(probe->draws, before + 1);
  PumpWaitingMessages();
  EXPECT_EQ(probe->draws, before + 1);
  EXPECT_EQ(shown(100, 75), RGB(255, 0, 0));
}

TEST_F(FrameWindow, EraseBackgroundErasesNothing) {
  UpdateWindow(window());
  ASSERT_EQ(shown(10, 10), RGB(255, 0, 0));
  HDC const context = GetDC(window());
  EXPECT_EQ(send(WM_ERASEBKGND, reinterpret_cast<WPARAM>(context)), 1);
  ReleaseDC(window(), context);
  EXPECT_EQ(shown(10, 10), RGB(255, 0, 0));
}

TEST_F(FrameWindow, FramesShareOneClassThatGoesWithTheLast) {
  wchar_t className[64];
  GetClassNameW(window(), className, 64);
  auto* second = new CFrame({0, 0, 50, 50}, host.handle(), nullptr);
  wchar_t secondName[64];
  GetClassNameW(second->getWindow(), secondName, 64);
  EXPECT_STREQ(secondName, className);
  WNDCLASSW found;
  frame->forget();
  frame = nullptr;
  EXPECT_TRUE(GetClassInfoW(ToolkitModule(), className, &found));
  second->forget();
  EXPECT_FALSE(GetClassInfoW(ToolkitModule(), className, &found));
}

TEST_F(FrameWindow, AHostThatDestroysItsWindowFirstLeavesAFrameWithoutOne) {
  const HWND frameWindow = window();
  host.destroy();
  EXPECT_FALSE(IsWindow(frameWindow));
  EXPECT_FALSE(frame->isOpen());
  EXPECT_EQ(frame->getWindow(), nullptr);
  EXPECT_EQ(frame->getParentWindow(), nullptr);
  frame->idle();
  EXPECT_FALSE(frame->resizeFrame(300, 300));
  frame->forget();
  frame = nullptr;
  EXPECT_EQ(ThreadWindowCount(), 0);
  WNDCLASSW found;
  wchar_t className[64];
  wsprintfW(className, L"Plugin%p", static_cast<void*>(ToolkitModule()));
  EXPECT_FALSE(GetClassInfoW(ToolkitModule(), className, &found));
}

TEST_F(FrameWindow, ResizingSetsTheWindowAndTheViewSize) {
  // The host's window just holds the frame, as a host's editor window does.
  RECT outer{0, 0, 200, 150};
  AdjustWindowRect(&outer, WS_OVERLAPPEDWINDOW, FALSE);
  SetWindowPos(host.handle(), nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
               SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_FALSE(frame->resizeFrame(200, 150)) << "the same size";
  EXPECT_TRUE(frame->resizeFrame(260, 180));
  RECT client{};
  GetClientRect(window(), &client);
  EXPECT_EQ(client.right, 260);
  EXPECT_EQ(client.bottom, 180);
  EXPECT_EQ(frame->getViewSize(), (ViewRect{0, 0, 260, 180}));
  GetClientRect(host.handle(), &client);
  EXPECT_EQ(client.right, 260) << "the host's window grew with it";
  EXPECT_EQ(client.bottom, 180);
}

TEST_F(FrameWindow, TabMovesTheFocusToTheNextViewThatWantsIt) {
  auto* second = new WindowProbe({0, 0, 10, 10});
  frame->addView(second);
  probe->setWantsFocus(true);
  second->setWantsFocus(true);
  KeyCode tab{0, kVirtualKeyTab, 0};
  EXPECT_EQ(frame->keyDown(tab), 1);
  EXPECT_EQ(frame->getFocusView(), probe);
  EXPECT_EQ(frame->keyDown(tab), 1);
  EXPECT_EQ(frame->getFocusView(), second);
  EXPECT_EQ(frame->keyDown(tab), -1) << "no view after the last";
  KeyCode other{'a', 0, 0};
  EXPECT_EQ(frame->keyDown(other), -1);
}

TEST_F(FrameWindow, AModalViewTakesAllInput) {
  auto* modal = new WindowProbe({150, 100, 200, 150});
  frame->setModalView(modal);
  send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));  // outside the modal view
  EXPECT_TRUE(modal->presses.empty());
  EXPECT_TRUE(probe->presses.empty());
  send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(160, 110));
  EXPECT_EQ(modal->presses.size(), 1u);
  send(WM_LBUTTONUP, 0, MAKELPARAM(160, 110));
  frame->setModalView(nullptr);
  EXPECT_EQ(frame->getModalView(), nullptr);
}

TEST_F(FrameWindow, AStormOfMessagesLeavesNothingDangling) {
  probe->cycling = true;
  auto* second = new WindowProbe({50, 40, 120, 100});
  second->cycling = true;
  frame->addView(second);
  std::mt19937 random(20261209);
  std::uniform_int_distribution<int> coordinate(-300, 500);
  const UINT kinds[] = {WM_LBUTTONDOWN,   WM_RBUTTONDOWN, WM_MBUTTONDOWN, WM_XBUTTONDOWN, WM_LBUTTONDBLCLK,
                        WM_RBUTTONDBLCLK, WM_LBUTTONUP,   WM_RBUTTONUP,   WM_MBUTTONUP,   WM_XBUTTONUP,
                        WM_MOUSEMOVE,     WM_MOUSEWHEEL,  WM_MOUSELEAVE,  WM_PAINT,       WM_ERASEBKGND};
  std::uniform_int_distribution<std::size_t> kind(0, std::size(kinds) - 1);
  for (int i = 0; i < 10000; ++i) {
    const UINT message = kinds[kind(random)];
    const LPARAM where = MAKELPARAM(coordinate(random), coordinate(random));
    const WPARAM keys = message == WM_MOUSEWHEEL ? MAKEWPARAM(0, random()) : random() & 0x7F;
    if (message == WM_PAINT) InvalidateRect(window(), nullptr, FALSE);
    send(message, keys, where);
  }
  for (CView* held : {frame->getMouseDownView(), frame->getViewUnderMouse(), frame->getFocusView()}) {
    EXPECT_TRUE(held == nullptr || held == probe || held == second);
  }
  send(WM_LBUTTONUP, 0, 0);
  EXPECT_NE(GetCapture(), window());
  send(WM_DESTROY);
  EXPECT_FALSE(frame->isOpen());
}

}  // namespace
