// The number boxes of the dialogs read the user's number format: with a comma as the
// user's decimal separator, "45,5" and "45.5" both read as 45.5. What the program writes
// and reads back itself keeps the point: the settings store, designations and the
// typed-entry box.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/options.h"
#include "app/precision_form.h"
#include "app/settings_store.h"
#include "app_fixture.h"
#include "dialogs/bar_options.h"
#include "dialogs/list_form.h"
#include "dialogs/plate_bar.h"
#include "dialogs/plate_options.h"
#include "dialogs/section_options.h"
#include "dialogs/shape_bar.h"
#include "editor/insert_commands.h"
#include "model/globals.h"
#include "ui/headless/actions.h"
#include "windows/sheet.h"

namespace app {
namespace {

using model::G;
using ui::headless::Click;
using ui::headless::SelectItem;
using ui::headless::Type;

// Typed into a box in a comma locale: the number it is, and that number rounded half to
// even for the boxes that hold whole numbers.
struct Typed {
  const char* text;
  double value;
  int16_t whole;
};
const Typed CommaLocaleTexts[] = {
    {"45,5", 45.5, 46},
    {"45.5", 45.5, 46},
    {" 12,25 ", 12.25, 12},
    {"1,5E2", 150, 150},
};

class CommaLocale : public testing::AppSession {
 protected:
  void SetUp() override {
    AppSession::SetUp();
    ApplySettingDefaults();
    G.AppPath = QUORVANE_DATA_DIR;
    G.UnitStatus = model::True;
    h.platform.UserDecimalSeparator = ",";
  }
  // No element, none being placed.
  void Empty() {
    G.ElementCount = 0;
    G.CurrentElement = 0;
    G.PlaceMode = model::False;
  }

  void Plate(const std::string& width, const std::string& height, const std::string& angle) {
    h.platform.OnModal("PlateBar", [](ui::Form& f) { Click(static_cast<dialogs::PlateBarForm&>(f).PlateCmd); });
    h.platform.OnModal("PlateOptions", [=](ui::Form& f) {
      auto& d = static_cast<dialogs::PlateOptionsForm&>(f);
      Type(d.Text1, angle);
      Type(d.Text2, width);
      Type(d.Text3, height);
      Click(d.Command1);
      if (d.IsLoaded()) Click(d.Command2);
    });
    editor::ShowPlateBar();
  }
  void Bar(const std::string& diameter) {
    h.platform.OnModal("PlateBar", [](ui::Form& f) { Click(static_cast<dialogs::PlateBarForm&>(f).BarCmd); });
    h.platform.OnModal("BarOptions", [=](ui::Form& f) {
      auto& d = static_cast<dialogs::BarOptionsForm&>(f);
      Type(d.Text1, diameter);
      Click(d.Command1);
      if (d.IsLoaded()) Click(d.Command2);
    });
    editor::ShowPlateBar();
  }
  void ShapeTurnedBy(const std::string& angle) {
    h.platform.OnModal("ShapeBar", [](ui::Form& f) { Click(static_cast<dialogs::ShapeBarForm&>(f).WFCmd); });
    h.platform.OnModal("ListForm", [](ui::Form& f) {
      auto& list = static_cast<dialogs::ListFormForm&>(f);
      SelectItem(list.ShapeList, 0);
      Click(list.Command1);
    });
    h.platform.OnModal("SectionOptions", [=](ui::Form& f) {
      auto& d = static_cast<dialogs::SectionOptionsForm&>(f);
      Type(d.Text1, angle);
      Click(d.Command1);
      if (d.IsLoaded()) Click(d.Command2);
    });
    editor::BeginPlaceShape();
  }
  void Settings(const std::string& spacing, const std::string& snap) {
    h.platform.OnModal("Options", [=](ui::Form& f) {
      auto& o = static_cast<OptionsForm&>(f);
      Type(o.Text1, spacing);
      Type(o.Text2, snap);
      Click(o.Command1);
      if (o.IsLoaded()) Click(o.Command2);
    });
    Settings_Click();
  }
  void Precision(const std::string& sx) {
    h.platform.OnModal("frmSITol", [=](ui::Form& f) {
      auto& d = static_cast<PrecisionForm&>(f);
      Type(d.txtSx, sx);
      Click(d.cmdOK);
      if (d.IsLoaded()) Click(d.cmdCancel);
    });
    h.platform.OnModal("Options", [](ui::Form& f) {
      auto& o = static_cast<OptionsForm&>(f);
      Click(o.SITolCmd);
      Click(o.Command2);
    });
    Settings_Click();
  }
  // Each number dialog given `text`: each refuses it with its own message and adds nothing.
  void ExpectEveryDialogRefuses(const std::string& text) {
    SCOPED_TRACE(text);
    h.platform.Messages.clear();
    Plate(text, "10", "0");
    Bar(text);
    ShapeTurnedBy(text);
    Settings(text, "1");
    Precision(text);
    EXPECT_EQ(h.platform.Messages, (std::vector<std::string>{dialogs::PlateMessage, dialogs::BarMessage,
                                                             dialogs::AngleMessage, OptionsMessage, PrecisionMessage}));
    EXPECT_EQ(G.ElementCount, 0);
  }
};

TEST_F(CommaLocale, EveryDialogReadsTheCommaAndThePointAsTheDecimalPoint) {
  for (const Typed& t : CommaLocaleTexts) {
    SCOPED_TRACE(t.text);
    Empty();
    ShapeTurnedBy(t.text);
    ASSERT_EQ(G.ElementCount, 1);
    EXPECT_DOUBLE_EQ(G.Elements[1].Angle, t.value * 3.14159265 / 180);

    Empty();
    Plate(t.text, "10", t.text);
    ASSERT_EQ(G.ElementCount, 1);
    EXPECT_EQ(G.Elements[1].Width, static_cast<float>(t.value));
    EXPECT_DOUBLE_EQ(G.Elements[1].Angle, t.value * 3.14159265 / 180);

    Empty();
    Bar(t.text);
    ASSERT_EQ(G.ElementCount, 1);
    EXPECT_EQ(G.Elements[1].Depth, static_cast<float>(t.value));

    Settings(t.text, t.text);
    EXPECT_EQ(G.GridSpacing, t.whole);
    EXPECT_EQ(G.RotateSnap, t.whole);

    Precision(t.text);
    EXPECT_EQ(G.SISxTol, t.whole);
  }
  EXPECT_TRUE(h.platform.Messages.empty());
}

TEST_F(CommaLocale, DesignationsKeepThePoint) {
  Plate("200,5", "12,5", "0");
  EXPECT_EQ(G.Elements[1].NameSI.str(), "PL 200.5x 12.5           ");
}

TEST_F(CommaLocale, ATextWithTwoDecimalPointsIsRefusedWithTheDialogsMessage) {
  for (const char* text : {"1.234,5", "1,234,5"}) ExpectEveryDialogRefuses(text);
}

// A number has one sign at most: "+-5" is no number, not -5, in either number format.
TEST_F(CommaLocale, ATextWithTwoSignsIsRefusedWithTheDialogsMessage) {
  for (const char* separator : {",", "."}) {
    SCOPED_TRACE(separator);
    h.platform.UserDecimalSeparator = separator;
    for (const char* text : {"+-5", "-+5", "+-5,5", "+-2.5"}) ExpectEveryDialogRefuses(text);
  }
}

TEST_F(CommaLocale, TheSettingsStoreKeepsThePoint) {
  Start();
  G.ZoomScale = 0.25f;
  windows::Sheet().Base.SetScale(-40.5f, 1000, 1200, -1000);
  ASSERT_TRUE(Close());
  EXPECT_EQ(Stored()["ZoomScale"], "0.25");
  EXPECT_EQ(Stored()["ScaleLeft"], "-40.5");
  Start();
  EXPECT_EQ(G.ZoomScale, 0.25f);
  EXPECT_EQ(windows::Sheet().Base.ScaleLeft, -40.5f);
}

}  // namespace
}  // namespace app
