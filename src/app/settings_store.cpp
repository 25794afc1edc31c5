#include "app/settings_store.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <string_view>
#include <vector>

#include "model/globals.h"
#include "model/new_element.h"
#include "model/number_text.h"
#include "model/result_display.h"
#include "model/rounding.h"
#include "ui/platform.h"
#include "view/view_range.h"
#include "windows/sheet.h"

namespace app {

namespace {

using model::G;

enum class Kind { Single, Int16, Boolean };

// One key: where its value lives, its kind and default, and what a stored value must
// be for the program to use it (otherwise the default serves, or the floor).
struct Key {
  std::string Name;
  Kind kind;
  double Default;
  float* single = nullptr;
  int16_t* int16 = nullptr;  // also a Boolean: True -1, False 0
  bool (*Usable)(double) = nullptr;
  int16_t Floor = INT16_MIN;
};

Key Single(const char* name, float& target, double fallback, bool (*usable)(double) = nullptr) {
  return {name, Kind::Single, fallback, &target, nullptr, usable};
}
Key Int16(const char* name, int16_t& target, double fallback, int16_t floor = INT16_MIN,
          bool (*usable)(double) = nullptr) {
  return {name, Kind::Int16, fallback, nullptr, &target, usable, floor};
}
Key Boolean(const char* name, int16_t& target, bool fallback) {
  return {name, Kind::Boolean, fallback ? -1.0 : 0.0, nullptr, &target};
}

// Panning and zooming keep the view within a few million millimetres of the origin, and
// the grid and pixel routines count in 32-bit whole units there; the pixel routines also
// divide by the view's size in whole units, and y points up (a negative height). A stored
// view outside these bounds is not used, nor a zoom scale that is not finite and above 0
// (one of zero or less never grows again).
constexpr double ViewReach = 1e7;
bool ViewPlace(double v) { return std::fabs(v) <= ViewReach; }
bool ViewWidth(double v) { return v >= 1 && v <= ViewReach; }
bool ViewHeight(double v) { return v <= -1 && v >= -ViewReach; }
bool ZoomScaleUsable(double v) { return view::ZoomScaleInRange(static_cast<float>(v)); }
// A window rectangle far beyond any desktop (a million twips is some 66000 pixels), or
// one without width or height, is not used either.
constexpr double WindowReach = 1e6;
bool WindowPlace(double v) { return std::fabs(v) <= WindowReach; }
bool WindowSize(double v) { return v > 0 && v <= WindowReach; }
bool WindowStateValue(double v) { return v >= ui::WindowNormal && v <= ui::WindowMaximized; }

std::vector<Key> WindowKeys() {
  windows::SheetForm& s = windows::Sheet();
  return {Single("MainLeft", s.Left, 500, WindowPlace), Single("MainTop", s.Top, 500, WindowPlace),
          Single("MainWidth", s.Width, 12500, WindowSize), Single("MainHeight", s.Height, 9500, WindowSize),
          Int16("WindowState", s.WindowState, ui::WindowMaximized, INT16_MIN, WindowStateValue)};
}

// In the store's reading order.
std::vector<Key> OtherKeys() {
  ui::PictureBox& base = windows::Sheet().Base;
  std::vector<Key> keys = {
      Boolean("UnitStatus", G.UnitStatus, true),
      Int16("GridSpacing", G.GridSpacing, 100, 10),
      Single("ZoomScale", G.ZoomScale, 1, ZoomScaleUsable),
      Single("ScaleWidth", base.ScaleWidth, 1200, ViewWidth),
      Single("ScaleHeight", base.ScaleHeight, -1000, ViewHeight),
      Single("ScaleLeft", base.ScaleLeft, 0, ViewPlace),
      Single("ScaleTop", base.ScaleTop, 1000, ViewPlace),
      Int16("SnapGrid", G.SnapGrid, 0),
      Int16("ShowGrid", G.ShowGrid, 1),
      Int16("SnapObject", G.SnapObject, 1),
      Int16("ShowXY", G.ShowXY, 1),
      Int16("RotateSnap", G.RotateSnap, 1, 1),
      Int16("OLapStatus", G.OLapStatus, 1),
      Int16("OSnapStatus", G.OSnapStatus, 1),
      Boolean("RotAxis", G.RotAxis, true),
      Int16("ShowPAxis", G.ShowPAxis, 1),
      Int16("ShowCentroid", G.ShowCentroid, 1),
      Int16("SplashRead", G.SplashRead, 1),
  };
  // The fifteen exponents of each unit system, in the order of the results.
  static const char* const Suffix[model::ResultItemCount] = {"A",  "D",  "B",  "X",  "Y",  "Ix", "Sx", "Zx",
                                                             "Iy", "Sy", "Zy", "Rx", "Ry", "J",  "Cw"};
  static const double SIDefault[model::ResultItemCount] = {0, 0, 0, 0, 0, 6, 3, 3, 6, 3, 3, 0, 0, 4, 6};
  std::vector<Key> si, imp;
  for (int i = 0; i < model::ResultItemCount; ++i) {
    const model::ExponentFields f = model::ExponentsOf(static_cast<model::ResultItem>(i));
    si.push_back(Int16("", G.*f.SI, SIDefault[i]));
    si.back().Name = std::string("SI") + Suffix[i] + "Tol";
    imp.push_back(Int16("", G.*f.Imp, 0));
    imp.back().Name = std::string("Imp") + Suffix[i] + "Tol";
  }
  keys.insert(keys.end(), si.begin(), si.end());
  keys.insert(keys.end(), imp.begin(), imp.end());
  keys.push_back(Int16("SIPrec", G.SIPrec, 2));
  keys.push_back(Int16("ImpPrec", G.ImpPrec, 2));
  keys.push_back(Boolean("ShowHelp", G.ShowHelp, true));
  return keys;
}

std::string DefaultText(const Key& k) {
  switch (k.kind) {
    case Kind::Single:
      return model::PlainNumberText(static_cast<float>(k.Default));
    case Kind::Int16:
      return std::to_string(static_cast<int>(k.Default));
    case Kind::Boolean:
      return k.Default != 0 ? "True" : "False";
  }
  return {};
}

void SetDefault(const Key& k) {
  if (k.single)
    *k.single = static_cast<float>(k.Default);
  else
    *k.int16 = static_cast<int16_t>(k.Default);
}

void Read(const Key& k) {
  const std::string text = ui::platform().GetSetting(ui::AppTitle, SettingsSection, k.Name, DefaultText(k));
  bool ok = false;
  switch (k.kind) {
    case Kind::Single: {
      float v = 0;
      ok = ReadSingle(text, v) && (!k.Usable || k.Usable(v));
      if (ok) *k.single = v;
      break;
    }
    case Kind::Int16: {
      int16_t v = 0;
      ok = ReadInt16(text, v) && (!k.Usable || k.Usable(v));
      if (ok) *k.int16 = std::max(v, k.Floor);
      break;
    }
    case Kind::Boolean: {
      int16_t v = 0;
      ok = ReadBoolean(text, v);
      if (ok) *k.int16 = v;
      break;
    }
  }
  if (!ok) SetDefault(k);
}

void Write(const Key& k) {
  std::string text;
  switch (k.kind) {
    case Kind::Single:
      text = model::PlainNumberText(*k.single);
      break;
    case Kind::Int16:
      text = std::to_string(*k.int16);
      break;
    case Kind::Boolean:
      text = *k.int16 != 0 ? "True" : "False";
      break;
  }
  ui::platform().SaveSetting(ui::AppTitle, SettingsSection, k.Name, text);
}

}  // namespace

bool ReadSingle(const std::string& text, float& value) {
  double v = 0;
  if (!model::ParseNumber(text, v) || !model::FitsSingle(v)) return false;
  value = static_cast<float>(v);
  return true;
}

bool ReadInt16(const std::string& text, int16_t& value) {
  double v = 0;
  if (!model::ParseNumber(text, v) || !model::FitsInt16(v)) return false;
  value = model::RoundToInt16(v);
  return true;
}

bool ReadBoolean(const std::string& text, int16_t& value) {
  std::string word;
  for (char c : text)
    if (c != ' ' && c != '\t') word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  double number = 0;
  if (word == "true")
    value = model::True;
  else if (word == "false")
    value = model::False;
  else if (model::ParseNumber(text, number))
    value = number != 0 ? model::True : model::False;
  else
    return false;
  return true;
}

void ReadWindowPlacement() {
  for (const Key& k : WindowKeys()) Read(k);
}

void ReadSettings() {
  for (const Key& k : OtherKeys()) Read(k);
}

void WriteSettings() {
  const std::vector<Key> window = WindowKeys();
  const std::vector<Key> other = OtherKeys();
  // Maximised or minimised, the window's rectangle is not its own: the last normal one stays stored.
  if (windows::Sheet().WindowState == ui::WindowNormal)
    for (size_t i = 0; i < 4; ++i) Write(window[i]);
  auto write = [&](std::string_view name) {
    for (const std::vector<Key>* list : {&window, &other})
      for (const Key& k : *list)
        if (k.Name == name) Write(k);
  };
  for (const char* name : {"UnitStatus", "GridSpacing", "ZoomScale", "ScaleWidth", "ScaleHeight", "ScaleLeft",
                           "ScaleTop", "SnapGrid", "ShowGrid", "SnapObject", "ShowXY", "RotateSnap", "OLapStatus",
                           "OSnapStatus", "RotAxis", "ShowPAxis", "ShowCentroid", "WindowState", "SplashRead"})
    write(name);
  for (const Key& k : other)
    if (k.Name.ends_with("Tol")) Write(k);
  write("ImpPrec");
  write("SIPrec");
  write("ShowHelp");
}

void ApplySettingDefaults() {
  for (const Key& k : OtherKeys()) SetDefault(k);
}

}  // namespace app
