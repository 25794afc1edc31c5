// The plate and bar builders, driven through the plate-or-bar window and their dialogs.

#include "dialogs/plate_bar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "dialogs/bar_options.h"
#include "dialogs/plate_options.h"
#include "editor/insert_commands.h"
#include "model/globals.h"
#include "ui/headless/actions.h"
#include "ui/headless/headless_platform.h"
#include "windows/sheet.h"

namespace dialogs {
using namespace model;
namespace {

using ui::headless::Click;
using ui::headless::PressEnter;
using ui::headless::PressEscape;
using ui::headless::ScopedHeadless;
using ui::headless::Type;

const double Root12 = std::pow(12.0, 0.5);

class PlateBar : public ::testing::Test {
 protected:
  void SetUp() override {
    G = Globals{};
    windows::ResetSheet();
    G.UnitStatus = True;
    h.platform.Messages.clear();
    h.platform.ModalShown.clear();
  }

  // Opens the plate dialog from the plate-or-bar window and runs `script` in it.
  void Plate(std::function<void(PlateOptionsForm&)> script) {
    h.platform.OnModal("PlateBar", [](ui::Form& f) { Click(static_cast<PlateBarForm&>(f).PlateCmd); });
    h.platform.OnModal("PlateOptions", [script](ui::Form& f) { script(static_cast<PlateOptionsForm&>(f)); });
    editor::ShowPlateBar();
  }
  // Types the three boxes and presses OK.
  void Plate(const std::string& width, const std::string& height, const std::string& angle = "0") {
    Plate([=](PlateOptionsForm& d) {
      Type(d.Text1, angle);
      Type(d.Text2, width);
      Type(d.Text3, height);
      Click(d.Command1);
    });
  }
  void Bar(std::function<void(BarOptionsForm&)> script) {
    h.platform.OnModal("PlateBar", [](ui::Form& f) { Click(static_cast<PlateBarForm&>(f).BarCmd); });
    h.platform.OnModal("BarOptions", [script](ui::Form& f) { script(static_cast<BarOptionsForm&>(f)); });
    editor::ShowPlateBar();
  }
  void Bar(const std::string& diameter) {
    Bar([=](BarOptionsForm& d) {
      Type(d.Text1, diameter);
      Click(d.Command1);
    });
  }

  void ExpectPlacing(int n) {
    EXPECT_EQ(G.ElementCount, n);
    EXPECT_EQ(G.CurrentElement, n);
    EXPECT_EQ(G.PlaceMode, True);
    EXPECT_EQ(windows::Sheet().TextEntry.BackColor, White);
    EXPECT_FALSE(windows::Sheet().TextEntry.Locked);
    EXPECT_TRUE(windows::Sheet().TextEntry.HasFocus());
    EXPECT_TRUE(h.platform.Messages.empty());
    EXPECT_TRUE(h.platform.PendingScripts().empty());
  }
  void ExpectNothingAdded() {
    EXPECT_EQ(G.ElementCount, 0);
    EXPECT_EQ(G.CurrentElement, 0);
    EXPECT_EQ(G.PlaceMode, False);
    EXPECT_EQ(windows::Sheet().CurrentObject.Text, "");
    EXPECT_EQ(windows::Sheet().TextEntry.BackColor, ButtonFace);
    EXPECT_TRUE(windows::Sheet().TextEntry.Locked);
    EXPECT_TRUE(h.platform.PendingScripts().empty());
  }

  ScopedHeadless h;
};

TEST_F(PlateBar, Plate200By12InMillimetres) {
  Plate([](PlateOptionsForm& d) {
    EXPECT_EQ(d.Label2.Caption, "Width (mm)");
    EXPECT_EQ(d.Label3.Caption, "Height (mm)");
    EXPECT_TRUE(d.KeyPreview);
    for (ui::TextBox* box : {&d.Text1, &d.Text2, &d.Text3}) EXPECT_EQ(box->Text, "0");
    Type(d.Text2, "200");
    Type(d.Text3, "12");
    Click(d.Command1);
    EXPECT_FALSE(d.IsLoaded());
  });
  ExpectPlacing(1);
  EXPECT_EQ(h.platform.ModalShown, (std::vector<std::string>{"PlateBar", "PlateOptions"}));
  const ElementRecord& e = G.Elements[1];
  EXPECT_EQ(e.NameSI.str(), "PL 200x 12               ");
  EXPECT_EQ(e.ShapeType, 50);
  EXPECT_EQ(e.Depth, 12.0f);
  EXPECT_EQ(e.Width, 200.0f);
  EXPECT_EQ(e.FlangeThickness, 12.0f);
  EXPECT_EQ(e.WebThickness, 200.0f);
  // "200" sorts after "12" as text: the width's radius is the outer one.
  EXPECT_EQ(e.InnerRadius, static_cast<float>(12 / Root12));
  EXPECT_EQ(e.OuterRadius, static_cast<float>(200 / Root12));
  EXPECT_EQ(e.Ratio1, static_cast<float>(200.0 / 12));
  EXPECT_EQ(e.Ratio2, 0.06f);
  EXPECT_EQ(e.FilletDepthK, 0.0f);
  EXPECT_EQ(e.FilletWidthK1, 0.0f);
  EXPECT_EQ(e.NominalSizeSI, 12);
  EXPECT_EQ(e.MassSI, 18.84f);
  EXPECT_EQ(e.ElemArea, 2400.0f);
  EXPECT_EQ(e.ElemIx, 28800.0f);
  EXPECT_EQ(e.ElemSx, 4800.0f);
  EXPECT_EQ(e.ElemRx, static_cast<float>(12 / Root12));
  EXPECT_EQ(e.ElemZx, 7200.0f);
  EXPECT_EQ(e.ElemIy, 8000000.0f);
  EXPECT_EQ(e.ElemSy, 80000.0f);
  EXPECT_EQ(e.ElemRy, static_cast<float>(200 / Root12));
  EXPECT_EQ(e.ElemZy, 120000.0f);
  // t = 12, b = 200, r = 0.06.
  EXPECT_FLOAT_EQ(e.ElemJ, static_cast<float>(1728.0 * 200 * (0.053 * 0.0036 + (1 - 0.63 * 0.06)) / 3));
  for (float f : {e.ElemCw, e.Spare1, e.Spare2, e.Spare3, e.Spare4, e.ShapeExtra, e.ChannelExtra}) EXPECT_EQ(f, 0.0f);
  EXPECT_EQ(e.NameImp.str(), "PL 7.8740157480315x .4724");
  EXPECT_EQ(e.NominalSizeImp, 0);
  EXPECT_FLOAT_EQ(e.MassImp, static_cast<float>(18.84 / 1.484));
  EXPECT_EQ(e.CentroidX, 100.0f);
  EXPECT_EQ(e.CentroidY, 6.0f);
  EXPECT_EQ(e.Angle, 0.0);
  EXPECT_EQ(e.MirrorSign, 1);
  EXPECT_EQ(e.Selected, False);
  EXPECT_EQ(windows::Sheet().CurrentObject.Text, "PL 200x 12               ");
}

TEST_F(PlateBar, PlateInInchesIsRewrittenInMillimetresFirst) {
  G.UnitStatus = False;
  Plate([](PlateOptionsForm& d) {
    EXPECT_EQ(d.Label2.Caption, "Width (in)");
    EXPECT_EQ(d.Label3.Caption, "Height (in)");
    Type(d.Text2, "8");
    Type(d.Text3, "0.5");
    Click(d.Command1);
    EXPECT_EQ(d.Text2.Text, "203.2");
    EXPECT_EQ(d.Text3.Text, "12.7");
  });
  ExpectPlacing(1);
  const ElementRecord& e = G.Elements[1];
  EXPECT_EQ(e.NameSI.str(), "PL 203.2x 12.7           ");
  EXPECT_EQ(e.NameImp.str(), "PL 8x .5                 ");
  EXPECT_EQ(e.Width, 203.2f);
  EXPECT_EQ(e.Depth, 12.7f);
  EXPECT_EQ(e.ElemArea, static_cast<float>(203.2 * 12.7));
  EXPECT_EQ(e.NominalSizeSI, 13);
  EXPECT_EQ(e.NominalSizeImp, 0);  // 0.5 goes to the even 0
  EXPECT_EQ(windows::Sheet().CurrentObject.Text, "PL 8x .5                 ");
}

TEST_F(PlateBar, InchSizesAreConvertedOnceWhenTheFirstOkFails) {
  G.UnitStatus = False;
  Plate([this](PlateOptionsForm& d) {
    Type(d.Text1, "abc");
    Type(d.Text2, "8");
    Type(d.Text3, "0.5");
    Click(d.Command1);
    EXPECT_TRUE(d.IsLoaded());
    EXPECT_EQ(d.Text2.Text, "8");
    EXPECT_EQ(d.Text3.Text, "0.5");
    EXPECT_EQ(h.platform.Messages, std::vector<std::string>{PlateMessage});
    h.platform.Messages.clear();
    Type(d.Text1, "0");
    Click(d.Command1);
  });
  ExpectPlacing(1);
  EXPECT_EQ(G.Elements[1].Width, 203.2f);
  EXPECT_EQ(G.Elements[1].NameImp.str(), "PL 8x .5                 ");
}

TEST_F(PlateBar, PlateDesignationsAndWholeNumbers) {
  struct Case {
    const char *width, *height;
    const char *nameSI, *nameImp;
    int16_t nominalSI;
  };
  const Case cases[] = {
      {"0.5", "10", "PL .5x 10", "PL .0196850393700787x .393", 10},
      {"100", "10", "PL 100x 10", "PL 3.93700787401575x .393", 10},
      {"1E3", "12.5", "PL 1000x 12.5", "PL 39.3700787401575x .492", 12},
      {" 150 ", "13.5", "PL 150x 13.5", "PL 5.90551181102362x .531", 14},
      {"254", "25.4", "PL 254x 25.4", "PL 10x 1", 25},
  };
  for (const Case& c : cases) {
    SetUp();
    Plate(c.width, c.height);
    ExpectPlacing(1);
    EXPECT_EQ(G.Elements[1].NameSI.str(), String25(c.nameSI).str()) << c.width;
    EXPECT_EQ(G.Elements[1].NameImp.str(), String25(c.nameImp).str()) << c.width;
    EXPECT_EQ(G.Elements[1].NominalSizeSI, c.nominalSI) << c.width;
  }
}

TEST_F(PlateBar, PlateTorsionTakesTheThinnerSideAsThickness) {
  struct Case {
    const char *width, *height;
    float J;
  };
  // 100 x 10: r = 0.1, 1000 x 100 x (0.00053 + 0.937) / 3; 10 x 10: r = 1.
  for (const Case& c : {Case{"100", "10", 31251.0f}, Case{"10", "100", 31251.0f}, Case{"10", "10", 1410.0f}}) {
    SetUp();
    Plate(c.width, c.height);
    EXPECT_FLOAT_EQ(G.Elements[1].ElemJ, c.J) << c.width << " x " << c.height;
  }
}

TEST_F(PlateBar, PlateAngleIsTakenAsTyped) {
  for (const auto& [text, radians] :
       {std::pair{"90", 1.570796325}, std::pair{"-45", -0.7853981625}, std::pair{"400.5", 400.5 * 3.14159265 / 180}}) {
    SetUp();
    Plate("100", "10", text);
    ExpectPlacing(1);
    EXPECT_DOUBLE_EQ(G.Elements[1].Angle, radians) << text;
  }
}

TEST_F(PlateBar, ZeroSizeClosesWithoutMessageOrElement) {
  struct Case {
    const char *width, *height, *angle;
  };
  for (const Case& c : {Case{"0", "0", "0"}, Case{"0.0", "12", "0"}, Case{"200", "0E0", "0"}, Case{"0", "12", "abc"},
                        Case{"-200", "0", "0"}}) {
    SetUp();
    Plate(c.width, c.height, c.angle);
    ExpectNothingAdded();
    EXPECT_TRUE(h.platform.Messages.empty()) << c.width << " x " << c.height;
    EXPECT_TRUE(windows::Sheet().TextEntry.HasFocus());  // the plate-or-bar window hands the focus on
  }
  // Also with the section full.
  SetUp();
  G.ElementCount = 50;
  Plate([](PlateOptionsForm& d) { Click(d.Command1); });
  EXPECT_EQ(G.ElementCount, 50);
  EXPECT_TRUE(h.platform.Messages.empty());
}

TEST_F(PlateBar, PlateRefusalsLeaveEverythingAsItWas) {
  struct Case {
    const char *width, *height, *angle;
    bool inches;
    int16_t count;
  };
  const Case cases[] = {
      {"abc", "12", "0", false, 0},  {"200", "", "0", false, 0},      {"200", "12", "abc", false, 0},
      {"200", "12", "", false, 0},   {"1,5", "12", "0", false, 0},    {"-200", "12", "0", false, 0},
      {"200", "-12", "0", false, 0}, {"1E30", "1E30", "0", false, 0}, {"1", "40000", "0", false, 0},
      {"1", "1300", "0", true, 0},   {"1E300", "1", "0", true, 0},    {"200", "12", "1E400", false, 0},
      {"200", "12", "0", false, 50},
  };
  for (const Case& c : cases) {
    SetUp();
    G.UnitStatus = c.inches ? False : True;
    G.ElementCount = c.count;
    Plate([&](PlateOptionsForm& d) {
      Type(d.Text1, c.angle);
      Type(d.Text2, c.width);
      Type(d.Text3, c.height);
      Click(d.Command1);
      EXPECT_TRUE(d.IsLoaded());
      EXPECT_EQ(d.Text1.Text, c.angle);
      EXPECT_EQ(d.Text2.Text, c.width);
      EXPECT_EQ(d.Text3.Text, c.height);
      Click(d.Command2);
    });
    EXPECT_EQ(h.platform.Messages, std::vector<std::string>{PlateMessage}) << c.width << " x " << c.height;
    EXPECT_EQ(G.ElementCount, c.count);
    EXPECT_EQ(G.PlaceMode, False);
    EXPECT_EQ(G.CurrentElement, 0);
    EXPECT_EQ(G.Elements[static_cast<size_t>(c.count) + (c.count < 50 ? 1 : 0)].ShapeType, 0);
    EXPECT_EQ(windows::Sheet().CurrentObject.Text, "");
    EXPECT_TRUE(windows::Sheet().TextEntry.Locked);
    EXPECT_EQ(windows::Sheet().TextEntry.BackColor, ButtonFace);
  }
}

TEST_F(PlateBar, EnterIsOkAndEscIsCancelInTheBoxes) {
  Plate([](PlateOptionsForm& d) {
    Type(d.Text2, "100");
    Type(d.Text3, "10");
    PressEnter(d);
  });
  ExpectPlacing(1);

  SetUp();
  Plate([](PlateOptionsForm& d) {
    Type(d.Text2, "100");
    Type(d.Text3, "10");
    PressEscape(d);
  });
  ExpectNothingAdded();
  EXPECT_TRUE(windows::Sheet().TextEntry.HasFocus());

  SetUp();
  Bar([](BarOptionsForm& d) {
    Type(d.Text1, "20");
    PressEnter(d);
  });
  ExpectPlacing(1);

  SetUp();
  Bar([](BarOptionsForm& d) {
    Type(d.Text1, "20");
    PressEscape(d);
  });
  ExpectNothingAdded();
}

TEST_F(PlateBar, EscInThePlateOrBarWindowAddsNothingAndKeepsTheFocus) {
  h.platform.OnModal("PlateBar", [](ui::Form& f) {
    PressEnter(f);  // no action of its own
    EXPECT_TRUE(f.IsLoaded());
    PressEscape(f);
  });
  editor::ShowPlateBar();
  ExpectNothingAdded();
  EXPECT_FALSE(windows::Sheet().TextEntry.HasFocus());
  EXPECT_EQ(h.platform.ModalShown, std::vector<std::string>{"PlateBar"});
}

TEST_F(PlateBar, Bar20Millimetres) {
  // The slot was used before by a selected, turned element.
  G.Elements[1].Selected = True;
  G.Elements[1].Angle = 2;
  G.Elements[1].ChannelExtra = 5;
  Bar([](BarOptionsForm& d) {
    EXPECT_EQ(d.Label1.Caption, "Diameter (mm)");
    EXPECT_EQ(d.Text1.Text, "0");
    Type(d.Text1, "20");
    Click(d.Command1);
  });
  ExpectPlacing(1);
  const ElementRecord& e = G.Elements[1];
  EXPECT_EQ(e.NameSI.str(), "BAR 20                   ");
  EXPECT_EQ(e.NameImp.str(), "BAR .78740157480315      ");
  EXPECT_EQ(e.ShapeType, 51);
  for (float f : {e.Depth, e.Width, e.FlangeThickness, e.WebThickness}) EXPECT_EQ(f, 20.0f);
  EXPECT_EQ(e.InnerRadius, 5.0f);
  EXPECT_EQ(e.OuterRadius, 5.0f);
  EXPECT_EQ(e.Ratio1, 1.0f);
  EXPECT_EQ(e.Ratio2, 1.0f);
  EXPECT_EQ(e.NominalSizeSI, 20);
  EXPECT_EQ(e.NominalSizeImp, 1);
  EXPECT_EQ(e.MassSI, 2.46615023025f);
  EXPECT_FLOAT_EQ(e.MassImp, static_cast<float>(2.46615023025 / 1.484));
  EXPECT_EQ(e.ElemArea, 314.159265f);
  EXPECT_EQ(e.ElemIx, 7853.981625f);
  EXPECT_EQ(e.ElemIy, 7853.981625f);
  for (float f : {e.ElemSx, e.ElemSy, e.ElemZx, e.ElemZy}) EXPECT_EQ(f, 785.3981625f);
  EXPECT_EQ(e.ElemRx, 5.0f);
  EXPECT_EQ(e.ElemRy, 5.0f);
  EXPECT_EQ(e.ElemJ, 15707.96325f);
  for (float f : {e.ElemCw, e.Spare1, e.Spare4, e.ShapeExtra, e.ChannelExtra, e.FilletDepthK}) EXPECT_EQ(f, 0.0f);
  EXPECT_EQ(e.CentroidX, 10.0f);
  EXPECT_EQ(e.CentroidY, 10.0f);
  EXPECT_EQ(e.Angle, 0.0);
  EXPECT_EQ(e.MirrorSign, 1);
  EXPECT_EQ(e.Selected, False);
  EXPECT_EQ(windows::Sheet().CurrentObject.Text, "BAR 20                   ");
}

TEST_F(PlateBar, BarInInches) {
  G.UnitStatus = False;
  Bar([](BarOptionsForm& d) {
    EXPECT_EQ(d.Label1.Caption, "Diameter (in)");
    Type(d.Text1, "1");
    Click(d.Command1);
    EXPECT_EQ(d.Text1.Text, "25.4");
  });
  ExpectPlacing(1);
  EXPECT_EQ(G.Elements[1].NameSI.str(), "BAR 25.4                 ");
  EXPECT_EQ(G.Elements[1].NameImp.str(), "BAR 1                    ");
  EXPECT_EQ(G.Elements[1].Depth, 25.4f);
  EXPECT_EQ(G.Elements[1].NominalSizeSI, 25);
  EXPECT_EQ(G.Elements[1].NominalSizeImp, 1);
  EXPECT_EQ(windows::Sheet().CurrentObject.Text, "BAR 1                    ");
}

TEST_F(PlateBar, BarRefusalsAndZero) {
  struct Case {
    const char* diameter;
    int16_t count;
    bool refused;
  };
  for (const Case& c : {Case{"abc", 0, true}, Case{"", 0, true}, Case{"-20", 0, true}, Case{"40000", 0, true},
                        Case{"1E20", 0, true}, Case{"20", 50, true}, Case{"0", 0, false}, Case{"0", 50, false}}) {
    SetUp();
    G.ElementCount = c.count;
    Bar([&](BarOptionsForm& d) {
      Type(d.Text1, c.diameter);
      Click(d.Command1);
      EXPECT_EQ(d.IsLoaded(), c.refused) << c.diameter;
      if (d.IsLoaded()) {
        EXPECT_EQ(d.Text1.Text, c.diameter);
        Click(d.Command2);
      }
    });
    EXPECT_EQ(h.platform.Messages, c.refused ? std::vector<std::string>{BarMessage} : std::vector<std::string>{})
        << c.diameter;
    EXPECT_EQ(G.ElementCount, c.count);
    EXPECT_EQ(G.PlaceMode, False);
    EXPECT_TRUE(windows::Sheet().TextEntry.Locked);
  }
}

// Worked by hand from the record's formulas: every field of a turned millimetre plate.
TEST_F(PlateBar, Plate150By8TurnedThirtyDegrees) {
  Plate("150", "8", "30");
  ExpectPlacing(1);
  const ElementRecord& e = G.Elements[1];
  EXPECT_EQ(e.NameSI.str(), "PL 150x 8                ");
  // " 5.90551181102362" and " .31496062992126", cut after the 25th character.
  EXPECT_EQ(e.NameImp.str(), "PL 5.90551181102362x .314");
  EXPECT_EQ(e.ShapeType, 50);
  EXPECT_EQ(e.Depth, 8.0f);
  EXPECT_EQ(e.Width, 150.0f);
  EXPECT_EQ(e.FlangeThickness, 8.0f);
  EXPECT_EQ(e.WebThickness, 150.0f);
  // "150" sorts before "8" as text: the width's radius is the inner one.
  EXPECT_EQ(e.InnerRadius, static_cast<float>(150 / Root12));
  EXPECT_EQ(e.OuterRadius, static_cast<float>(8 / Root12));
  EXPECT_EQ(e.Ratio1, 18.75f);
  EXPECT_EQ(e.Ratio2, static_cast<float>(8.0 / 150));
  EXPECT_EQ(e.NominalSizeSI, 8);
  EXPECT_EQ(e.NominalSizeImp, 0);
  EXPECT_EQ(e.MassSI, 9.42f);
  // 9.42 / 1.484 = 6.3477088948..., from the double mass, not from the stored 9.42f.
  EXPECT_EQ(e.MassImp, static_cast<float>(9.42 / 1.484));
  EXPECT_EQ(e.ElemArea, 1200.0f);
  EXPECT_EQ(e.ElemIx, 6400.0f);
  EXPECT_EQ(e.ElemSx, 1600.0f);
  EXPECT_EQ(e.ElemZx, 2400.0f);
  EXPECT_EQ(e.ElemIy, 2250000.0f);
  EXPECT_EQ(e.ElemSy, 30000.0f);
  EXPECT_EQ(e.ElemZy, 45000.0f);
  EXPECT_EQ(e.ElemRx, static_cast<float>(8 / Root12));
  EXPECT_EQ(e.ElemRy, static_cast<float>(150 / Root12));
  // t = 8, b = 150, r = 0.05333...: 512 x 150 x (0.000150756 + 0.9664) / 3 = 24743.699.
  EXPECT_EQ(e.ElemJ, 24743.699f);
  EXPECT_EQ(e.CentroidX, 75.0f);
  EXPECT_EQ(e.CentroidY, 4.0f);
  EXPECT_DOUBLE_EQ(e.Angle, 0.523598775);
  EXPECT_EQ(e.MirrorSign, 1);
  EXPECT_EQ(windows::Sheet().CurrentObject.Text, "PL 150x 8                ");
}

// An inch plate: the boxes become "63.5" and "9.525" and the record is built from them.
TEST_F(PlateBar, Plate2Point5By0Point375Inches) {
  G.UnitStatus = False;
  Plate([](PlateOptionsForm& d) {
    Type(d.Text2, "2.5");
    Type(d.Text3, ".375");
    Click(d.Command1);
    EXPECT_EQ(d.Text2.Text, "63.5");
    EXPECT_EQ(d.Text3.Text, "9.525");
  });
  ExpectPlacing(1);
  const ElementRecord& e = G.Elements[1];
  EXPECT_EQ(e.NameSI.str(), "PL 63.5x 9.525           ");
  EXPECT_EQ(e.NameImp.str(), "PL 2.5x .375             ");
  EXPECT_EQ(e.Width, 63.5f);
  EXPECT_EQ(e.Depth, 9.525f);
  EXPECT_EQ(e.WebThickness, 63.5f);
  EXPECT_EQ(e.FlangeThickness, 9.525f);
  EXPECT_EQ(e.NominalSizeSI, 10);
  EXPECT_EQ(e.NominalSizeImp, 0);
  EXPECT_EQ(e.Ratio1, static_cast<float>(63.5 / 9.525));
  EXPECT_EQ(e.Ratio2, 0.15f);
  EXPECT_EQ(e.ElemArea, static_cast<float>(604.8375));
  EXPECT_EQ(e.ElemIx, static_cast<float>(63.5 * 9.525 * 9.525 * 9.525 / 12));
  EXPECT_EQ(e.ElemIy, static_cast<float>(63.5 * 63.5 * 63.5 * 9.525 / 12));
  EXPECT_EQ(e.MassSI, static_cast<float>(604.8375 * 7850 / 1000000));
  EXPECT_EQ(e.MassImp, static_cast<float>(604.8375 * 7850 / 1000000 / 1.484));
  // From the stored sides: t = 9.525f, b = 63.5, r = 0.15; 864.16 x 63.5 x 0.9066925 / 3.
  EXPECT_FLOAT_EQ(e.ElemJ, 16584.69f);
  EXPECT_EQ(e.CentroidX, 31.75f);
  EXPECT_EQ(e.CentroidY, 9.525f / 2);
  EXPECT_EQ(windows::Sheet().CurrentObject.Text, "PL 2.5x .375             ");
}

TEST_F(PlateBar, Bar1Point25Inches) {
  G.UnitStatus = False;
  Bar([](BarOptionsForm& d) {
    Type(d.Text1, "1.25");
    Click(d.Command1);
    EXPECT_EQ(d.Text1.Text, "31.75");
  });
  ExpectPlacing(1);
  const ElementRecord& e = G.Elements[1];
  const double D = 31.75;
  EXPECT_EQ(e.NameSI.str(), "BAR 31.75                ");
  EXPECT_EQ(e.NameImp.str(), "BAR 1.25                 ");
  for (float f : {e.Depth, e.Width, e.FlangeThickness, e.WebThickness}) EXPECT_EQ(f, 31.75f);
  EXPECT_EQ(e.InnerRadius, 7.9375f);
  EXPECT_EQ(e.OuterRadius, 7.9375f);
  EXPECT_EQ(e.NominalSizeSI, 32);
  EXPECT_EQ(e.NominalSizeImp, 1);
  // 1008.0625 x 24661.5023025 / 4000000 = 6.21508...
  EXPECT_EQ(e.MassSI, static_cast<float>(D * D * 24661.5023025 / 4000000));
  EXPECT_EQ(e.MassImp, static_cast<float>(D * D * 24661.5023025 / 4000000 / 1.484));
  EXPECT_EQ(e.ElemArea, static_cast<float>(3.14159265 * D * D / 4));
  EXPECT_EQ(e.ElemIx, static_cast<float>(3.14159265 * D * D * D * D / 64));
  EXPECT_EQ(e.ElemIy, e.ElemIx);
  for (float f : {e.ElemSx, e.ElemSy, e.ElemZx, e.ElemZy})
    EXPECT_EQ(f, static_cast<float>(3.14159265 * D * D * D / 32));
  EXPECT_EQ(e.ElemRx, 7.9375f);
  EXPECT_EQ(e.ElemRy, 7.9375f);
  EXPECT_EQ(e.ElemJ, static_cast<float>(15.875 * 15.875 * 15.875 * 15.875 * 1.570796325));
  EXPECT_EQ(e.CentroidX, 15.875f);
  EXPECT_EQ(e.CentroidY, 15.875f);
  EXPECT_EQ(windows::Sheet().CurrentObject.Text, "BAR 1.25                 ");
}

// Both nominal sizes go half to even, the inch one after the division by 25.4
// (63.5 / 25.4 is 2.5 exactly; 12.7 / 25.4 is 0.5).
TEST_F(PlateBar, NominalSizesRoundHalfToEven) {
  struct Case {
    const char* size;
    bool inches;
    int16_t si, imp;
  };
  const Case cases[] = {{"63.5", false, 64, 2}, {"12.7", false, 13, 0}, {"2.5", true, 64, 2}, {"0.5", true, 13, 0}};
  for (const Case& c : cases) {
    SetUp();
    G.UnitStatus = c.inches ? False : True;
    Plate("100", c.size);
    EXPECT_EQ(G.Elements[1].NominalSizeSI, c.si) << "plate " << c.size;
    EXPECT_EQ(G.Elements[1].NominalSizeImp, c.imp) << "plate " << c.size;
    SetUp();
    G.UnitStatus = c.inches ? False : True;
    Bar(c.size);
    EXPECT_EQ(G.Elements[1].NominalSizeSI, c.si) << "bar " << c.size;
    EXPECT_EQ(G.Elements[1].NominalSizeImp, c.imp) << "bar " << c.size;
  }
}

}  // namespace
}  // namespace dialogs
