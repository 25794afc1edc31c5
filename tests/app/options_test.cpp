// The Settings window and the two display-precision windows, driven as a user would.

#include "app/options.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/precision_form.h"
#include "app/settings_store.h"
#include "model/globals.h"
#include "model/result_display.h"
#include "model/section_fixture.h"
#include "ui/headless/actions.h"
#include "ui/headless/headless_platform.h"
#include "windows/sheet.h"

namespace app {
namespace {

using model::G;
using model::ResultItem;
using ui::headless::Choose;
using ui::headless::Click;
using ui::headless::PressEnter;
using ui::headless::PressEscape;
using ui::headless::Type;
using windows::Sheet;

class Settings : public ::testing::Test {
 protected:
  void SetUp() override {
    G = model::Globals{};
    windows::ResetSheet();
    ApplySettingDefaults();
  }
  void TearDown() override { EXPECT_TRUE(h.platform.PendingScripts().empty()); }

  // Opens the Settings window and runs `script` in it.
  void Open(std::function<void(OptionsForm&)> script) {
    h.platform.OnModal("Options", [script](ui::Form& f) {
      auto& o = static_cast<OptionsForm&>(f);
      script(o);
      if (o.IsLoaded()) Click(o.Command2);  // what the test left open is cancelled
    });
    Settings_Click();
  }
  // Types the two boxes and presses OK.
  void Confirm(const std::string& spacing, const std::string& snap = "1") {
    Open([&](OptionsForm& o) {
      Type(o.Text1, spacing);
      Type(o.Text2, snap);
      Click(o.Command1);
    });
  }

  ui::headless::ScopedHeadless h;
};

TEST_F(Settings, OpensWithTheSettingsInItsControls) {
  G.ShowGrid = 0;
  G.SnapGrid = 1;
  G.OLapStatus = 0;
  G.ShowXY = 1;
  G.OSnapStatus = 0;
  G.ShowPAxis = 0;
  G.ShowCentroid = 1;
  G.ShowHelp = model::False;
  G.RotateSnap = 15;
  Open([](OptionsForm& o) {
    EXPECT_EQ(o.Caption, "Settings");
    EXPECT_EQ(o.Check1.Value, 0);
    EXPECT_EQ(o.Check2.Value, 1);
    EXPECT_EQ(o.Check3.Value, 0);
    EXPECT_EQ(o.Check4.Value, 1);
    EXPECT_EQ(o.Check5.Value, 0);
    EXPECT_EQ(o.PAxisCheck.Value, 0);
    EXPECT_EQ(o.CentroidCheck.Value, 1);
    EXPECT_EQ(o.chkQuickHelp.Value, 0);
    EXPECT_EQ(o.Text1.Text, "100");
    EXPECT_EQ(o.Label4.Caption, "Grid Spacing (mm):");
    EXPECT_EQ(o.Text2.Text, "15");
    EXPECT_TRUE(o.Option2.Value);
    EXPECT_FALSE(o.Option1.Value);
    EXPECT_TRUE(o.GlobalRotate.Value);
    EXPECT_FALSE(o.LocalRotate.Value);
  });
  G.UnitStatus = model::False;
  G.RotAxis = model::False;
  G.ShowHelp = model::True;
  Open([](OptionsForm& o) {
    EXPECT_EQ(o.Text1.Text, "3.937");  // 100 mm / 25.4 to three decimals
    EXPECT_EQ(o.Label4.Caption, "Grid Spacing (in):");
    EXPECT_EQ(o.chkQuickHelp.Value, 1);
    EXPECT_TRUE(o.Option1.Value);
    EXPECT_FALSE(o.Option2.Value);
    EXPECT_TRUE(o.LocalRotate.Value);
    EXPECT_FALSE(o.GlobalRotate.Value);
  });
}

TEST_F(Settings, GridSpacingAndRotateSnapAreStoredAsWholeNumbersWithTheirFloors) {
  struct Case {
    bool mm;
    const char* spacing;
    const char* snap;
    int16_t gridSpacing, rotateSnap;
  };
  for (const Case& c : {
           Case{true, "5", "1", 10, 1},
           Case{true, "10", "1", 10, 1},
           Case{true, "100.5", "1", 100, 1},  // half to even
           Case{true, "101.5", "1", 102, 1},
           Case{true, "-20", "1", 10, 1},
           Case{false, "3.937", "1", 100, 1},  // 99.9998 mm
           Case{false, "4", "1", 102, 1},      // 101.6 mm
           Case{true, "100", "0", 100, 1},
           Case{true, "100", "-5", 100, 1},
           Case{true, "100", "400", 100, 400},
           Case{true, "100", "7.5", 100, 8},
       }) {
    G.UnitStatus = c.mm ? model::True : model::False;
    G.GridSpacing = 100;
    Confirm(c.spacing, c.snap);
    EXPECT_EQ(G.GridSpacing, c.gridSpacing) << c.spacing;
    EXPECT_EQ(G.RotateSnap, c.rotateSnap) << c.snap;
    EXPECT_TRUE(h.platform.Messages.empty()) << c.spacing;
  }
}

TEST_F(Settings, UnitButtonsConvertTheSpacingAtOnce) {
  Open([](OptionsForm& o) {
    Choose(o.Option1);
    EXPECT_EQ(G.UnitStatus, model::False);
    EXPECT_EQ(o.Text1.Text, "3.937");
    EXPECT_EQ(o.Label4.Caption, "Grid Spacing (in):");
    Choose(o.Option1);  // the same unit again changes nothing
    EXPECT_EQ(o.Text1.Text, "3.937");
    Choose(o.Option2);
    EXPECT_EQ(G.UnitStatus, model::True);
    EXPECT_EQ(o.Text1.Text, "100");  // 3.937 * 25.4 = 99.9998, to three decimals
    EXPECT_EQ(o.Label4.Caption, "Grid Spacing (mm):");
    Choose(o.Option1);
    Type(o.Text1, "4");
    Choose(o.Option2);
    EXPECT_EQ(o.Text1.Text, "101.6");
    // A spacing that is not a number stays as typed; OK then says what it wants.
    Type(o.Text1, "wide");
    Choose(o.Option1);
    EXPECT_EQ(o.Text1.Text, "wide");
    EXPECT_EQ(G.UnitStatus, model::False);
    Click(o.Command2);
  });
  EXPECT_EQ(G.GridSpacing, 100);
}

TEST_F(Settings, TheAxisButtonsEnableTheirOwnCheckBox) {
  Open([](OptionsForm& o) {
    EXPECT_FALSE(o.PAxisCheck.Enabled);
    EXPECT_TRUE(o.CentroidCheck.Enabled);
    Choose(o.LocalRotate);
    EXPECT_TRUE(o.PAxisCheck.Enabled);
    EXPECT_FALSE(o.CentroidCheck.Enabled);
    EXPECT_FALSE(o.GlobalRotate.Value);
    Choose(o.GlobalRotate);
    EXPECT_FALSE(o.PAxisCheck.Enabled);
    EXPECT_TRUE(o.CentroidCheck.Enabled);
    EXPECT_EQ(o.PAxisCheck.Value, 1);  // values stay either way
  });
  G.RotAxis = model::False;
  Open([](OptionsForm& o) {
    EXPECT_TRUE(o.PAxisCheck.Enabled);
    EXPECT_FALSE(o.CentroidCheck.Enabled);
  });
}

TEST_F(Settings, OkWritesEverySettingAndBringsThePanelInLine) {
  Open([](OptionsForm& o) {
    Click(o.Check1);
    Click(o.Check2);
    Click(o.Check3);
    Click(o.Check4);
    Click(o.Check5);
    Click(o.chkQuickHelp);
    Choose(o.LocalRotate);
    Click(o.PAxisCheck);
    Choose(o.Option1);
    Type(o.Text2, "30");
    PressEnter(o);
    EXPECT_FALSE(o.IsLoaded());
  });
  EXPECT_EQ(G.ShowGrid, 0);
  EXPECT_EQ(G.SnapGrid, 1);
  EXPECT_EQ(G.OLapStatus, 0);
  EXPECT_EQ(G.ShowXY, 0);
  EXPECT_EQ(G.OSnapStatus, 0);
  EXPECT_EQ(G.ShowHelp, model::False);
  EXPECT_EQ(G.RotAxis, model::False);
  EXPECT_EQ(G.ShowPAxis, 0);
  EXPECT_EQ(G.ShowCentroid, 1);
  EXPECT_EQ(G.UnitStatus, model::False);
  EXPECT_EQ(G.GridSpacing, 100);
  EXPECT_EQ(G.RotateSnap, 30);
  windows::SheetForm& s = Sheet();
  EXPECT_FALSE(s.XaxisL.Visible);
  EXPECT_FALSE(s.YaxisL.Visible);
  EXPECT_EQ(s.JunitL.Caption, "in");
  EXPECT_EQ(s.SyL.Caption, "Sy':");
  EXPECT_TRUE(s.PhiL.Visible);
  EXPECT_TRUE(h.platform.Messages.empty());
}

TEST_F(Settings, TheRedrawAfterTheWindowShowsTheValuesInTheUnitsNowSet) {
  // A 254 x 25.4 plate: 6451.6 mm2 is 10 in2, 254 mm wide is 10 in.
  G.Elements[1] = model::testing::Plate(254, 25.4f, 100, 100);
  G.ElementCount = 1;
  Open([](OptionsForm& o) {
    Choose(o.Option1);
    Click(o.Command1);
  });
  EXPECT_EQ(Sheet().Area.Caption, " 10");
  EXPECT_EQ(Sheet().b.Caption, " 10");
  EXPECT_EQ(Sheet().AunitL.Caption, "in");
  // Cancel redraws too, in the units that stay.
  Open([](OptionsForm& o) {
    Choose(o.Option2);
    Click(o.Command2);
  });
  EXPECT_EQ(Sheet().Area.Caption, " 10");
}

TEST_F(Settings, AFailingOkKeepsTheWindowOpenWithTheFieldsBeforeItWritten) {
  const std::string message =
      "Please enter the rotation snap angle as an integer between 0 and 360 degrees, and the grid spacing as a "
      "positive decimal or integer (no fractions).";
  // A bad spacing: nothing is written.
  Open([&](OptionsForm& o) {
    Click(o.Check1);
    Type(o.Text1, "1/2");
    Click(o.Command1);
    EXPECT_TRUE(o.IsLoaded());
    EXPECT_EQ(o.Text1.Text, "1/2");
    Type(o.Text1, "");
    PressEnter(o);
    Type(o.Text1, "40000");  // beyond 16 bits
    PressEnter(o);
    EXPECT_TRUE(o.IsLoaded());
  });
  EXPECT_EQ(h.platform.Messages, std::vector<std::string>(3, message));
  EXPECT_EQ(G.ShowGrid, 1);
  // In inches, 1300 in is 33020 mm: beyond 16 bits too.
  h.platform.Messages.clear();
  G.UnitStatus = model::False;
  Open([&](OptionsForm& o) {
    Type(o.Text1, "1300");
    Click(o.Command1);
    EXPECT_TRUE(o.IsLoaded());
  });
  EXPECT_EQ(h.platform.Messages, std::vector<std::string>{message});
  EXPECT_EQ(G.GridSpacing, 100);

  // A bad rotate snap: the spacing and the check boxes are written, the rest is not.
  h.platform.Messages.clear();
  G.UnitStatus = model::True;
  Open([&](OptionsForm& o) {
    Type(o.Text1, "250");
    Click(o.Check1);
    Click(o.Check4);
    Choose(o.LocalRotate);
    Choose(o.Option1);
    Type(o.Text2, "ninety");
    Click(o.Command1);
    EXPECT_TRUE(o.IsLoaded());
    EXPECT_EQ(G.GridSpacing, 250);  // 9.843 in, as the unit change wrote it, is 250.0122 mm
    EXPECT_EQ(G.ShowGrid, 0);
    EXPECT_EQ(G.ShowXY, 0);
    EXPECT_EQ(G.RotAxis, model::False);
    EXPECT_EQ(G.RotateSnap, 1);
    EXPECT_TRUE(Sheet().XaxisL.Visible);
    EXPECT_EQ(Sheet().IxUnitL.Caption, "mm");
    EXPECT_EQ(Sheet().IxL.Caption, "Ix:");
    Type(o.Text2, "100000");
    Click(o.Command1);
    EXPECT_TRUE(o.IsLoaded());
  });
  EXPECT_EQ(h.platform.Messages, std::vector<std::string>(2, message));
}

TEST_F(Settings, AWindowClosedWithoutOkLeavesEverySettingAndTheUnits) {
  const std::function<void(OptionsForm&)> ways[] = {
      [](OptionsForm& o) { Click(o.Command2); },
      [](OptionsForm& o) { PressEscape(o); },
      [](OptionsForm& o) { ui::headless::CloseBox(o); },
  };
  for (const auto& close : ways) {
    Open([&](OptionsForm& o) {
      Click(o.Check1);
      Click(o.Check3);
      Click(o.chkQuickHelp);
      Choose(o.LocalRotate);
      Type(o.Text1, "300");
      Choose(o.Option1);  // the units change at once ...
      EXPECT_EQ(G.UnitStatus, model::False);
      close(o);
      EXPECT_FALSE(o.IsLoaded());
    });
    // ... and go back, so the panel's "mm" labels still tell the truth.
    EXPECT_EQ(G.UnitStatus, model::True);
    EXPECT_EQ(G.ShowGrid, 1);
    EXPECT_EQ(G.OLapStatus, 1);
    EXPECT_EQ(G.ShowHelp, model::True);
    EXPECT_EQ(G.RotAxis, model::True);
    EXPECT_EQ(G.GridSpacing, 100);
    EXPECT_EQ(Sheet().IxUnitL.Caption, "mm");
  }
  // From inches, the same.
  G.UnitStatus = model::False;
  Open([](OptionsForm& o) {
    Choose(o.Option2);
    Click(o.Command2);
  });
  EXPECT_EQ(G.UnitStatus, model::False);
}

// The precision windows.

using Precision = Settings;

// Fills both windows' boxes from the settings, opening one from the Settings window.
void OpenPrecision(ui::headless::HeadlessPlatform& p, bool imperial, std::function<void(PrecisionForm&)> script) {
  p.OnModal(imperial ? "frmImpTol" : "frmSITol", [script](ui::Form& f) {
    auto& d = static_cast<PrecisionForm&>(f);
    script(d);
    if (d.IsLoaded()) Click(d.cmdCancel);
  });
}

TEST_F(Precision, OpenAtTheDefaults) {
  struct Case {
    bool imperial;
    const char* name;
    const char* caption;
    const char* decimalsBox;
    std::vector<std::string> boxes;  // txtA, txtD, txtB, txtX, txtY, txtIx ... in the results' order
  };
  for (const Case& c :
       {Case{false,
             "frmSITol",
             "Set Tolerance for S.I. Units",
             "txtSIPrec",
             {"0", "0", "0", "0", "0", "6", "3", "3", "6", "3", "3", "0", "0", "4", "6"}},
        Case{true, "frmImpTol", "Set Tolerance for Imperial Units", "txtImpPrec", std::vector<std::string>(15, "0")}}) {
    OpenPrecision(h.platform, c.imperial, [&](PrecisionForm& d) {
      EXPECT_EQ(d.Name(), c.name);
      EXPECT_EQ(d.Caption, c.caption);
      EXPECT_EQ(d.txtPrec.Name(), c.decimalsBox);
      EXPECT_EQ(d.txtPrec.Text, "2");
      for (int i = 0; i < 15; ++i) EXPECT_EQ(d.Box(static_cast<ResultItem>(i)).Text, c.boxes[i]) << i;
      EXPECT_EQ(d.txtIx.Text, c.boxes[5]);
      EXPECT_EQ(d.txtRy.Text, c.boxes[12]);
      Click(d.cmdOK);  // unchanged boxes store the same values again
    });
    Open([&](OptionsForm& o) { Click(c.imperial ? o.ImpTolCmd : o.SITolCmd); });
  }
  EXPECT_EQ(G.SIIxTol, 6);
  EXPECT_EQ(G.SIJTol, 4);
  EXPECT_EQ(G.ImpPrec, 2);
  EXPECT_EQ(h.platform.ModalShown, (std::vector<std::string>{"Options", "frmSITol", "Options", "frmImpTol"}));
}

TEST_F(Precision, OkStoresEachBoxAsAWholeNumberInItsOwnSetting) {
  OpenPrecision(h.platform, true, [](PrecisionForm& d) {
    Type(d.txtA, "2.5");  // half to even
    Type(d.txtCw, "3.5");
    Type(d.txtIx, "-4");  // negative exponents are kept
    Type(d.txtY, "7");
    Type(d.txtPrec, "0");
    PressEnter(d);
    EXPECT_FALSE(d.IsLoaded());
  });
  Open([](OptionsForm& o) { Click(o.ImpTolCmd); });
  EXPECT_EQ(G.ImpATol, 2);
  EXPECT_EQ(G.ImpCwTol, 4);
  EXPECT_EQ(G.ImpIxTol, -4);
  EXPECT_EQ(G.ImpYTol, 7);
  EXPECT_EQ(G.ImpXTol, 0);
  EXPECT_EQ(G.ImpPrec, 0);
  // The millimetre settings are apart.
  EXPECT_EQ(G.SIATol, 0);
  EXPECT_EQ(G.SICwTol, 6);
  EXPECT_EQ(G.SIPrec, 2);
}

TEST_F(Precision, ABoxThatIsNotAWholeNumberStopsOkWithTheBoxesBeforeItStored) {
  const std::string message =
      "Please enter all unit tolerance values as integers and decimal tolerance as a positive integer (no fractions).";
  OpenPrecision(h.platform, false, [](PrecisionForm& d) {
    Type(d.txtA, "1");
    Type(d.txtX, "2");
    Type(d.txtY, "");  // after x in the order of the boxes
    Type(d.txtIx, "9");
    Type(d.txtPrec, "4");
    Click(d.cmdOK);
    EXPECT_TRUE(d.IsLoaded());
    EXPECT_EQ(d.txtY.Text, "");
    Type(d.txtY, "3");
    Type(d.txtPrec, "40000");
    Click(d.cmdOK);
    EXPECT_TRUE(d.IsLoaded());
    Click(d.cmdCancel);
  });
  Open([](OptionsForm& o) { Click(o.SITolCmd); });
  EXPECT_EQ(h.platform.Messages, std::vector<std::string>(2, message));
  EXPECT_EQ(G.SIATol, 1);
  EXPECT_EQ(G.SIXTol, 2);
  EXPECT_EQ(G.SIYTol, 3);  // stored by the second OK
  EXPECT_EQ(G.SIIxTol, 9);
  EXPECT_EQ(G.SIPrec, 2);  // the failing box and those after it are not
}

TEST_F(Precision, EscAndCancelStoreNothingAndWhatOkStoredSurvivesCancellingSettings) {
  for (bool imperial : {false, true}) {
    OpenPrecision(h.platform, imperial, [](PrecisionForm& d) {
      Type(d.txtA, "5");
      Type(d.txtPrec, "5");
      PressEscape(d);
      EXPECT_FALSE(d.IsLoaded());
    });
    Open([&](OptionsForm& o) { Click(imperial ? o.ImpTolCmd : o.SITolCmd); });
  }
  EXPECT_EQ(G.SIATol, 0);
  EXPECT_EQ(G.ImpATol, 0);
  EXPECT_EQ(G.SIPrec, 2);
  EXPECT_EQ(G.ImpPrec, 2);

  OpenPrecision(h.platform, false, [](PrecisionForm& d) {
    Type(d.txtJ, "8");
    Click(d.cmdOK);
  });
  Open([](OptionsForm& o) {
    Click(o.SITolCmd);
    Click(o.Command2);
  });
  EXPECT_EQ(G.SIJTol, 8);
}

}  // namespace
}  // namespace app
