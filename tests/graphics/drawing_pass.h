#pragma once

#include <gtest/gtest.h>

#include "tests/support/pixels.h"
#include "tests/support/script_plugin.h"
#include "vstgui/offscreen_context.h"

// A script with no sections of its own, for the drawing entry points.
class BareScript : public TZepkin {};

// A plug-in object with a drawing pass under way: a 100 x 100 transparent surface is
// the draw context it was lent.
class DrawingPass : public ::testing::Test {
 protected:
  DrawingPass() : surface(*new VSTGUI::COffscreenContext(nullptr, 100, 100, toolkit_test::kBlack)) {
    plugin()->activeDrawContext = &surface;
  }
  ~DrawingPass() override {
    plugin()->activeDrawContext = nullptr;
    surface.forget();
  }
  CDorn* plugin() const { return bare.plugin(); }
  toolkit_test::Argb at(int x, int y) { return toolkit_test::PixelAt(surface, x, y); }
  void endPass() { plugin()->activeDrawContext = nullptr; }

  ScriptPlugin bare{new BareScript(), MakeCallbackTable()};
  VSTGUI::COffscreenContext& surface;
};
