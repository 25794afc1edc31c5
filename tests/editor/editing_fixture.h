#pragma once
// The drawing area as an editor: the default view (one millimetre a pixel, x to column x,
// y to row 1000 - y), millimetres shown, quick help on, the overlap guard on, no snaps,
// no grid; pointer gestures in drawing units.

#include <cstdint>

#include "editor/modes.h"
#include "editor/pointer.h"
#include "editor_fixture.h"
#include "model/new_element.h"
#include "model/section_fixture.h"
#include "view/redraw.h"

namespace editor::testing {

class EditingTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    model::G.UnitStatus = model::True;
    model::G.ShowHelp = model::True;
    model::G.OLapStatus = 1;
    model::G.OSnapStatus = 0;
    model::G.SnapGrid = 0;
    model::G.ShowGrid = 0;
    model::G.RotateSnap = 1;
    sheet().Caption = "Quorvane - (Unmodified)";
  }

  // Appends an element that is already in the section.
  int Add(const model::ElementRecord& e) {
    const int n = model::G.ElementCount + 1;
    model::G.Elements[static_cast<size_t>(n)] = e;
    model::G.ElementCount = static_cast<int16_t>(n);
    return n;
  }
  int AddSelected(model::ElementRecord e) {
    e.Selected = model::True;
    return Add(e);
  }
  // Hands a new element to the placing mode, as the builders do.
  void StartPlacing(model::ElementRecord e) { model::StartPlacing(e); }

  void Move(float x, float y) { Base_MouseMove(0, 0, x, y); }
  void Click(float x, float y) { Base_MouseDown(1, 0, x, y); }

  int32_t Pixel(int x, int y) { return Base().PixelAt(x, 1000 - y); }
  const model::ElementRecord& E(int i) { return model::G.Elements[static_cast<size_t>(i)]; }
};

using model::testing::Plate;

// A round bar of diameter D with its insertion point at (x, y).
inline model::ElementRecord Bar(float D, int32_t x, int32_t y) {
  model::ElementRecord e;
  e.ShapeType = 51;
  e.Width = e.Depth = e.FlangeThickness = e.WebThickness = D;
  e.PosX = x;
  e.PosY = y;
  e.MirrorSign = 1;
  return e;
}

}  // namespace editor::testing
