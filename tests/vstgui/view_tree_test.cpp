#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/support/pixels.h"
#include "vstgui/frame.h"
#include "vstgui/offscreen_context.h"

namespace {

using namespace VSTGUI;
using namespace toolkit_test;

// A frame without a window that records what would be repainted.
class RecordingFrame final : public CFrame {
 public:
  RecordingFrame() : CFrame({0, 0, 200, 200}, nullptr, nullptr) {}
  void invalidateRect(const ViewRect& rect) override { invalidated.push_back(rect); }
  std::vector<ViewRect> invalidated;
};

// A view that answers the mouse as told and counts what reaches it.
class ProbeView final : public CView {
 public:
  explicit ProbeView(const ViewRect& size, CMouseEventResult pressAnswer = kMouseEventHandled)
      : CView(size), pressAnswer_(pressAnswer) {}
  CMouseEventResult mouseDown(ViewPoint&, const ButtonState&) override {
    ++presses;
    return pressAnswer_;
  }
  CMouseEventResult mouseMoved(ViewPoint& where, const ButtonState&) override {
    moves.push_back(where);
    return moveAnswer;
  }
  CMouseEventResult mouseUp(ViewPoint&, const ButtonState&) override {
    ++releases;
    return kMouseEventHandled;
  }
  CMouseEventResult mouseEntered(ViewPoint&, const ButtonState&) override {
    ++entered;
    return kMouseEventHandled;
  }
  CMouseEventResult mouseExited(ViewPoint&, const ButtonState&) override {
    ++exited;
    return kMouseEventHandled;
  }
  void mouse(CDrawContext*, ViewPoint&, const ButtonState&) override { ++olderHandlerCalls; }
  // Paints its area red.
  void draw(CDrawContext* context) override {
    context->setFillColor(kRed);
    context->drawRectangle(getViewSize(), kDrawFilled);
    setDirty(false);
  }

  int presses = 0, releases = 0, entered = 0, exited = 0, olderHandlerCalls = 0;
  std::vector<ViewPoint> moves;
  CMouseEventResult moveAnswer = kMouseEventHandled;

 private:
  CMouseEventResult pressAnswer_;
};

class NotedContainer final : public CViewContainer {
 public:
  NotedContainer(const ViewRect& size, CFrame* frame) : CViewContainer(size, frame) {}
  CMessageResult notify(CBaseObject* sender, const char* message) override {
    messages.push_back(message);
    return CViewContainer::notify(sender, message);
  }
  std::vector<const char*> messages;
};

class ViewTree : public ::testing::Test {
 protected:
  ViewTree() : frame(new RecordingFrame()) {}
  ~ViewTree() override { frame->forget(); }

  // The creation reference goes with the view into the tree, as the editor's does: the
  // tree's removal releases it with the list's own.
  template <class View>
  View* add(View* view, CViewContainer* parent = nullptr) {
    (parent ? parent : frame)->addView(view);
    frame->invalidated.clear();
    return view;
  }
  CMouseEventResult press(double x, double y) {
    ViewPoint where{x, y};
    return frame->mouseDown(where, kLButton);
  }
  CMouseEventResult move(double x, double y) {
    ViewPoint where{x, y};
    return frame->mouseMoved(where, kLButton);
  }
  CMouseEventResult release(double x, double y) {
    ViewPoint where{x, y};
    return frame->mouseUp(where, 0);
  }

  RecordingFrame* frame;
};

TEST_F(ViewTree, PressOnTheRightOrBottomEdgeHitsTheView) {
  ProbeView* view = add(new ProbeView({10, 10, 50, 50}));
  EXPECT_EQ(press(50, 50), kMouseEventHandled);
  EXPECT_EQ(press(10, 30), kMouseEventHandled);
  EXPECT_EQ(press(50.5, 30), kMouseEventNotHandled);
  EXPECT_EQ(view->presses, 2);
}

TEST_F(ViewTree, TheChildAddedLastReceivesThePress) {
  ProbeView* below = add(new ProbeView({0, 0, 100, 100}));
  ProbeView* above = add(new ProbeView({50, 50, 150, 150}));
  press(75, 75);
  EXPECT_EQ(above->presses, 1);
  EXPECT_EQ(below->presses, 0);
  press(25, 25);
  EXPECT_EQ(below->presses, 1);
}

TEST_F(ViewTree, InvisibleOrMouseDisabledViewsAreSkipped) {
  ProbeView* below = add(new ProbeView({0, 0, 100, 100}));
  ProbeView* above = add(new ProbeView({0, 0, 100, 100}));
  above->setVisible(false);
  press(5, 5);
  above->setVisible(true);
  above->setMouseEnabled(false);
  press(5, 5);
  EXPECT_EQ(below->presses, 2);
  EXPECT_EQ(above->presses, 0);
}

TEST_F(ViewTree, AViewThatTookThePressGetsEveryMoveAndTheRelease) {
  ProbeView* view = add(new ProbeView({10, 10, 50, 50}));
  press(20, 20);
  EXPECT_EQ(move(120, 130), kMouseEventHandled);  // far outside, still the view's
  ASSERT_EQ(view->moves.size(), 1u);
  EXPECT_EQ(view->moves[0], (ViewPoint{120, 130}));
  EXPECT_EQ(release(120, 130), kMouseEventHandled);
  EXPECT_EQ(view->releases, 1);
  EXPECT_EQ(frame->getMouseDownView(), nullptr);
}

TEST_F(ViewTree, AMoveAnsweredOtherwiseEndsTheViewsHoldOnTheMouse) {
  ProbeView* view = add(new ProbeView({10, 10, 50, 50}));
  press(20, 20);
  view->moveAnswer = kMouseEventNotHandled;
  move(150, 150);
  EXPECT_EQ(frame->getMouseDownView(), nullptr);
  EXPECT_EQ(release(150, 150), kMouseEventNotHandled);
  EXPECT_EQ(view->releases, 0);
}

TEST_F(ViewTree, AViewWithoutAPressHandlerGetsTheOlderMouseHandler) {
  ProbeView* view = add(new ProbeView({10, 10, 50, 50}, kMouseEventNotImplemented));
  EXPECT_EQ(press(20, 20), kMouseEventNotImplemented);
  EXPECT_EQ(view->olderHandlerCalls, 1);
  EXPECT_EQ(frame->getMouseDownView(), nullptr);
}

TEST_F(ViewTree, PointerEnteringAndLeavingViewsIsReported) {
  ProbeView* left = add(new ProbeView({0, 0, 50, 50}));
  ProbeView* right = add(new ProbeView({60, 0, 110, 50}));
  move(10, 10);
  move(20, 20);
  move(70, 10);
  EXPECT_EQ(left->entered, 1);
  EXPECT_EQ(left->moves.size(), 1u);  // the second move over the same view
  EXPECT_EQ(left->exited, 1);
  EXPECT_EQ(right->entered, 1);
  EXPECT_EQ(frame->getViewUnderMouse(), right);
  ViewPoint outside{300, 300};
  frame->mouseExited(outside, 0);
  EXPECT_EQ(right->exited, 1);
  EXPECT_EQ(frame->getViewUnderMouse(), nullptr);
}

TEST_F(ViewTree, ADirtyChildOfACleanContainerIsRepaintedAlone) {
  auto* container = add(new CViewContainer({20, 20, 120, 120}, frame));
  ProbeView* child = add(new ProbeView({10, 10, 30, 30}), container);
  frame->idle();
  EXPECT_TRUE(frame->invalidated.empty());
  child->setDirty(true);
  EXPECT_TRUE(container->isDirty());
  frame->idle();
  ASSERT_EQ(frame->invalidated.size(), 1u);
  EXPECT_EQ(frame->invalidated[0], (ViewRect{30, 30, 50, 50}));  // in frame coordinates
  EXPECT_FALSE(child->isDirty());
}

TEST_F(ViewTree, ADirtyContainerIsRepaintedWhole) {
  auto* container = add(new CViewContainer({20, 20, 120, 120}, frame));
  add(new ProbeView({10, 10, 30, 30}), container)->setDirty(true);
  container->setDirty(true);
  frame->idle();
  ASSERT_EQ(frame->invalidated.size(), 1u);
  EXPECT_EQ(frame->invalidated[0], (ViewRect{20, 20, 120, 120}));
}

TEST_F(ViewTree, RepaintRequestsAreBoundedByTheirContainer) {
  auto* container = add(new CViewContainer({20, 20, 120, 120}, frame));
  ProbeView* child = add(new ProbeView({90, 90, 150, 150}), container);
  child->invalidate();
  child->invalidateRect({200, 200, 210, 210});  // wholly outside: no request at all
  ASSERT_EQ(frame->invalidated.size(), 1u);
  EXPECT_EQ(frame->invalidated[0], (ViewRect{110, 110, 120, 120}));
}

TEST_F(ViewTree, RemovingTheViewUnderTheMouseOrInFocusForgetsIt) {
  ProbeView* view = add(new ProbeView({10, 10, 50, 50}));
  move(20, 20);
  frame->changeFocusView(view);
  ASSERT_EQ(frame->getViewUnderMouse(), view);
  ASSERT_EQ(frame->getFocusView(), view);
  frame->removeView(view, false);
  EXPECT_EQ(frame->getViewUnderMouse(), nullptr);
  EXPECT_EQ(frame->getFocusView(), nullptr);
  EXPECT_FALSE(view->isAttached());
  EXPECT_EQ(view->getNbReference(), 1);
  view->forget();
}

TEST_F(ViewTree, RemovingAContainerForgetsTheViewsInsideIt) {
  auto* container = add(new CViewContainer({20, 20, 120, 120}, frame));
  ProbeView* inner = add(new ProbeView({10, 10, 30, 30}), container);
  move(35, 35);
  frame->changeFocusView(inner);
  ASSERT_EQ(frame->getViewUnderMouse(), inner);
  frame->removeView(container);
  EXPECT_EQ(frame->getViewUnderMouse(), nullptr);
  EXPECT_EQ(frame->getFocusView(), nullptr);
}

TEST_F(ViewTree, AddingIsRefusedForNoViewOrAnAttachedOne) {
  ProbeView* view = add(new ProbeView({0, 0, 10, 10}));
  auto* container = add(new CViewContainer({20, 20, 120, 120}, frame));
  EXPECT_FALSE(container->addView(view));
  EXPECT_FALSE(container->addView(nullptr));
  EXPECT_FALSE(container->removeView(view));
  EXPECT_EQ(container->getNbViews(), 0);
  EXPECT_EQ(frame->getNbViews(), 2);
  EXPECT_EQ(frame->getView(0), view);
  EXPECT_EQ(frame->getView(2), nullptr);
}

TEST_F(ViewTree, ViewAtPointLooksIntoContainersOnlyWhenAskedTo) {
  auto* container = add(new CViewContainer({20, 20, 120, 120}, frame));
  ProbeView* inner = add(new ProbeView({10, 10, 30, 30}), container);
  EXPECT_EQ(frame->viewAtPoint({35, 35}, false), container);
  EXPECT_EQ(frame->viewAtPoint({35, 35}, true), inner);
  EXPECT_EQ(frame->viewAtPoint({5, 5}, true), nullptr);
}

TEST_F(ViewTree, TypeTestsNameTheClassAndItsBases) {
  const struct {
    CView* view;
    std::vector<std::string> types;
  } cases[] = {{add(new ProbeView({0, 0, 1, 1})), {"CView"}},
               {add(new CViewContainer({0, 0, 1, 1}, frame)), {"CView", "CViewContainer"}},
               {frame, {"CView", "CViewContainer", "CFrame"}}};
  for (const auto& c : cases) {
    for (const char* type : {"CView", "CViewContainer", "CFrame", "CControl"}) {
      const bool expected = std::find(c.types.begin(), c.types.end(), type) != c.types.end();
      EXPECT_EQ(c.view->isTypeOf(type), expected) << type;
    }
  }
}

TEST_F(ViewTree, FocusMessagesReachTheAncestorsAndAreKnownByAddressAlone) {
  auto* container = add(new NotedContainer({20, 20, 120, 120}, frame));
  ProbeView* first = add(new ProbeView({0, 0, 10, 10}), container);
  ProbeView* second = add(new ProbeView({20, 0, 30, 10}), container);
  first->setWantsFocus(true);
  second->setWantsFocus(true);
  frame->changeFocusView(first);
  frame->changeFocusView(second);
  ASSERT_EQ(container->messages.size(), 3u);
  EXPECT_EQ(container->messages[0], kMsgNewFocusView);
  EXPECT_EQ(container->messages[1], kMsgNewFocusView);
  EXPECT_EQ(container->messages[2], kMsgOldFocusView);
  EXPECT_EQ(container->notify(nullptr, kMsgCheckIfViewContainer), kMessageNotified);
  const std::string sameText = kMsgCheckIfViewContainer;
  EXPECT_EQ(container->notify(nullptr, sameText.c_str()), kMessageUnknown);
}

TEST_F(ViewTree, DrawingShowsChildrenInTheirContainersCoordinatesOverTheBackgrounds) {
  for (const bool offscreen : {false, true}) {
    auto* container = add(new CViewContainer({20, 20, 80, 80}, frame));
    container->setBackgroundColor(kBlue);
    container->useOffscreen(offscreen);
    add(new ProbeView({10, 10, 20, 20}), container);
    auto* surface = new COffscreenContext(frame, 100, 100, kBlack);
    frame->drawRect(surface, {0, 0, 100, 100});
    EXPECT_EQ(PixelAt(*surface, 5, 5), kOpaqueBlack) << "the frame's own background";
    EXPECT_EQ(PixelAt(*surface, 25, 25), kOpaqueBlue) << "the container's";
    EXPECT_EQ(PixelAt(*surface, 35, 35), kOpaqueRed) << "the child at (20, 20) + (10, 10)";
    EXPECT_EQ(PixelAt(*surface, 40, 40), kOpaqueBlue);
    EXPECT_EQ(surface->getDrawOffset(), (ViewPoint{0, 0}));
    EXPECT_EQ(surface->getClipRect(), (ViewRect{0, 0, 100, 100}));
    surface->forget();
    frame->removeView(container);
  }
}

TEST_F(ViewTree, DrawingStaysInsideTheUpdatedArea) {
  auto* container = add(new CViewContainer({20, 20, 80, 80}, frame));
  container->setBackgroundColor(kBlue);
  add(new ProbeView({10, 10, 20, 20}), container);
  auto* surface = new COffscreenContext(frame, 100, 100, kBlack);
  frame->drawRect(surface, {0, 0, 33, 33});
  EXPECT_EQ(InkBounds(*surface), (ViewRect{0, 0, 33, 33}));
  EXPECT_EQ(PixelAt(*surface, 32, 32), kOpaqueRed);
  surface->forget();
}

TEST_F(ViewTree, BackgroundPictureIsDrawnAtTheContainersOriginFromItsOffset) {
  auto* container = add(new CViewContainer({20, 20, 80, 80}, frame));
  auto* picture = new CBitmap(ResourceDescription(kPatternResource));
  container->setBackground(picture);
  picture->forget();
  container->setBackgroundOffset({5, 5});
  auto* surface = new COffscreenContext(frame, 100, 100, kBlack);
  frame->drawRect(surface, {0, 0, 100, 100});
  EXPECT_EQ(PixelAt(*surface, 20, 20), PatternPixel(5, 5));
  EXPECT_EQ(PixelAt(*surface, 50, 60), PatternPixel(35, 45));
  surface->forget();
}

TEST_F(ViewTree, DestroyingTheFrameReleasesEveryView) {
  const std::int32_t viewsBefore = LiveToolkitObjects(ToolkitObject::view);
  auto* container = add(new CViewContainer({20, 20, 80, 80}, frame));
  add(new ProbeView({10, 10, 20, 20}), container);
  add(new ProbeView({0, 0, 10, 10}));
  EXPECT_EQ(LiveToolkitObjects(ToolkitObject::view), viewsBefore + 3);
  frame->forget();
  frame = new RecordingFrame();
  EXPECT_EQ(LiveToolkitObjects(ToolkitObject::view), viewsBefore);
}

}  // namespace
