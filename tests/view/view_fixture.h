#pragma once
// A main window at the default view whose drawing area has 1200 x 1000 inner pixels, so
// one drawing unit is one pixel: x maps to column x, y to row 1000 - y.

#include <gtest/gtest.h>

#include "draw_support.h"
#include "model/globals.h"
#include "ui/headless/headless_platform.h"
#include "windows/sheet.h"

namespace view::testing {

class DefaultView : public ::testing::Test {
 protected:
  void SetUp() override {
    model::G = model::Globals{};
    windows::ResetSheet();
    model::G.ZoomScale = 1;
    model::G.GridSpacing = 100;
    model::G.ShowGrid = 1;
    model::G.ShowXY = 1;
    model::G.RotAxis = model::True;
    drawtest::DrawingArea(1200, 1000, 0, 1000, 1200, -1000);
  }
  ui::PictureBox& Base() { return windows::Sheet().Base; }
  ui::headless::ScopedHeadless headless_;
};

}  // namespace view::testing
