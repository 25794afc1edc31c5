#include "model/plate_bar_elements.h"

#include <cmath>
#include <string>

#include "model/element_rule.h"
#include "model/globals.h"
#include "model/new_element.h"
#include "model/number_text.h"
#include "model/rounding.h"

namespace model {

namespace {

// The fields of a new element, each value computed in double precision and stored as its
// field's type; one that the field cannot hold spoils the element.
class Fields {
 public:
  float Single(double value) {
    fits_ = fits_ && FitsSingle(value);
    return static_cast<float>(value);
  }
  int16_t Whole(double value) {
    fits_ = fits_ && FitsInt16(value);
    return RoundToInt16(value);
  }
  // The window asks for positive sizes, as they are stored: 1e-46 is 0 as a single.
  float Size(double value) {
    const float size = Single(value);
    fits_ = fits_ && size > 0;
    return size;
  }
  bool Fit() const { return fits_; }

 private:
  bool fits_ = true;
};

// The plate's own torsion constant from its stored single-precision sides: the thinner
// one is the thickness t, the other the breadth b.
double PlateTorsion(float width, float depth) {
  const double w = width, d = depth;
  const double t = w <= d ? w : d;
  const double b = w <= d ? d : w;
  const double r = t / b;
  return std::pow(t, 3) * b * (0.053 * std::pow(r, 2) + (1 - 0.63 * r)) / 3;
}

std::optional<ElementRecord> IfHeld(const Fields& fields, const ElementRecord& e) {
  if (!fields.Fit() || !ElementCanBeHeld(e)) return std::nullopt;
  return e;
}

}  // namespace

std::optional<ElementRecord> BuildPlate(double W, double T, double degrees, std::string_view widthText,
                                        std::string_view heightText) {
  const double root12 = std::pow(12.0, 0.5);
  Fields f;
  ElementRecord e{};
  e.NameSI = "PL" + NumberText(W) + "x" + NumberText(T);
  e.ShapeType = 50;
  e.Depth = f.Size(T);
  e.Width = f.Size(W);
  e.FlangeThickness = e.Depth;
  e.WebThickness = e.Width;
  const bool wider = widthText > heightText;
  e.InnerRadius = f.Single((wider ? T : W) / root12);
  e.OuterRadius = f.Single((wider ? W : T) / root12);
  e.Ratio1 = f.Single(W / T);
  e.Ratio2 = f.Single(T / W);
  e.NominalSizeSI = f.Whole(T);
  const double mass = W * T * 7850 / 1000000;
  e.MassSI = f.Single(mass);
  e.ElemArea = f.Single(W * T);
  e.ElemIx = f.Single(W * std::pow(T, 3) / 12);
  e.ElemSx = f.Single(W * std::pow(T, 2) / 6);
  e.ElemRx = f.Single(T / root12);
  e.ElemZx = f.Single(W * std::pow(T, 2) / 4);
  e.ElemIy = f.Single(std::pow(W, 3) * T / 12);
  e.ElemSy = f.Single(std::pow(W, 2) * T / 6);
  e.ElemRy = f.Single(W / root12);
  e.ElemZy = f.Single(std::pow(W, 2) * T / 4);
  e.ElemJ = f.Single(PlateTorsion(e.Width, e.Depth));
  e.NameImp = "PL" + NumberText(W / 25.4) + "x" + NumberText(T / 25.4);
  e.NominalSizeImp = f.Whole(T / 25.4);
  // From the mass in double precision, like every other value taken from the sizes;
  // dividing the stored single can land one step off.
  e.MassImp = f.Single(mass / 1.484);
  e.CentroidX = e.Width / 2;
  e.CentroidY = e.Depth / 2;
  e.Angle = degrees * Pi / 180;
  e.MirrorSign = 1;
  e.Selected = False;
  return IfHeld(f, e);
}

std::optional<ElementRecord> BuildBar(double D) {
  Fields f;
  ElementRecord e{};
  e.NameSI = "BAR" + NumberText(D);
  e.ShapeType = 51;
  e.Depth = e.Width = e.FlangeThickness = e.WebThickness = f.Size(D);
  e.InnerRadius = e.OuterRadius = f.Single(D / 4);
  e.Ratio1 = e.Ratio2 = 1.0f;
  e.NominalSizeSI = f.Whole(D);
  const double mass = std::pow(D, 2) * 24661.5023025 / 4000000;
  e.MassSI = f.Single(mass);
  e.ElemArea = f.Single(Pi * std::pow(D, 2) / 4);
  e.ElemIx = e.ElemIy = f.Single(Pi * std::pow(D, 4) / 64);
  e.ElemSx = e.ElemSy = f.Single(Pi * std::pow(D, 3) / 32);
  e.ElemZx = e.ElemZy = e.ElemSx;
  e.ElemRx = e.ElemRy = f.Single(D / 4);
  e.ElemJ = f.Single(std::pow(static_cast<double>(e.Depth) / 2, 4) * 1.570796325);
  e.NameImp = "BAR" + NumberText(D / 25.4);
  e.NominalSizeImp = f.Whole(D / 25.4);
  e.MassImp = f.Single(mass / 1.484);  // from the double mass, as for the plate
  e.CentroidX = e.CentroidY = e.Depth / 2;
  e.Angle = 0;
  e.MirrorSign = 1;
  e.Selected = False;
  return IfHeld(f, e);
}

}  // namespace model
