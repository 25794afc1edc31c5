// What an element may hold: every number finite, and the box its outline lies in with an
// area and second moments that single precision holds. Nothing else is refused.

#include "model/element_rule.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "model/section_fixture.h"

namespace model {
namespace {

using testing::Plate;

// The element of `code`, W wide and D deep, its own properties 0 (the fixture's plate forms
// them in single precision, where a large one overflows).
ElementRecord Shape(int16_t code, float W, float D, float t, float tw) { return testing::Shape(code, D, W, t, tw); }

TEST(ElementRule, HoldsWhatCanBeCalculatedAndRefusesWhatOverflowsOrIsNotFinite) {
  const float inf = std::numeric_limits<float>::infinity();
  struct Case {
    const char* what;
    ElementRecord e;
    std::function<void(ElementRecord&)> change;
    bool held;
  };
  const auto same = [](ElementRecord&) {};
  // 1E+12 is 999999995904 as a single, whose cube is 9.99999987712E+35: times 4080 / 12 it
  // is 3.3999999E+38, just below the largest single (3.4028235E+38); times 4090 / 12 it is
  // 3.4083333E+38, beyond it.
  const Case cases[] = {
      {"a 200 x 12 plate", Plate(200, 12, 0, 0), same, true},
      {"a plate of depth 0", Plate(300, 0, 0, 0), same, true},
      {"a plate of depth -10", Plate(300, -10, 0, 0), same, true},
      {"a plate of width 0 and depth 1E+30", Shape(50, 0, 1e30f, 0, 0), same, true},  // every moment 0
      {"a plate 4080 x 1E+12", Shape(50, 4080, 1e12f, 0, 0), same, true},
      {"a plate 4090 x 1E+12", Shape(50, 4090, 1e12f, 0, 0), same, false},
      {"a plate 1E+12 x 4080", Shape(50, 1e12f, 4080, 0, 0), same, true},
      {"a plate 1E+12 x 4090", Shape(50, 1e12f, 4090, 0, 0), same, false},
      {"a plate -4090 x -1E+12", Shape(50, -4090, -1e12f, 0, 0), same, false},
      // Nothing of a plate reads its thickness fields.
      {"a plate with thickness fields of 1E+30", Plate(200, 12, 0, 0),
       [](ElementRecord& e) { e.FlangeThickness = e.WebThickness = 1e30f; }, true},
      // A bar's box is its diameter squared: (1E+10)^4 / 12 = 8.3E+38.
      {"a bar 5E+9 across", Shape(51, 5e9f, 5e9f, 5e9f, 5e9f), same, true},
      {"a bar 1E+10 across", Shape(51, 1e10f, 1e10f, 1e10f, 1e10f), same, false},
      // The circle lies at (W/2, D/2); the box from the insertion point that holds it is
      // D by D while |W| <= D. At D = 7.9E+9 (7900000256 as a single) D^4 / 12 is
      // 3.2458E+38, held; at 8E+9 it is 3.4133E+38, refused, for W = D, W = 0 (a box of
      // D/2 by D would hold 8E+9: 1.7E+38) and W = -D alike.
      {"a bar 7.9E+9 across", Shape(51, 7.9e9f, 7.9e9f, 0, 0), same, true},
      {"a bar 8E+9 across", Shape(51, 8e9f, 8e9f, 0, 0), same, false},
      {"a bar 7.9E+9 across of width 0", Shape(51, 0, 7.9e9f, 0, 0), same, true},
      {"a bar 8E+9 across of width 0", Shape(51, 0, 8e9f, 0, 0), same, false},
      {"a bar 7.9E+9 across of width -7.9E+9", Shape(51, -7.9e9f, 7.9e9f, 0, 0), same, true},
      {"a bar 8E+9 across of width 4E+9", Shape(51, 4e9f, 8e9f, 0, 0), same, false},
      // A 20 mm bar W wide: the box is (|W| + 20) / 2 by 20, and its Iy b^3 x 20 / 12 fits a
      // single up to b = (3.4028235E+38 x 12 / 20)^(1/3) = 5.8884E+12, W = 1.17768E+13.
      // W = 1.17E+13: b = 5.85E+12, b^3 x 20 / 12 = 3.3367E+38, held; W = 1.18E+13:
      // b = 5.9E+12, 3.4230E+38, refused. Its other moments stay far below: b x 8000 / 12.
      {"a 20 mm bar 20 wide", Shape(51, 20, 20, 20, 20), same, true},
      {"a 20 mm bar 1.17E+13 wide", Shape(51, 1.17e13f, 20, 20, 20), same, true},
      {"a 20 mm bar 1.18E+13 wide", Shape(51, 1.18e13f, 20, 20, 20), same, false},
      {"a 20 mm bar -1.17E+13 wide", Shape(51, -1.17e13f, 20, 20, 20), same, true},
      {"a 20 mm bar -1.18E+13 wide", Shape(51, -1.18e13f, 20, 20, 20), same, false},
      {"a 20 mm bar 1E+30 wide", Shape(51, 1e30f, 20, 20, 20), same, false},
      // A round tube is the same circle.
      {"a 168 mm tube 168 wide", Shape(17, 168, 168, 7, 7), same, true},
      {"a 168 mm tube 1E+30 wide", Shape(17, 1e30f, 168, 7, 7), same, false},
      {"an I-section 47,900 mm wide", Shape(1, 47900, 307, 15.4f, 9.91f), same, true},
      // The web, 1E+12 wide in a 300 mm box, sets the box's width.
      {"an I-section with a web 1E+12 thick", Shape(1, 300, 4090, 15, 1e12f), same, false},
      // An angle's legs are t thick across and along.
      {"an angle with legs 1E+12 thick", Shape(8, 100, 100, 1e12f, 0), same, false},
      {"an angle 100 x 100 x 10", Shape(8, 100, 100, 10, 0), same, true},
      {"a fillet 1E+12 from the flange face", Shape(1, 4090, 300, 15, 10),
       [](ElementRecord& e) { e.FilletDepthK = 1e12f; }, false},
      {"a code that draws nothing", Shape(33, 47900, 47900, 0, 0), same, true},
      {"a negative code", Shape(-4, 47900, 300, 15, 10), same, true},
      {"a mirror sign of 0", Plate(200, 12, 0, 0), [](ElementRecord& e) { e.MirrorSign = 0; }, true},
      {"an angle of 1E+300 radians", Plate(200, 12, 0, 0), [](ElementRecord& e) { e.Angle = 1e300; }, true},
      {"an infinite angle", Plate(200, 12, 0, 0),
       [](ElementRecord& e) { e.Angle = std::numeric_limits<double>::infinity(); }, false},
      {"an infinite spare value", Plate(200, 12, 0, 0), [inf](ElementRecord& e) { e.Spare3 = inf; }, false},
      {"a non-number Ix", Plate(200, 12, 0, 0),
       [](ElementRecord& e) { e.ElemIx = std::numeric_limits<float>::quiet_NaN(); }, false},
  };
  for (const Case& c : cases) {
    ElementRecord e = c.e;
    c.change(e);
    EXPECT_EQ(ElementCanBeHeld(e), c.held) << c.what;
  }
}

}  // namespace
}  // namespace model
