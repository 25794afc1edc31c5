#include "editor/snap.h"

#include <algorithm>
#include <cmath>

#include "model/characteristic_points.h"
#include "model/globals.h"
#include "model/guards.h"
#include "model/number_text.h"
#include "model/placement.h"
#include "model/rounding.h"
#include "windows/sheet.h"

namespace editor {

using model::G;

namespace {

model::PointI Placed(const model::ElementRecord& e, double X, double Y, const model::LocalUV& p) {
  const model::DrawingPoint q = model::PlaceLocalPoint(e, X, Y, p.u, p.v);
  return {model::RoundToInt32(q.x), model::RoundToInt32(q.y)};
}

bool Moving(int i) {
  if (G.PlaceMode) return i == G.CurrentElement;
  return G.Elements[static_cast<size_t>(i)].Selected != 0;
}

void RecordMatch(int i, int j, int k, double dx, double dy) {
  G.SnapTargetX = G.SnapPoints[static_cast<size_t>(k)].x;
  G.SnapTargetY = G.SnapPoints[static_cast<size_t>(k)].y;
  if (G.PlaceMode) windows::Sheet().TextEntry.Text = model::PlainNumberText(std::sqrt(dx * dx + dy * dy));
  // A choice advanced against another element's count wraps within this one's points.
  const int count = G.SnapChoiceCount;
  const int s = (G.SnapChoice + j - 1) % count + 1;
  G.SnapSourceX = G.OwnSnapPoints[static_cast<size_t>(s)].x;
  G.SnapSourceY = G.OwnSnapPoints[static_cast<size_t>(s)].y;
  if (G.PlaceMode) {
    const model::ElementRecord& e = G.Elements[static_cast<size_t>(i)];
    G.SnapOrigin[static_cast<size_t>(i)] = {e.PosX, e.PosY};
  } else {
    for (int e = 1; e <= model::ElementsInUse(); ++e)
      if (G.Elements[static_cast<size_t>(e)].Selected)
        G.SnapOrigin[static_cast<size_t>(e)] = {model::RoundToInt32(G.PreviewPos[static_cast<size_t>(e)].x),
                                                model::RoundToInt32(G.PreviewPos[static_cast<size_t>(e)].y)};
  }
  G.SnapFound = model::True;
}

}  // namespace

void BuildSnapPoints() {
  G.SnapPointCount = 0;
  for (int i = 1; i <= model::ElementsInUse(); ++i) {
    const model::ElementRecord& e = G.Elements[static_cast<size_t>(i)];
    if (e.Selected || (G.PlaceMode && i == G.CurrentElement)) continue;
    const model::CharacteristicPointList list = model::CharacteristicPoints(e);
    for (int k = 0; k < list.count; ++k) {
      const model::LocalUV& p = list.points[static_cast<size_t>(k)];
      model::PointI& out = G.SnapPoints[static_cast<size_t>(++G.SnapPointCount)];
      out = (p.u == 0 && p.v == 0) ? model::PointI{e.PosX, e.PosY} : Placed(e, e.PosX, e.PosY, p);
    }
  }
}

void ComputeSnapPoints(const model::ElementRecord& Elem, int16_t Index) {
  G.SnapChoiceCount = 0;
  double X = static_cast<float>(Elem.PosX), Y = static_cast<float>(Elem.PosY);
  if (Index >= 1 && Index <= model::MaxElements) {
    X = static_cast<float>(G.PreviewPos[static_cast<size_t>(Index)].x);
    Y = static_cast<float>(G.PreviewPos[static_cast<size_t>(Index)].y);
  }
  const model::CharacteristicPointList list = model::CharacteristicPoints(Elem);
  for (int k = 0; k < list.count; ++k)
    G.OwnSnapPoints[static_cast<size_t>(k + 1)] = Placed(Elem, X, Y, list.points[static_cast<size_t>(k)]);
  G.SnapChoiceCount = static_cast<int16_t>(list.count);
}

void FindObjectSnap() {
  G.SnapFound = model::False;
  // Held at the largest single when 25 zoom scales pass it: still beyond every distance.
  const float radius = model::SaturateToSingle(25.0 * G.ZoomScale);
  for (int i = 1; i <= model::ElementsInUse(); ++i) {
    if (!Moving(i)) continue;
    ComputeSnapPoints(G.Elements[static_cast<size_t>(i)], G.PlaceMode ? int16_t{-1} : static_cast<int16_t>(i));
    for (int j = 1; j <= G.SnapChoiceCount; ++j) {
      const model::PointI own = G.OwnSnapPoints[static_cast<size_t>(j)];
      for (int k = 1; k <= G.SnapPointCount; ++k) {
        const model::PointI entry = G.SnapPoints[static_cast<size_t>(k)];
        const double dx = static_cast<double>(entry.x) - own.x;
        const double dy = static_cast<double>(entry.y) - own.y;
        const float distance = static_cast<float>(std::sqrt(dx * dx + dy * dy));
        if (radius > distance) {
          RecordMatch(i, j, k, dx, dy);
          return;
        }
      }
    }
  }
}

void AdvanceSnapChoice() {
  G.SnapChoice = static_cast<int16_t>(G.SnapChoice + 1);
  if (G.SnapChoice > G.SnapChoiceCount) G.SnapChoice = 1;
}

}  // namespace editor
