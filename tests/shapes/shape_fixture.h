#pragma once
// A fresh section with one element for the outline tests, and an outline's segments as a
// plain list.

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>
#include <vector>

#include "model/globals.h"
#include "shapes/outline.h"
#include "ui/headless/headless_platform.h"
#include "windows/sheet.h"

namespace shapetest {

using Vertices = std::vector<std::pair<float, float>>;

// Each value is the single-precision number nearest to the decimal written.
inline Vertices Nearest(std::initializer_list<std::pair<double, double>> v) {
  Vertices out;
  for (auto [x, y] : v) out.push_back({static_cast<float>(x), static_cast<float>(y)});
  return out;
}

struct Segment {
  float x1, y1, x2, y2;
  friend bool operator==(const Segment&, const Segment&) = default;
};

// Every segment of an outline in order, and their first ends: the vertices in order.
struct Listing {
  std::vector<Segment> lines;
  shapetest::Vertices Vertices() const {
    shapetest::Vertices out;
    for (const Segment& s : lines) out.push_back({s.x1, s.y1});
    return out;
  }
};

inline Listing List(const shapes::Outline& o) {
  Listing l;
  for (int i = 0; i < o.Segments(); ++i) {
    const shapes::OutlineSegment s = o.Segment(i);
    l.lines.push_back({s.a.x, s.a.y, s.b.x, s.b.y});
  }
  return l;
}

class ShapeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    windows::ResetSheet();
    model::G = model::Globals{};
    model::G.ElementCount = 1;
  }
  // Element 1 with the given code and dimensions, unturned and unmirrored.
  model::ElementRecord& Element(int16_t code, float b, float d, float tf, float tw, float k, float k1 = 0, float ri = 0,
                                float ro = 0) {
    model::ElementRecord& e = model::G.Elements[1];
    e = model::ElementRecord{};
    e.ShapeType = code;
    e.Width = b, e.Depth = d, e.FlangeThickness = tf, e.WebThickness = tw, e.FilletDepthK = k;
    e.FilletWidthK1 = k1, e.InnerRadius = ri, e.OuterRadius = ro;
    e.MirrorSign = 1;
    return e;
  }
  // The outline the family gives element 1 at (X, Y).
  static Listing ListOf(shapes::Outline (*outline)(int32_t, int32_t, const model::ElementRecord&), int32_t X,
                        int32_t Y) {
    return List(outline(X, Y, model::G.Elements[1]));
  }
  ui::headless::ScopedHeadless headless_;
};

}  // namespace shapetest
