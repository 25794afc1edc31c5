#pragma once
// A main window at the default view (one drawing unit a pixel) with its handlers wired,
// on the headless platform, and small helpers for the editing tests.

#include <gtest/gtest.h>

#include <array>

#include "app/wiring.h"
#include "model/globals.h"
#include "ui/form.h"
#include "view/view_fixture.h"
#include "windows/sheet.h"

namespace editor::testing {

using Section = std::array<model::ElementRecord, model::MaxElements + 1>;

class EditorTest : public view::testing::DefaultView {
 protected:
  void SetUp() override {
    DefaultView::SetUp();
    // Open, so that keys reach it, and back at the 1200 x 1000 pixel area.
    ui::ShowModeless(sheet());
    drawtest::DrawingArea(1200, 1000, 0, 1000, 1200, -1000);
    app::WireMainWindow();
    sheet().Base.SetFocus();
  }
  windows::SheetForm& sheet() { return windows::Sheet(); }
  ui::headless::HeadlessPlatform& platform() { return headless_.platform; }
  ui::ToolbarButton& button(int index) { return sheet().tbToolBar.Button(index); }
};

// Records 1 to 50 of two sections are equal, field for field.
inline ::testing::AssertionResult SameRecords(const Section& a, const Section& b) {
  for (int i = 1; i <= model::MaxElements; ++i)
    if (!(a[i] == b[i])) return ::testing::AssertionFailure() << "record " << i << " differs";
  return ::testing::AssertionSuccess();
}

}  // namespace editor::testing
