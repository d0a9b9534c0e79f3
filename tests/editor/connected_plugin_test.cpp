#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <vector>

#include "tests/support/fader_chunk.h"
#include "tests/support/host_window.h"
#include "tests/support/test_host.h"
#include "tools/vst_host/plugin_library.h"

namespace {

// The connected-editor build, loaded as a host loads it: only the entry point and the
// effect record. Its third parameter is the fader's background colour.
constexpr VstInt32 kBackgroundParameter = 2;
constexpr double kBackgroundRange = 16777215.0;

class ConnectedPlugin : public ::testing::Test {
 protected:
  ConnectedPlugin() : library(ExecutableDirectory() + QUORVANTILE_CONNECTED_PLUGIN_FILE_NAME) {}

  void SetUp() override {
    ASSERT_TRUE(library.loaded()) << library.loadError();
    instance.emplace(host.create(library.entryPoint("VSTPluginMain")));
    instance->start();
  }
  void setBackground(double packed) {
    instance->setParameter(kBackgroundParameter, static_cast<float>(packed / kBackgroundRange));
  }
  HWND frameWindow() const { return FindWindowExW(window.handle(), nullptr, nullptr, nullptr); }
  // One drawing pass now.
  void paint() {
    InvalidateRect(frameWindow(), nullptr, FALSE);
    UpdateWindow(frameWindow());
  }
  COLORREF shown(int x, int y) {
    HDC const context = GetDC(frameWindow());
    const COLORREF pixel = GetPixel(context, x, y);
    ReleaseDC(frameWindow(), context);
    return pixel;
  }

  PluginLibrary library;
  TestHost host;
  std::optional<PluginInstance> instance;
  HostWindow window{100, 100, 500, 300};
};

TEST_F(ConnectedPlugin, ReportsItsEditorOfFourHundredByTwoHundred) {
  EXPECT_TRUE(instance->hasFlag(effFlagsHasEditor));
  ERect* rect = nullptr;
  ASSERT_EQ(instance->dispatch(effEditGetRect, 0, 0, &rect), 1);
  EXPECT_EQ(rect->right - rect->left, 400);
  EXPECT_EQ(rect->bottom - rect->top, 200);
  EXPECT_EQ(instance->text(effGetParamName, kBackgroundParameter), "background colour");
}

TEST_F(ConnectedPlugin, TheFadersBackgroundColourPaintsTheWholeView) {
  setBackground(255);  // red in the low byte
  ASSERT_EQ(instance->dispatch(effEditOpen, 0, 0, window.handle()), 1);
  paint();
  for (const auto& [x, y] : {std::pair{0, 0}, {399, 0}, {0, 199}, {399, 199}, {200, 100}}) {
    EXPECT_EQ(shown(x, y), RGB(255, 0, 0)) << x << "," << y;
  }
  setBackground(0);
  paint();
  EXPECT_EQ(shown(200, 100), RGB(0, 0, 0)) << "the frame's own background shows";
  instance->dispatch(effEditClose);
}

// Hosts restore a chunk plug-in's state as a chunk, not through its parameters.
TEST_F(ConnectedPlugin, ARestoredChunkBringsItsBackgroundColourToTheView) {
  std::vector<unsigned char> chunk = FaderChunk(1.0f, 7.5f);
  const float red = 255.0f;
  std::memcpy(chunk.data() + 3 * sizeof(float), &red, sizeof red);  // slider 3
  instance->restore(chunk);
  ASSERT_EQ(instance->dispatch(effEditOpen, 0, 0, window.handle()), 1);
  paint();
  EXPECT_EQ(shown(200, 100), RGB(255, 0, 0));
  instance->dispatch(effEditClose);
}

TEST_F(ConnectedPlugin, IdleRedrawsAndTheMouseReachesTheScript) {
  ASSERT_EQ(instance->dispatch(effEditOpen, 0, 0, window.handle()), 1);
  paint();
  setBackground(0x00FF00);
  // The fader asks for 30 redraws a second: idle until one came and was painted.
  EXPECT_TRUE(PumpMessagesUntil([&] {
    instance->dispatch(effEditIdle);
    return shown(10, 10) == RGB(0, 255, 0);
  }));
  SendMessageW(frameWindow(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(frameWindow(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(GetCapture(), nullptr);
  instance->dispatch(effEditClose);
}

}  // namespace
