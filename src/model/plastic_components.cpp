#include "model/plastic_components.h"

namespace model {

namespace {

PlasticComponent Rect(float u0, float u1, float v0, float v1) {
  PlasticComponent c;
  c.U0 = u0;
  c.U1 = u1;
  c.V0 = v0;
  c.V1 = v1;
  return c;
}

PlasticComponent Round(float radius, bool hole) {
  PlasticComponent c;
  c.Circle = true;
  c.Radius = radius;
  c.Hole = hole;
  return c;
}

}  // namespace

int PlasticComponentsOf(const ElementRecord& e, PlasticComponent (&out)[MaxPlasticComponents]) {
  const float d = e.Depth, b = e.Width, tf = e.FlangeThickness, tw = e.WebThickness;
  const float webL = b / 2 - tw / 2, webR = tw / 2 + b / 2;
  const int16_t code = e.ShapeType;
  int n = 0;
  // Sloped-flange I-sections count as three rectangles like a parallel-flange I.
  if ((code < 6) || code == 18) {
    out[n++] = Rect(0, b, 0, tf);
    out[n++] = Rect(0, b, d - tf, d);
    out[n++] = Rect(webL, webR, tf, d - tf);
  } else if (code == 8) {
    out[n++] = Rect(0, b, 0, tf);
    out[n++] = Rect(0, tf, tf, d);
  } else if (code == 6 || code == 7) {
    out[n++] = Rect(0, b, 0, tf);
    out[n++] = Rect(0, b, d - tf, d);
    out[n++] = Rect(0, tw, tf, d - tf);
  } else if (code == 9 || code == 10) {
    out[n++] = Rect(0, b, 0, tf);
    out[n++] = Rect(webL, webR, tf, d);
  } else if (code == 15 || code == 16) {
    out[n++] = Rect(0, b, 0, tf);
    out[n++] = Rect(0, b, d - tf, d);
    out[n++] = Rect(b - tf, b, tf, d - tf);
    out[n++] = Rect(0, tf, tf, d - tf);
  } else if (code == 50) {
    out[n++] = Rect(0, b, 0, d);
  } else if (code == 51) {
    out[n++] = Round(d / 2, false);
  } else if (code == 17) {
    out[n++] = Round(d / 2, false);
    out[n++] = Round((d - (tf + tf)) / 2, true);
  }
  return n;
}

}  // namespace model
