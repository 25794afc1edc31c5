#include "windows/sheet.h"

#include <gtest/gtest.h>

#include "model/globals.h"
#include "model/quick_help.h"
#include "ui/headless/headless_platform.h"

namespace model {
namespace {

TEST(Sheet, CarriesTheNamedControls) {
  ui::headless::ScopedHeadless h;
  ResetSheet();
  SheetForm& s = Sheet();
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
  ResetSheet();
  G = Globals{};
  Sheet().CurrentObject.Text = "W310X97";
  G.ShowHelp = False;
  ShowQuickHelp("Click in Drawing Area to set rotation pivot point.");
  EXPECT_EQ(Sheet().CurrentObject.Text, "W310X97");
  G.ShowHelp = True;
  ShowQuickHelp("Click in Drawing Area to set rotation pivot point.");
  EXPECT_EQ(Sheet().CurrentObject.Text, "Click in Drawing Area to set rotation pivot point.");
}

}  // namespace
}  // namespace model
