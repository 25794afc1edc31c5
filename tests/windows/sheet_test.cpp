#include "windows/sheet.h"

#include <gtest/gtest.h>

#include "model/globals.h"
#include "model/quick_help.h"
#include "ui/headless/headless_platform.h"

namespace windows {
namespace {

TEST(Sheet, CarriesTheNamedControls) {
  ui::headless::ScopedHeadless h;
  windows::ResetSheet();
  windows::SheetForm& s = windows::Sheet();
  for (const char* name : {"Base",    "TextEntry", "CurrentObject",
                           "Coord",   "Label1",    "CalcBox",
                           "Area",    "yBar",      "xBar",
                           "d",       "b",         "Ix",
                           "Sx",      "rx",        "Zx",
                           "Iy",      "Sy",        "ry",
                           "Zy",      "J",         "Cw",
                           "Phi",     "AreaL",     "CwL",
                           "PhiL",    "AunitL",    "CwUnitL",
                           "PhiUnitL"})
    EXPECT_NE(s.Find(name), nullptr) << name;
  EXPECT_EQ(s.Label1.Container, &s.Base);
  EXPECT_EQ(s.Area.Container, &s.CalcBox);
  // The results rows lie 355 twips apart.
  auto rows = s.ResultRows();
  for (size_t i = 1; i < rows.size(); ++i) EXPECT_FLOAT_EQ(rows[i].Value->Top - rows[i - 1].Value->Top, 355);
}

TEST(ShowQuickHelp, WritesThePromptOnlyWhileHelpIsOn) {
  ui::headless::ScopedHeadless h;
  windows::ResetSheet();
  model::G = model::Globals{};
  windows::Sheet().CurrentObject.Text = "W310X97";
  model::G.ShowHelp = model::False;
  model::ShowQuickHelp("Click in Drawing Area to set rotation pivot point.");
  EXPECT_EQ(windows::Sheet().CurrentObject.Text, "W310X97");
  model::G.ShowHelp = model::True;
  model::ShowQuickHelp("Click in Drawing Area to set rotation pivot point.");
  EXPECT_EQ(windows::Sheet().CurrentObject.Text, "Click in Drawing Area to set rotation pivot point.");
}

}  // namespace
}  // namespace windows
