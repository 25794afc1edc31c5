#include "model/plastic_components.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace model {

namespace {

constexpr double PiExact = 3.14159265358979323846;
// The flange slope of the sloped-flange series.
constexpr double OneInSix = 1.0 / 6;

// The signed area of the polygon (u[k], v[k]), k < n: positive counter-clockwise.
double ShoelaceArea(const double* u, const double* v, int n) {
  double a = 0;
  for (int k = 0; k < n; ++k) {
    const int j = k + 1 < n ? k + 1 : 0;
    a += u[k] * v[j] - u[j] * v[k];
  }
  return a / 2;
}

// A plain polygon of sharp corners, and the radius with which each corner is rounded.
struct SharpPolygon {
  static constexpr int Max = 12;
  double u[Max] = {}, v[Max] = {}, radius[Max] = {};
  int n = 0;
  int Add(double pu, double pv) {
    u[n] = pu;
    v[n] = pv;
    return n++;
  }
  double Area() const { return ShoelaceArea(u, v, n); }
};

// The corner at vertex k: unit vectors along its two sides, away from the corner, the
// cosine of the angle between them, and the lengths of the two sides.
struct Corner {
  double au, av, bu, bv, cosine, lenA, lenB;
};

Corner CornerAt(const SharpPolygon& p, int k) {
  const int a = k > 0 ? k - 1 : p.n - 1, b = k + 1 < p.n ? k + 1 : 0;
  Corner c;
  const double du = p.u[a] - p.u[k], dv = p.v[a] - p.v[k], eu = p.u[b] - p.u[k], ev = p.v[b] - p.v[k];
  c.lenA = std::sqrt(du * du + dv * dv);
  c.lenB = std::sqrt(eu * eu + ev * ev);
  c.au = c.lenA > 0 ? du / c.lenA : 0;
  c.av = c.lenA > 0 ? dv / c.lenA : 0;
  c.bu = c.lenB > 0 ? eu / c.lenB : 0;
  c.bv = c.lenB > 0 ? ev / c.lenB : 0;
  c.cosine = std::clamp(c.au * c.bu + c.av * c.bv, -1.0, 1.0);
  return c;
}

// The area that rounding a corner with radius 1 takes off (or, at a re-entrant corner,
// fills in): the corner's kite of two tangent lengths cot(theta/2) less the sector of
// pi - theta between them.
double RoundingAreaPerRadiusSquared(const Corner& c) {
  if (c.cosine == 0) return 1 - PiExact / 4;
  if (c.cosine <= -1 || c.cosine >= 1) return 0;
  const double theta = std::acos(c.cosine);
  return std::sqrt((1 + c.cosine) / (1 - c.cosine)) - (PiExact - theta) / 2;
}

// The chord points of an arc through `ArcChords` equal steps, as multiples of the arc's
// first radius vector a and the one at right angles to it, towards its end. The inner
// points lie a little outside the circle, so that the polygon has the area of the true
// arc: the fan of chords from the centre covers the sector exactly.
struct ArcSteps {
  double along[ArcChords + 1], across[ArcChords + 1];
};

ArcSteps StepsFor(double sweepCosine) {
  // The cosine of the step, by halving the sweep (at most pi) again and again.
  double c = sweepCosine;
  for (int k = 0; k < ArcHalvings; ++k) c = std::sqrt((1 + c) / 2);
  const double s = std::sqrt(std::max(0.0, 1 - c * c));
  const double step = std::asin(std::min(1.0, s));
  const int n = ArcChords;
  // Inner radius factor f: (n - 2) f^2 + 2 f = n step / sin(step).
  const double ratio = s > 0 ? step / s : 1;
  const double f = (-1 + std::sqrt(1 + (n - 2) * n * ratio)) / (n - 2);
  ArcSteps a;
  double cj = 1, sj = 0;
  for (int j = 0; j <= n; ++j) {
    const double scale = (j == 0 || j == n) ? 1 : f;
    a.along[j] = cj * scale;
    a.across[j] = sj * scale;
    const double next = cj * c - sj * s;
    sj = sj * c + cj * s;
    cj = next;
  }
  // The last point is the tangent point itself, whatever the rounding of the steps.
  a.along[n] = sweepCosine;
  a.across[n] = std::sqrt(std::max(0.0, 1 - sweepCosine * sweepCosine));
  return a;
}

const ArcSteps& QuarterSteps() {
  static const ArcSteps steps = StepsFor(0);
  return steps;
}

// Appends the polygon with each corner of positive radius replaced by its arc, tangent to
// both sides. A radius whose tangent points would pass the end of a side (or the middle
// of one that is rounded at both ends) is cut back to fit.
void AppendRounded(const SharpPolygon& p, bool hole, bool convex, PlasticOutline& out) {
  PlasticComponent& c = out.Parts[out.PartCount++];
  c = PlasticComponent{};
  c.Hole = hole;
  c.Convex = convex;
  c.First = out.VertexCount;
  for (int k = 0; k < p.n; ++k) {
    double r = p.radius[k];
    const Corner q = r > 0 ? CornerAt(p, k) : Corner{};
    if (r <= 0 || q.cosine <= -1 || q.cosine >= 1 || q.lenA <= 0 || q.lenB <= 0) {
      out.U[out.VertexCount] = p.u[k];
      out.V[out.VertexCount] = p.v[k];
      ++out.VertexCount;
      continue;
    }
    const int a = k > 0 ? k - 1 : p.n - 1, b = k + 1 < p.n ? k + 1 : 0;
    const double cot = std::sqrt((1 + q.cosine) / (1 - q.cosine));  // cot(theta/2)
    const double room = std::min(q.lenA * (p.radius[a] > 0 ? 0.5 : 1), q.lenB * (p.radius[b] > 0 ? 0.5 : 1));
    double t = r * cot;
    if (t > room) {
      t = room;
      r = t / cot;
    }
    // Centre on the bisector, r / sin(theta/2) from the corner.
    double mu = q.au + q.bu, mv = q.av + q.bv;
    const double m = std::sqrt(mu * mu + mv * mv);
    mu /= m;
    mv /= m;
    const double toCentre = r / std::sqrt((1 - q.cosine) / 2);
    const double cu = p.u[k] + mu * toCentre, cv = p.v[k] + mv * toCentre;
    // From the tangent point on the side towards the previous vertex to the one on the
    // side towards the next, sweeping pi - theta.
    const double ru = p.u[k] + q.au * t - cu, rv = p.v[k] + q.av * t - cv;
    const double eu = p.u[k] + q.bu * t - cu, ev = p.v[k] + q.bv * t - cv;
    const double turn = ru * ev - rv * eu >= 0 ? 1 : -1;
    const double pu = -rv * turn, pv = ru * turn;  // a at right angles, towards the end
    const ArcSteps s = q.cosine == 0 ? QuarterSteps() : StepsFor(-q.cosine);
    for (int j = 0; j <= ArcChords; ++j) {
      out.U[out.VertexCount] = cu + ru * s.along[j] + pu * s.across[j];
      out.V[out.VertexCount] = cv + rv * s.along[j] + pv * s.across[j];
      ++out.VertexCount;
    }
  }
  c.Count = out.VertexCount - c.First;
}

void AppendSolid(const SharpPolygon& p, PlasticOutline& out) { AppendRounded(p, false, false, out); }

// Rounds every corner listed with one radius, chosen so that the outline has the area
// the record tabulates: what the plain outline lacks is its root fillets. The record's
// own fillet dimensions (detailing values, larger than the fillets the tabulated
// properties rest on) bound it: the fillet never reaches past k along the web nor past
// k1 from the web's centre line along the flange.
void FilletsByArea(SharpPolygon& p, const int* corners, int count, double area, double alongWeb, double alongFlange) {
  const double missing = area - p.Area();
  if (!(area > 0) || !(missing > 0)) return;
  double perRadiusSquared = 0;
  for (int i = 0; i < count; ++i) perRadiusSquared += RoundingAreaPerRadiusSquared(CornerAt(p, corners[i]));
  if (!(perRadiusSquared > 0)) return;
  double r = std::sqrt(missing / perRadiusSquared);
  const Corner q = CornerAt(p, corners[0]);
  const double cot = q.cosine > -1 && q.cosine < 1 ? std::sqrt((1 + q.cosine) / (1 - q.cosine)) : 0;
  if (cot > 0) {
    if (alongWeb > 0) r = std::min(r, alongWeb / cot);
    if (alongFlange > 0) r = std::min(r, alongFlange / cot);
  }
  for (int i = 0; i < count; ++i) p.radius[corners[i]] = r;
}

// Flange thickness at the web face and at the tip, for an outstand of length L with the
// mean thickness tf at its middle. A slope that would leave the tip with no thickness is
// flattened until the tip just closes.
void TaperedFlange(double tf, double L, double slope, double& atWeb, double& atTip) {
  double s = slope;
  if (L > 0 && s * L / 2 > tf) s = 2 * tf / L;
  atWeb = tf + s * L / 2;
  atTip = tf - s * L / 2;
}

// I-section: flanges over the full width, the web centred, four root fillets.
void ISection(const ElementRecord& e, PlasticOutline& out) {
  const double d = e.Depth, b = e.Width, tf = e.FlangeThickness, tw = e.WebThickness;
  const double c = b / 2, h = tw / 2, w = c + h, wl = c - h;
  double atWeb, atTip;
  TaperedFlange(tf, b - w, FlangeSlopeOf(e), atWeb, atTip);
  SharpPolygon p;
  p.Add(0, 0);
  p.Add(b, 0);
  p.Add(b, atTip);
  const int f1 = p.Add(w, atWeb);
  const int f2 = p.Add(w, d - atWeb);
  p.Add(b, d - atTip);
  p.Add(b, d);
  p.Add(0, d);
  p.Add(0, d - atTip);
  const int f3 = p.Add(wl, d - atWeb);
  const int f4 = p.Add(wl, atWeb);
  p.Add(0, atTip);
  const int corners[] = {f1, f2, f3, f4};
  FilletsByArea(p, corners, 4, e.ElemArea, e.FilletDepthK - atWeb, e.FilletWidthK1 - h);
  AppendSolid(p, out);
}

// Channel: the back of the web on u = 0, both flanges reaching towards +u.
void ChannelSection(const ElementRecord& e, PlasticOutline& out) {
  const double d = e.Depth, b = e.Width, tf = e.FlangeThickness, tw = e.WebThickness;
  double atWeb, atTip;
  TaperedFlange(tf, b - tw, FlangeSlopeOf(e), atWeb, atTip);
  SharpPolygon p;
  p.Add(0, 0);
  p.Add(b, 0);
  p.Add(b, atTip);
  const int f1 = p.Add(tw, atWeb);
  const int f2 = p.Add(tw, d - atWeb);
  p.Add(b, d - atTip);
  p.Add(b, d);
  p.Add(0, d);
  const int corners[] = {f1, f2};
  FilletsByArea(p, corners, 2, e.ElemArea, e.FilletDepthK - atWeb, 0);
  AppendSolid(p, out);
}

// Tee: the flange's outer face on v = 0, the stem rising to v = d on the centre line.
void TeeSection(const ElementRecord& e, PlasticOutline& out) {
  const double d = e.Depth, b = e.Width, tf = e.FlangeThickness, tw = e.WebThickness;
  const double c = b / 2, h = tw / 2, w = c + h, wl = c - h;
  double atWeb, atTip;
  TaperedFlange(tf, b - w, FlangeSlopeOf(e), atWeb, atTip);
  SharpPolygon p;
  p.Add(0, 0);
  p.Add(b, 0);
  p.Add(b, atTip);
  const int f1 = p.Add(w, atWeb);
  p.Add(w, d);
  p.Add(wl, d);
  const int f2 = p.Add(wl, atWeb);
  p.Add(0, atTip);
  const int corners[] = {f1, f2};
  FilletsByArea(p, corners, 2, e.ElemArea, e.FilletDepthK - atWeb, e.FilletWidthK1 - h);
  AppendSolid(p, out);
}

// Angle: the heel at the insertion point, one leg along u, one along v. Its k is the
// design value: the root fillet has the radius k - t. The rounded toes of the legs are
// not tabulated; they take off what the outline has beyond the record's area, each at
// most a quarter round of the leg's thickness.
void AngleSection(const ElementRecord& e, PlasticOutline& out) {
  const double d = e.Depth, b = e.Width, t = e.FlangeThickness;
  SharpPolygon p;
  p.Add(0, 0);
  p.Add(b, 0);
  const int toe1 = p.Add(b, t);
  const int root = p.Add(t, t);
  const int toe2 = p.Add(t, d);
  p.Add(0, d);
  const double fillet = e.FilletDepthK - t;
  if (fillet > 0) p.radius[root] = fillet;
  const double plain = p.Area() + (fillet > 0 ? RoundingAreaPerRadiusSquared(CornerAt(p, root)) * fillet * fillet : 0);
  const double excess = plain - e.ElemArea;
  if (e.ElemArea > 0 && excess > 0 && t > 0) {
    const double toe = std::min(t, std::sqrt(excess / (2 * (1 - PiExact / 4))));
    p.radius[toe1] = p.radius[toe2] = toe;
  }
  AppendSolid(p, out);
}

// Rectangular hollow section: the outer face with its OuterRadius, the bore with its
// InnerRadius, each radius at most half the shorter side of its box.
void HollowRectangle(const ElementRecord& e, PlasticOutline& out) {
  const double d = e.Depth, b = e.Width, t = e.FlangeThickness;
  auto box = [](double u0, double v0, double u1, double v1, double radius) {
    SharpPolygon p;
    p.Add(u0, v0);
    p.Add(u1, v0);
    p.Add(u1, v1);
    p.Add(u0, v1);
    const double r = std::min(std::max(0.0, radius), std::min(u1 - u0, v1 - v0) / 2);
    for (int k = 0; k < 4; ++k) p.radius[k] = r;
    return p;
  };
  AppendRounded(box(0, 0, b, d, e.OuterRadius), false, true, out);
  if (t > 0 && b - 2 * t > 0 && d - 2 * t > 0) AppendRounded(box(t, t, b - t, d - t, e.InnerRadius), true, true, out);
}

void PlateSection(const ElementRecord& e, PlasticOutline& out) {
  SharpPolygon p;
  p.Add(0, 0);
  p.Add(e.Width, 0);
  p.Add(e.Width, e.Depth);
  p.Add(0, e.Depth);
  AppendRounded(p, false, true, out);
}

void RoundSection(float radius, bool hole, PlasticOutline& out) {
  PlasticComponent& c = out.Parts[out.PartCount++];
  c = PlasticComponent{};
  c.Circle = true;
  c.Radius = radius;
  c.Hole = hole;
}

bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

}  // namespace

double ChannelFlangeSlope(const ElementRecord& e) {
  // A channel written before its rows carried a slope holds 0 there and keeps the
  // 1 in 6 it was taken at.
  const double slope = e.InnerRadius;
  return std::isfinite(slope) && slope > 0 ? slope : OneInSix;
}

double FlangeSlopeOf(const ElementRecord& e) {
  switch (KindOf(e.ShapeType)) {
    case ShapeKind::SlopedFlangeI:
      return OneInSix;
    case ShapeKind::Channel:
      return ChannelFlangeSlope(e);
    case ShapeKind::Tee:
      // Tees cut from sloped-flange I-sections keep their slope; the record tells them
      // by their designation only.
      return StartsWith(e.NameSI.view(), "ST") || StartsWith(e.NameImp.view(), "ST") ? OneInSix : 0;
    default:
      return 0;
  }
}

double PolygonArea(const PlasticOutline& o, const PlasticComponent& c) {
  return ShoelaceArea(o.U + c.First, o.V + c.First, c.Count);
}

void PlasticOutlineOf(const ElementRecord& e, PlasticOutline& out) {
  out.PartCount = 0;
  out.VertexCount = 0;
  switch (KindOf(e.ShapeType)) {
    case ShapeKind::ParallelFlangeI:
    case ShapeKind::SlopedFlangeI:
      ISection(e, out);
      break;
    case ShapeKind::Angle:
      AngleSection(e, out);
      break;
    case ShapeKind::Channel:
      ChannelSection(e, out);
      break;
    case ShapeKind::Tee:
      TeeSection(e, out);
      break;
    case ShapeKind::RectangularHSS:
      HollowRectangle(e, out);
      break;
    case ShapeKind::Plate:
      PlateSection(e, out);
      break;
    case ShapeKind::Bar:
      RoundSection(e.Depth / 2, false, out);
      break;
    case ShapeKind::CircularHSS:
      RoundSection(e.Depth / 2, false, out);
      RoundSection((e.Depth - (e.FlangeThickness + e.FlangeThickness)) / 2, true, out);
      break;
    case ShapeKind::None:
      break;
  }
}

}  // namespace model
