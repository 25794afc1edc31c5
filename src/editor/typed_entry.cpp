#include "editor/typed_entry.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string_view>

#include "editor/bearing.h"
#include "editor/controls.h"
#include "editor/modes.h"
#include "editor/preview_support.h"
#include "editor/snap.h"
#include "model/extents_centroid.h"
#include "model/globals.h"
#include "model/guards.h"
#include "model/number_text.h"
#include "model/rounding.h"
#include "ui/input.h"
#include "view/element_draw.h"
#include "view/redraw.h"
#include "windows/sheet.h"

namespace editor {

using model::False;
using model::G;

namespace {

constexpr double Limit = 1000000;  // no position may reach this far from the origin

// The number at the start of a text: an optional sign, digits, at most one point; a text
// that starts with no number reads 0. Held in single precision.
float LeadingNumber(std::string_view text) {
  std::string number;
  size_t k = 0;
  if (k < text.size() && (text[k] == '+' || text[k] == '-')) number += text[k++];
  bool point = false;
  for (; k < text.size(); ++k) {
    const char c = text[k];
    if (c >= '0' && c <= '9') {
      number += c;
    } else if (c == '.' && !point) {
      point = true;
      number += c;
    } else {
      break;
    }
  }
  // Read with "." as the point whatever the locale the program runs in: the comma of this
  // box separates x from y.
  double value = 0;
  constexpr float Infinite = std::numeric_limits<float>::infinity();
  const bool digits = number.find_first_of("0123456789") != std::string::npos;
  if (digits && !model::ParseNumber(number, value)) return number[0] == '-' ? -Infinite : Infinite;
  // Past the single range the number is infinite (the range guard and the angle entry
  // refuse it), never the undefined result of narrowing it.
  if (std::fabs(value) > std::numeric_limits<float>::max()) return value > 0 ? Infinite : -Infinite;
  return static_cast<float>(value);
}

struct Pair {
  float x = 0, y = 0;
  bool x_relative = false, y_relative = false;
};

// A coordinate pair split at its last comma, every character from `accepted`.
bool ReadPair(std::string text, std::string_view accepted, Pair& pair) {
  StripSpaces(text);
  if (text.find_first_not_of(accepted) != std::string::npos) return false;
  const size_t comma = text.rfind(',');
  if (comma == std::string::npos || comma == 0 || comma + 1 == text.size()) return false;
  const std::string_view x = std::string_view(text).substr(0, comma);
  const std::string_view y = std::string_view(text).substr(comma + 1);
  pair.x = LeadingNumber(x);
  pair.y = LeadingNumber(y);
  pair.x_relative = x[0] == '+' || x[0] == '-';
  pair.y_relative = y[0] == '+' || y[0] == '-';
  if (!G.UnitStatus) {
    pair.x = pair.x * 25.4f;
    pair.y = pair.y * 25.4f;
  }
  return true;
}

// An element of width W and depth D may stand with its insertion point at (x, y).
bool WithinRange(const model::ElementRecord& e, double x, double y) {
  const double w2 = 2.0 * e.Width, d2 = 2.0 * e.Depth;
  return w2 + x < Limit && x - w2 > -Limit && d2 + y < Limit && y - d2 > -Limit;
}

void EndTypedCommit() {
  ForgetPointerOperation();
  MarkSectionChanged();
  view::RedrawDrawing();
  ShutTextEntry();
  view::RedrawDrawing();
}

void PlacingEntry() {
  const int c = G.CurrentElement;
  Pair p;
  if (c >= 1 && c <= model::ElementsInUse() && ReadPair(G.TypedText, "0123456789,.", p) &&
      WithinRange(G.Elements[static_cast<size_t>(c)], p.x, p.y)) {
    model::ElementRecord& e = G.Elements[static_cast<size_t>(c)];
    e.PosX = model::RoundToInt32(p.x);
    e.PosY = model::RoundToInt32(p.y);
    G.PlaceMode = False;
    windows::Sheet().Label1.Visible = false;
    ShutTextEntry();
    ForgetPointerOperation();
    MarkSectionChanged();
    view::RedrawDrawing();
  }
  if (G.ElementCount >= 1) windows::Sheet().CurrentObject.Text = Designation(model::ElementsInUse());
}

// The lower-left corner of the section as it is drawn (the stored extents describe the
// turned section while the properties are taken about the principal axes).
void DrawnCorner(double& x, double& y) {
  const double keep[4] = {G.XMin, G.XMax, G.YMin, G.YMax};
  model::ComputeExtents();
  x = G.XMin;
  y = G.YMin;
  G.XMin = keep[0];
  G.XMax = keep[1];
  G.YMin = keep[2];
  G.YMax = keep[3];
}

void MoveEntry() {
  Pair p;
  if (!ReadPair(G.TypedText, "0123456789,+-.", p)) return;
  double left = 0, bottom = 0;
  DrawnCorner(left, bottom);
  for (int i = 1; i <= model::ElementsInUse(); ++i) {
    model::ElementRecord& e = G.Elements[static_cast<size_t>(i)];
    if (!e.Selected) continue;
    const double x = p.x_relative ? p.x + static_cast<double>(e.PosX) : p.x + (e.PosX - left);
    const double y = p.y_relative ? p.y + static_cast<double>(e.PosY) : p.y + (e.PosY - bottom);
    if (WithinRange(e, p.x, p.y) && WithinRange(e, x, y)) {
      e.PosX = model::RoundToInt32(x);
      e.PosY = model::RoundToInt32(y);
    }
    e.Selected = False;
  }
  G.MoveBaseSet = G.MoveMode = False;
  windows::Sheet().Label1.Visible = false;
  G.PreviewShown = False;
  EndTypedCommit();
}

void AngleEntry() {
  std::string text = G.TypedText;
  StripSpaces(text);
  if (text.find_first_not_of("0123456789+-.") != std::string::npos) return;
  const float a = static_cast<float>(LeadingNumber(text) * model::Pi / 180);
  // A turn by an infinite angle would leave no position and no angle at all.
  if (!std::isfinite(a)) return;
  const float px = static_cast<float>(G.PivotX), py = static_cast<float>(G.PivotY);
  for (int i = 1; i <= model::ElementsInUse(); ++i) {
    model::ElementRecord& e = G.Elements[static_cast<size_t>(i)];
    if (!e.Selected) continue;
    const double dx = e.PosX - static_cast<double>(px), dy = e.PosY - static_cast<double>(py);
    const double t = Bearing(dx, dy);
    const float r = static_cast<float>(std::pow(dy * dy + dx * dx, 0.5));
    e.PosX = model::RoundToInt32(e.PosX - (r * std::cos(t) - r * std::cos(t + a)));
    e.PosY = model::RoundToInt32(r * std::sin(t + a) - r * std::sin(t) + e.PosY);
    double angle = G.RotateStartAngle[static_cast<size_t>(i)] + e.MirrorSign * static_cast<double>(a);
    if (angle >= 6.2831853) angle -= 6.2831853;
    e.Angle = angle;
    e.Selected = False;
  }
  G.PivotSet = G.RotateMode = False;
  windows::Sheet().Label1.Visible = false;
  G.PreviewShown = G.RotatePreviewStarted = False;
  EndTypedCommit();
}

void Enter() {
  windows::SheetForm& sheet = windows::Sheet();
  sheet.CurrentObject.Text = "";
  G.TypedText = sheet.TextEntry.Text;
  sheet.TextEntry.Text = "";
  if (G.PlaceMode)
    PlacingEntry();
  else if (G.MoveMode && !G.MoveBaseSet)
    MoveEntry();
  else if (G.RotateMode && G.PivotSet)
    AngleEntry();
  sheet.TextEntry.Text = "";
  sheet.Base.SetFocus();
}

// Only an element following the pointer has snap points to step through.
void NextSnapPoint() {
  const bool placing = G.PlaceMode && G.CurrentElement >= 1 && G.CurrentElement <= model::ElementsInUse();
  const bool moving = G.MoveMode && G.MoveBaseSet;
  if (!placing && !moving) return;
  AdvanceSnapChoice();
  // An element being placed that no pointer step has shown yet stands where its record
  // happened to be: a match there would carry the placing click away from the click, and
  // the ghost would be drawn where the pointer never was. The choice waits for the steps.
  if (G.PlaceMode && !G.PlacementShown) return;
  PlotSnapMarkers(model::White);
  FindObjectSnap();
  PlotSnapMarkers(model::Red);
  if (placing) view::DrawElement(G.GhostX, G.GhostY, G.CurrentElement, model::Red);
}

}  // namespace

void StripSpaces(std::string& Text) { std::erase(Text, ' '); }

void TextEntry_KeyUp(int16_t& KeyCode, int16_t Shift) {
  (void)Shift;
  switch (KeyCode) {
    case ui::KeyReturn:
      Enter();
      break;
    case ui::KeyEscape:
      CancelCommand();
      windows::Sheet().CurrentObject.Text = "";
      break;
    case ui::KeyF2:
      NextSnapPoint();
      break;
    default:
      break;
  }
}

}  // namespace editor
