#pragma once

#include "runtime/zepkin.h"

// A script of the tests' own whose drawing section uses every drawing entry point:
// shapes in the three styles, arcs, lines, pixels, text in two fonts and three
// alignments, and a picture drawn plain and at half opacity. What it draws where is
// listed in showcase_script.cpp for the checks to read.
class ShowcaseScript final : public TZepkin {
 public:
  static constexpr int kWidth = 300;
  static constexpr int kHeight = 200;

  void DoGfx() override;
};
