#include "model/torsion_warping.h"

#include <cmath>

#include "model/globals.h"
#include "model/guards.h"
#include "model/number_text.h"
#include "model/result_display.h"
#include "ui/platform.h"

namespace model {

namespace {

// Every named step of a case formula is held as a single.
float S(double v) { return static_cast<float>(v); }

// A picked plate's thickness (the smaller of Depth and Width) and length (the larger):
// the walls of the box cases, the flange and web of the warping cases.
void ThicknessAndLength(const ElementRecord& e, float& t, float& L) {
  if (e.Width > e.Depth) {
    L = e.Width;
    t = e.Depth;
  } else {
    L = e.Depth;
    t = e.Width;
  }
}

// Closed rectangular box: plate 1 (t1) runs between the two walls of plate 2 (t2).
double RectangularBoxJ() {
  float t1, L1, t2, L2;
  ThicknessAndLength(G.TorsionPicks[1], t1, L1);
  ThicknessAndLength(G.TorsionPicks[2], t2, L2);
  if (t1 == 0 || t2 == 0) return 0;
  const double numerator = (std::pow(static_cast<double>(t2) + L1, 2) * 2) * std::pow(static_cast<double>(L2) - t1, 2);
  const double denominator = (static_cast<double>(L2) - t1) / t2 + (static_cast<double>(t2) + L1) / t1;
  return denominator == 0 ? 0 : numerator / denominator;
}

double SquareBoxJ() {
  float t1, L1;
  ThicknessAndLength(G.TorsionPicks[1], t1, L1);
  return std::pow(static_cast<double>(L1) - t1, 3) * t1;
}

double CraneGirderCw() {
  const ElementRecord& p1 = G.WarpPicks[1];
  const ElementRecord& p2 = G.WarpPicks[2];
  const double W1 = p1.Width, T1 = p1.FlangeThickness, D1 = p1.Depth, Iy1 = p1.ElemIy;
  const double W2 = p2.Width, T2 = p2.FlangeThickness, D2 = p2.Depth, tw2 = p2.WebThickness, Ix2 = p2.ElemIx;
  const float I1 = S(std::pow(W1, 3) * T1 / 12 + Ix2);
  const float I2 = S(std::pow(W1, 3) * T1 / 12);
  const float It = S(Ix2 + Iy1);
  if (It == 0) return 0;
  const float a = S(I1 / static_cast<double>(It));
  if (a == 0) return 0;
  const float e = S(std::pow(W2, 2) * std::pow(D2, 2) * T2 / (a * 4.0 * It));
  const float h = S(D1 - T1 + tw2 / 2 + e);
  const float ah = S(static_cast<double>(a) * h);
  const float rest = S((1 - static_cast<double>(a)) * h);
  return std::pow(static_cast<double>(ah), 2) * I2 + std::pow(static_cast<double>(rest), 2) * I1;
}

double WideFlangeCw() {
  float tf, bf, tw, hw;
  ThicknessAndLength(G.WarpPicks[1], tf, bf);
  ThicknessAndLength(G.WarpPicks[2], tw, hw);
  const float Iyf =
      S(std::pow(static_cast<double>(bf), 3) * (2.0 * tf) / 12 + std::pow(static_cast<double>(tw), 3) * hw / 12);
  return std::pow(static_cast<double>(hw) + tf, 2) * (Iyf * 0.25);
}

double ZedCw() {
  float tf, bf, tw, hw;
  ThicknessAndLength(G.WarpPicks[1], tf, bf);
  ThicknessAndLength(G.WarpPicks[2], tw, hw);
  const float t = S((static_cast<double>(tf) + tw) / 2);
  const float b = S(bf - tw / 2.0);
  const float h = S(static_cast<double>(hw) + tf);
  const double divisor = 2.0 * b + h;
  if (divisor == 0) return 0;
  return std::pow(static_cast<double>(b), 3) * std::pow(static_cast<double>(h), 2) * t / 12 * (2.0 * h + b) / divisor;
}

// The channel case also tells the user its shear-centre distance e0.
double ChannelCw() {
  float tf, bf, tw, hw;
  ThicknessAndLength(G.WarpPicks[1], tf, bf);
  ThicknessAndLength(G.WarpPicks[2], tw, hw);
  const double A = 2.0 * bf * tf + static_cast<double>(hw) * tw;
  float e0 = 0;
  float Ix = 0;
  if (A != 0) {
    const float xbar =
        S((std::pow(static_cast<double>(bf), 2) * tf + std::pow(static_cast<double>(tw), 2) * hw * 0.5) / A - tw / 2.0);
    Ix = S(std::pow(static_cast<double>(hw), 3) * tw / 12 +
           2 * (std::pow(static_cast<double>(tf), 3) * bf / 12 + std::pow(hw / 2.0 + tf / 2.0, 2) * tf * bf));
    const double q = Ix / A;
    const float rx = q >= 0 ? S(std::pow(q, 0.5)) : 0.0f;
    if (rx != 0) e0 = FiniteSingle(std::pow((static_cast<double>(hw) + tf) / (2.0 * rx), 2) * xbar);
  }
  ui::MsgBox(PlainNumberText(e0));
  const float b = S(bf - tw * 0.5);
  return std::pow(static_cast<double>(hw) + tf, 2) * std::pow(static_cast<double>(b), 3) * tf / 6 -
         std::pow(static_cast<double>(e0), 2) * Ix;
}

}  // namespace

void ShowTorsionConstant() {
  float sum = 0;
  const int n = ElementsInUse();
  for (int i = 1; i <= n; ++i) sum = static_cast<float>(static_cast<double>(sum) + G.Elements[i].ElemJ);
  double J = sum;
  if (G.ManualJ == 1 && G.TorsionPickStep == 2) {
    J = RectangularBoxJ();
  } else if (G.ManualJ == 2 && G.TorsionPickStep == 1) {
    J = SquareBoxJ();
  }
  G.SecJ = FiniteSingle(J);
  ShowResult(ResultItem::J, G.SecJ);
}

void ShowWarpingConstant() {
  float sum = 0;
  const int n = ElementsInUse();
  for (int i = 1; i <= n; ++i) sum = static_cast<float>(static_cast<double>(sum) + G.Elements[i].ElemCw);
  double Cw = sum;
  if (G.WarpPickStep == 2) {
    if (G.ManualCw == 1) {
      Cw = CraneGirderCw();
    } else if (G.ManualCw == 2) {
      Cw = WideFlangeCw();
    } else if (G.ManualCw == 3) {
      Cw = ZedCw();
    } else if (G.ManualCw == 4) {
      Cw = ChannelCw();
    }
  }
  G.SecCw = FiniteSingle(Cw);
  ShowResult(ResultItem::Cw, G.SecCw);
}

}  // namespace model
