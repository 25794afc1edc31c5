#pragma once
// Sections for the property tests: elements built as the builders and shape rows would
// leave them, and a fixture with a fresh main window and millimetre display.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "model/globals.h"
#include "ui/headless/headless_platform.h"
#include "windows/sheet.h"

namespace model::testing {

constexpr double Deg = 3.14159265 / 180;

// A plate W wide and D deep, its own properties from the rectangle.
inline ElementRecord Plate(float W, float D, int32_t x, int32_t y, double angle = 0, int16_t mirror = 1) {
  ElementRecord e;
  e.ShapeType = 50;
  e.Width = e.WebThickness = W;
  e.Depth = e.FlangeThickness = D;
  e.ElemArea = W * D;
  e.ElemIx = W * D * D * D / 12;
  e.ElemIy = D * W * W * W / 12;
  e.CentroidX = W / 2;
  e.CentroidY = D / 2;
  e.PosX = x;
  e.PosY = y;
  e.Angle = angle;
  e.MirrorSign = mirror;
  return e;
}

// A solid round bar of diameter D.
inline ElementRecord Bar(float D, int32_t x, int32_t y, double angle = 0) {
  ElementRecord e;
  e.ShapeType = 51;
  e.Depth = e.Width = e.FlangeThickness = e.WebThickness = D;
  const double r = D / 2.0;
  e.ElemArea = static_cast<float>(3.14159265 * r * r);
  e.ElemIx = e.ElemIy = static_cast<float>(3.14159265 * r * r * r * r / 4);
  e.CentroidX = e.CentroidY = D / 2;
  e.PosX = x;
  e.PosY = y;
  e.Angle = angle;
  e.MirrorSign = 1;
  return e;
}

// The angle 100 (along u) by 150 (along v), legs 10 thick, with the properties of its
// two rectangles (no fillets): A 2400, centroid (23.75, 48.75), Ix0 5576250,
// Iy0 2026250, own product -1968750.
inline ElementRecord Angle100x150(int32_t x, int32_t y, double angle = 0, int16_t mirror = 1) {
  ElementRecord e;
  e.ShapeType = 8;
  e.Width = 100;
  e.Depth = 150;
  e.FlangeThickness = e.WebThickness = 10;
  e.ElemArea = 2400;
  e.ElemIx = 5576250;
  e.ElemIy = 2026250;
  e.CentroidX = 23.75f;
  e.CentroidY = 48.75f;
  e.PosX = x;
  e.PosY = y;
  e.Angle = angle;
  e.MirrorSign = mirror;
  return e;
}

// A standard shape by its code and dimensions, own properties left 0.
inline ElementRecord Shape(int16_t code, float d, float b, float tf, float tw, int32_t x = 0, int32_t y = 0) {
  ElementRecord e;
  e.ShapeType = code;
  e.Depth = d;
  e.Width = b;
  e.FlangeThickness = tf;
  e.WebThickness = tw;
  e.PosX = x;
  e.PosY = y;
  e.MirrorSign = 1;
  return e;
}

class SectionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    G = Globals{};
    windows::ResetSheet();
    G.UnitStatus = True;
    G.RotAxis = True;
    G.SIPrec = 2;
    G.ImpPrec = 3;
  }

  void Add(const ElementRecord& e) { G.Elements[++G.ElementCount] = e; }

  ui::headless::ScopedHeadless h;
};

// A label's text as a number (the exponent suffix ignored).
inline double LabelValue(const ui::Label& l) { return std::stod(l.Caption); }

}  // namespace model::testing
