#include <gtest/gtest.h>

#include <windowsx.h>

#include "editor/aeff_gui_editor.h"
#include "editor/dorn_view.h"
#include "platform/pacing_clock.h"
#include "runtime/graphics_services.h"
#include "tests/editor/editor_fixture.h"

namespace {

class Editor : public ::testing::Test {
 protected:
  ~Editor() override { UsePacingClock(nullptr); }

  HWND frameWindow() const { return FrameWindowIn(host.handle()); }
  LRESULT send(UINT message, WPARAM wParam, LPARAM lParam) {
    return SendMessageW(frameWindow(), message, wParam, lParam);
  }

  HostWindow host;
  EditedPlugin edited;
};

TEST(EditorServices, NoEditorExistsUntilOneIsCreatedAndThenOnlyOne) {
  EditedPlugin plain(true, false);
  std::int32_t width = -1;
  std::int32_t height = -1;
  EXPECT_EQ(GfxGetSize(plain.plugin(), &width, &height), 0);
  EXPECT_EQ(width, -1);
  EXPECT_FALSE(plain.instance().hasFlag(effFlagsHasEditor));
  ERect* rect = nullptr;
  EXPECT_EQ(plain.instance().dispatch(effEditGetRect, 0, 0, &rect), 0);
  EXPECT_EQ(GfxRedraw(plain.plugin()), 0);

  EXPECT_EQ(GfxCreateEditor(plain.plugin(), 320, 240), 1);
  EXPECT_TRUE(plain.instance().hasFlag(effFlagsHasEditor));
  AEffEditor* const first = plain.plugin()->getEditor();
  EXPECT_EQ(GfxCreateEditor(plain.plugin(), 100, 100), 0);
  EXPECT_EQ(plain.plugin()->getEditor(), first);
  EXPECT_EQ(GfxGetSize(plain.plugin(), &width, &height), 1);
  EXPECT_EQ(width, 320);
  EXPECT_EQ(height, 240);
  ASSERT_EQ(plain.instance().dispatch(effEditGetRect, 0, 0, &rect), 1);
  EXPECT_EQ(rect->top, 0);
  EXPECT_EQ(rect->left, 0);
  EXPECT_EQ(rect->bottom, 240);
  EXPECT_EQ(rect->right, 320);
  EXPECT_EQ(GfxRedraw(plain.plugin()), 0) << "no view before the editor opens";
}

TEST_F(Editor, OpensAFrameInTheHostsWindowOnlyOnce) {
  EXPECT_EQ(edited.open(nullptr), 0) << "no window, nothing opened";
  const int windows = ThreadWindowCount();
  EXPECT_EQ(edited.open(host.handle()), 1);
  ASSERT_NE(frameWindow(), nullptr);
  EXPECT_EQ(ThreadWindowCount(), windows + 1);
  EXPECT_EQ(edited.open(host.handle()), 1);
  EXPECT_EQ(ThreadWindowCount(), windows + 1) << "no second frame";
  edited.instance().dispatch(effEditClose);
  EXPECT_EQ(ThreadWindowCount(), windows);
}

TEST_F(Editor, PaintingLendsTheContextToTheDrawingEntryForExactlyThePass) {
  edited.open(host.handle());
  UpdateWindow(frameWindow());
  ASSERT_EQ(entryCalls.draws.size(), 1u);
  EXPECT_EQ(entryCalls.draws[0].width, 200.0);
  EXPECT_EQ(entryCalls.draws[0].height, 150.0);
  EXPECT_TRUE(entryCalls.draws[0].contextLent);
  EXPECT_EQ(edited.plugin()->activeDrawContext, nullptr);
  for (int i = 0; i < 20; ++i) EXPECT_EQ(GfxRedraw(edited.plugin()), 1);
  EXPECT_EQ(entryCalls.draws.size(), 1u) << "nothing drawn outside WM_PAINT";
  PumpWaitingMessages();
  EXPECT_EQ(entryCalls.draws.size(), 2u) << "the requests made one pass";
}

TEST_F(Editor, MouseEventsReachTheirEntriesAsTheFrameSawThem) {
  edited.open(host.handle());
  send(WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, MAKELPARAM(12, 34));
  send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(300, -20));
  send(WM_LBUTTONUP, 0, MAKELPARAM(301, -21));
  ASSERT_EQ(entryCalls.downs.size(), 1u);
  EXPECT_EQ(entryCalls.downs[0].x, 12.0);
  EXPECT_EQ(entryCalls.downs[0].y, 34.0);
  EXPECT_EQ(entryCalls.downs[0].buttons, VSTGUI::kLButton | VSTGUI::kControl);
  ASSERT_EQ(entryCalls.moves.size(), 1u);
  EXPECT_EQ(entryCalls.moves[0].x, 300.0);
  EXPECT_EQ(entryCalls.moves[0].y, -20.0);
  ASSERT_EQ(entryCalls.ups.size(), 1u);
  EXPECT_EQ(entryCalls.ups[0].x, 301.0);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST(EditorWithoutPressEntry, APressIsStillHandled) {
  HostWindow host;
  EditedPlugin edited(false);
  edited.open(host.handle());
  SendMessageW(FrameWindowIn(host.handle()), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(GetCapture(), FrameWindowIn(host.handle())) << "taken as handled";
  SendMessageW(FrameWindowIn(host.handle()), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(6, 6));
  EXPECT_EQ(entryCalls.moves.size(), 1u);
  SendMessageW(FrameWindowIn(host.handle()), WM_LBUTTONUP, 0, MAKELPARAM(6, 6));
}

TEST_F(Editor, KeysFromTheHostReachTheKeyEntriesThroughTheFrame) {
  edited.open(host.handle());
  EXPECT_EQ(edited.instance().dispatch(effEditKeyDown, 'q', 7, nullptr, 3.0f), 0)
      << "no view has the focus: the frame handles no key";
  EXPECT_TRUE(entryCalls.keys.empty());
  auto& view = *new CDornView({0, 0, 10, 10}, edited.plugin());
  VSTGUI::KeyCode key{'q', 7, 3};
  EXPECT_EQ(view.keyDown(key), 1);
  EXPECT_EQ(view.keyUp(key), 1);
  ASSERT_EQ(entryCalls.keys.size(), 2u);
  EXPECT_EQ(entryCalls.keys[0].character, 'q');
  EXPECT_EQ(entryCalls.keys[0].modifier, 3);
  EXPECT_EQ(entryCalls.keys[0].virtualKey, 7);
  view.forget();
  EXPECT_EQ(edited.instance().dispatch(effSetEditKnobMode, 0, 2), 1);
  auto* editor = dynamic_cast<AEffGUIEditor*>(edited.plugin()->getEditor());
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->getKnobMode(), 2);
}

// A pacing clock that moves only when a test moves it, or pauses on it.
std::uint32_t fakeNow = 0;
std::uint32_t FakeMilliseconds() { return fakeNow; }
void FakePause(std::uint32_t milliseconds) { fakeNow += milliseconds; }
const PacingClock kFakeClock{FakeMilliseconds, FakePause};

TEST_F(Editor, IdleRedrawsAtTheScriptsRefreshRateOnly) {
  edited.open(host.handle());
  UpdateWindow(frameWindow());
  UsePacingClock(&kFakeClock);
  fakeNow = 100000;
  edited.instance().dispatch(effEditIdle);  // the first redraw starts the pacing
  UpdateWindow(frameWindow());
  const std::size_t passes = entryCalls.draws.size();
  // Idle every 10 ms at 30 Hz: more than 33.3 ms must pass, so every fourth idle redraws.
  std::vector<int> redrawnAt;
  for (int call = 1; call <= 12; ++call) {
    fakeNow += 10;
    edited.instance().dispatch(effEditIdle);
    const std::size_t before = entryCalls.draws.size();
    UpdateWindow(frameWindow());
    if (entryCalls.draws.size() > before) redrawnAt.push_back(call);
  }
  EXPECT_EQ(redrawnAt, (std::vector<int>{4, 8, 12}));
  EXPECT_EQ(entryCalls.draws.size(), passes + 3);
  EXPECT_EQ(entryCalls.idles, 13);
}

TEST_F(Editor, AfterCloseIdleReachesNoScript) {
  edited.open(host.handle());
  edited.instance().dispatch(effEditIdle);
  EXPECT_EQ(entryCalls.idles, 1);
  edited.instance().dispatch(effEditClose);
  edited.instance().dispatch(effEditIdle);
  EXPECT_EQ(entryCalls.idles, 1);
  EXPECT_EQ(GfxRedraw(edited.plugin()), 0);
}

TEST_F(Editor, IdleWorkIdlesTheHostAtMostEveryHundredMilliseconds) {
  UsePacingClock(&kFakeClock);
  fakeNow = 5000;
  EditedPlugin paced;  // its editor starts on the fake clock
  auto* editor = dynamic_cast<AEffGUIEditor*>(paced.plugin()->getEditor());
  ASSERT_NE(editor, nullptr);
  paced.open(host.handle());
  paced.host.clearCalls();
  editor->doIdleStuff();
  EXPECT_EQ(paced.host.countOf(audioMasterIdle), 1u);
  editor->doIdleStuff();  // within 100 ms: a pause of 4 ms, still 96 short, no idle
  EXPECT_EQ(fakeNow, 5004u);
  EXPECT_EQ(paced.host.countOf(audioMasterIdle), 1u);
  fakeNow += 50;  // 46 short: within the slack, so it pauses and idles
  editor->doIdleStuff();
  EXPECT_EQ(paced.host.countOf(audioMasterIdle), 2u);
  paced.instance().dispatch(effEditClose);
}

TEST_F(Editor, AHostThatDestroysItsWindowBeforeClosingLosesNothing) {
  edited.open(host.handle());
  host.destroy();
  EXPECT_EQ(ThreadWindowCount(), 0);
  edited.instance().dispatch(effEditIdle);
  edited.instance().dispatch(effEditClose);
  EXPECT_EQ(ThreadWindowCount(), 0);
  HostWindow another;
  EXPECT_EQ(edited.open(another.handle()), 1) << "a new window opens a new frame";
  EXPECT_NE(FrameWindowIn(another.handle()), nullptr);
}

}  // namespace
