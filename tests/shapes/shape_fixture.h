#pragma once
// A fresh section with one element for the outline tests.

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>
#include <vector>

#include "model/globals.h"
#include "model/sheet.h"
#include "ui/headless/headless_platform.h"

namespace shapetest {

using Vertices = std::vector<std::pair<float, float>>;

// Each value is the single-precision number nearest to the decimal written.
inline Vertices Nearest(std::initializer_list<std::pair<double, double>> v) {
  Vertices out;
  for (auto [x, y] : v) out.push_back({static_cast<float>(x), static_cast<float>(y)});
  return out;
}

class ShapeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    model::ResetSheet();
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
  ui::headless::ScopedHeadless headless_;
};

}  // namespace shapetest
