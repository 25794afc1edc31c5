// The walk from the shape command through the family, list and section-options windows
// to a new element being placed, and every way out of it that builds nothing.

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "dialogs/list_form.h"
#include "dialogs/section_options.h"
#include "dialogs/shape_bar.h"
#include "editor/insert_commands.h"
#include "model/globals.h"
#include "model/shape_file.h"
#include "model/shape_fixture.h"
#include "ui/headless/actions.h"
#include "ui/headless/headless_platform.h"
#include "windows/sheet.h"

namespace dialogs {
using namespace model;
namespace {

using ui::headless::Choose;
using ui::headless::Click;
using ui::headless::CloseBox;
using ui::headless::HeadlessPlatform;
using ui::headless::PressEnter;
using ui::headless::PressEscape;
using ui::headless::ScopedHeadless;
using ui::headless::SelectItem;
using ui::headless::Type;

constexpr const char* PlacePrompt = "Click in Drawing Area to place object, or use Text Entry Box to the right.";

ShapeBarForm& AsBar(ui::Form& f) { return static_cast<ShapeBarForm&>(f); }
ListFormForm& AsList(ui::Form& f) { return static_cast<ListFormForm&>(f); }
SectionOptionsForm& AsOptions(ui::Form& f) { return static_cast<SectionOptionsForm&>(f); }

int IndexOf(const ui::ListBox& list, const std::string& name) {
  for (int i = 0; i < list.ListCount(); ++i)
    if (list.List(i) == String25(name).str()) return i;
  return -1;
}

// Two elements already in the section; slot 3, which the new element takes, was used
// before by a selected element that has since been erased.
class PlaceShape : public ::testing::Test {
 protected:
  void SetUp() override {
    G = Globals{};
    windows::ResetSheet();
    G.AppPath = QUORVANE_DATA_DIR;
    G.UnitStatus = True;
    G.ElementCount = 2;
    G.Elements[1].ShapeType = 50;
    G.Elements[2].ShapeType = 51;
    G.Elements[3].NameSI = "OLD";
    G.Elements[3].Selected = True;
    G.Elements[3].PosX = 120;
    G.Elements[3].PosY = -40;
    G.Elements[3].Angle = 2;
    G.Elements[3].MirrorSign = 1;
    slot3 = G.Elements[3];
  }

  void ExpectNothingBuilt() {
    EXPECT_EQ(G.ElementCount, 2);
    EXPECT_EQ(G.CurrentElement, 0);
    EXPECT_EQ(G.PlaceMode, False);
    EXPECT_EQ(G.Elements[3].NameSI, slot3.NameSI);
    EXPECT_EQ(G.Elements[3].ShapeType, 0);
    EXPECT_EQ(windows::Sheet().TextEntry.BackColor, ButtonFace);
    EXPECT_TRUE(windows::Sheet().TextEntry.Locked);
    EXPECT_TRUE(h.platform.PendingScripts().empty());
  }

  ScopedHeadless h;
  ElementRecord slot3;
};

TEST_F(PlaceShape, BuildsAMirroredWShapeTurnedNinetyDegrees) {
  windows::Sheet().Left = 1000;
  windows::Sheet().Top = 2000;
  int row = 0;
  h.platform.OnModal("ShapeBar", [](ui::Form& f) {
    ShapeBarForm& bar = AsBar(f);
    EXPECT_EQ(bar.Left, 1700);
    EXPECT_EQ(bar.Top, 2720);
    EXPECT_TRUE(bar.KeyPreview);
    Click(bar.WFCmd);
  });
  h.platform.OnModal("ListForm", [&](ui::Form& f) {
    ListFormForm& list = AsList(f);
    EXPECT_EQ(list.ShapeList.ListCount(), G.ShapeTable[1].ShapeCount - 1);
    EXPECT_EQ(list.ShapeList.ListIndex, -1);
    const int k = IndexOf(list.ShapeList, "W310X97");
    ASSERT_GE(k, 0);
    row = k + 1;
    SelectItem(list.ShapeList, k);
    Click(list.Command1);
  });
  h.platform.OnModal("SectionOptions", [](ui::Form& f) {
    SectionOptionsForm& options = AsOptions(f);
    EXPECT_EQ(G.ElementCount, 2);  // the new element counts only once it is built
    EXPECT_EQ(options.Text1.Text, "0");
    EXPECT_TRUE(options.Option2.Value);
    Type(options.Text1, "90");
    Choose(options.Option1);
    Click(options.Command1);
  });
  editor::BeginPlaceShape();

  EXPECT_EQ(h.platform.ModalShown, (std::vector<std::string>{"ShapeBar", "ListForm", "SectionOptions"}));
  EXPECT_TRUE(h.platform.Messages.empty());
  EXPECT_TRUE(h.platform.PendingScripts().empty());
  ASSERT_GT(row, 0);
  EXPECT_EQ(G.ElementCount, 3);
  EXPECT_EQ(G.CurrentElement, 3);
  EXPECT_EQ(G.PlaceMode, True);

  // Every field the row carries, copied whole; angle and mirror from the options; the
  // slot's old position kept for the placing to overwrite; not selected.
  ElementRecord expected = G.ShapeTable[static_cast<size_t>(row)];
  expected.Angle = 90 * 3.14159265 / 180;
  expected.MirrorSign = -1;
  expected.Selected = False;
  expected.PosX = 120;
  expected.PosY = -40;
  expected.ShapeCount = slot3.ShapeCount;
  const ElementRecord& e = G.Elements[3];
  EXPECT_TRUE(e == expected);
  EXPECT_EQ(e.NameSI.str(), "W310X97                  ");
  EXPECT_EQ(e.ShapeType, 1);
  EXPECT_EQ(e.Depth, 307.0f);
  EXPECT_EQ(e.Width, 305.0f);
  EXPECT_EQ(e.ElemIx, 222000000.0f);
  EXPECT_EQ(e.NameImp.str(), "W12X65                   ");
  EXPECT_DOUBLE_EQ(e.Angle, 1.570796325);
  EXPECT_EQ(e.MirrorSign, -1);
  EXPECT_EQ(e.Selected, False);

  EXPECT_EQ(windows::Sheet().CurrentObject.Text, "W310X97                  ");
  EXPECT_EQ(windows::Sheet().TextEntry.BackColor, White);
  EXPECT_FALSE(windows::Sheet().TextEntry.Locked);
  EXPECT_TRUE(windows::Sheet().TextEntry.HasFocus());
}

TEST_F(PlaceShape, InInchModeListsAndShowsTheInchDesignations) {
  G.UnitStatus = False;
  h.platform.OnModal("ShapeBar", [](ui::Form& f) { Click(AsBar(f).WFCmd); });
  h.platform.OnModal("ListForm", [](ui::Form& f) {
    ListFormForm& list = AsList(f);
    EXPECT_EQ(IndexOf(list.ShapeList, "W310X97"), -1);
    const int k = IndexOf(list.ShapeList, "W12X65");
    ASSERT_GE(k, 0);
    SelectItem(list.ShapeList, k);
    PressEnter(list);
  });
  h.platform.OnModal("SectionOptions", [](ui::Form& f) { PressEnter(f); });
  editor::BeginPlaceShape();
  EXPECT_EQ(G.ElementCount, 3);
  EXPECT_EQ(G.Elements[3].NameSI.str(), "W310X97                  ");
  EXPECT_EQ(G.Elements[3].Angle, 0.0);
  EXPECT_EQ(G.Elements[3].MirrorSign, 1);
  EXPECT_EQ(windows::Sheet().CurrentObject.Text, "W12X65                   ");
}

TEST_F(PlaceShape, WithQuickHelpThePromptReplacesTheDesignation) {
  G.ShowHelp = True;
  h.platform.OnModal("ShapeBar", [](ui::Form& f) { Click(AsBar(f).LCmd); });
  h.platform.OnModal("ListForm", [](ui::Form& f) { ui::headless::DoubleClickItem(AsList(f).ShapeList, 0); });
  h.platform.OnModal("SectionOptions", [](ui::Form& f) { Click(AsOptions(f).Command1); });
  editor::BeginPlaceShape();
  EXPECT_EQ(G.ElementCount, 3);
  EXPECT_EQ(G.Elements[3].ShapeType, 8);
  EXPECT_EQ(windows::Sheet().CurrentObject.Text, PlacePrompt);
}

struct CancelPath {
  const char* name;
  std::function<void(HeadlessPlatform&)> scripts;
};
void PrintTo(const CancelPath& p, std::ostream* os) { *os << p.name; }

class PlaceShapeCancel : public PlaceShape, public ::testing::WithParamInterface<CancelPath> {};

TEST_P(PlaceShapeCancel, BuildsNothing) {
  G.ShowHelp = True;
  GetParam().scripts(h.platform);
  editor::BeginPlaceShape();
  ExpectNothingBuilt();
  // The prompt comes also when nothing is being placed.
  EXPECT_EQ(windows::Sheet().CurrentObject.Text, PlacePrompt);
}

// Picks the first W row and confirms it in the list window.
void ChooseFirstRow(HeadlessPlatform& p) {
  p.OnModal("ShapeBar", [](ui::Form& f) { Click(AsBar(f).WFCmd); });
  p.OnModal("ListForm", [](ui::Form& f) {
    SelectItem(AsList(f).ShapeList, 0);
    Click(AsList(f).Command1);
  });
}

INSTANTIATE_TEST_SUITE_P(
    Paths, PlaceShapeCancel,
    ::testing::Values(
        CancelPath{"EscInTheFamilyWindow",
                   [](HeadlessPlatform& p) { p.OnModal("ShapeBar", [](ui::Form& f) { PressEscape(f); }); }},
        CancelPath{"FamilyWindowCloseBox",
                   [](HeadlessPlatform& p) { p.OnModal("ShapeBar", [](ui::Form& f) { CloseBox(f); }); }},
        CancelPath{"FamilyWindowLosesTheFocus",
                   [](HeadlessPlatform& p) { p.OnModal("ShapeBar", [](ui::Form& f) { f.LostFocus(); }); }},
        CancelPath{"ListCancel",
                   [](HeadlessPlatform& p) {
                     p.OnModal("ShapeBar", [](ui::Form& f) { Click(AsBar(f).CCmd); });
                     p.OnModal("ListForm", [](ui::Form& f) {
                       SelectItem(AsList(f).ShapeList, 2);
                       Click(AsList(f).Command2);
                     });
                   }},
        CancelPath{"EscInTheList",
                   [](HeadlessPlatform& p) {
                     p.OnModal("ShapeBar", [](ui::Form& f) { Click(AsBar(f).TCmd); });
                     p.OnModal("ListForm", [](ui::Form& f) {
                       SelectItem(AsList(f).ShapeList, 2);
                       PressEscape(f);
                     });
                   }},
        CancelPath{"ListCloseBox",
                   [](HeadlessPlatform& p) {
                     p.OnModal("ShapeBar", [](ui::Form& f) { Click(AsBar(f).HSSCmd); });
                     p.OnModal("ListForm", [](ui::Form& f) { CloseBox(f); });
                   }},
        CancelPath{"ListOkWithNothingSelected",
                   [](HeadlessPlatform& p) {
                     p.OnModal("ShapeBar", [](ui::Form& f) { Click(AsBar(f).CHSCmd); });
                     p.OnModal("ListForm", [](ui::Form& f) { Click(AsList(f).Command1); });
                     p.OnModal("SectionOptions", [](ui::Form& f) {
                       EXPECT_EQ(G.ElementCount, 2);
                       Click(AsOptions(f).Command1);
                     });
                   }},
        CancelPath{"OptionsCancel",
                   [](HeadlessPlatform& p) {
                     ChooseFirstRow(p);
                     p.OnModal("SectionOptions", [](ui::Form& f) {
                       Type(AsOptions(f).Text1, "45");
                       Click(AsOptions(f).Command2);
                     });
                   }},
        CancelPath{"EscInTheOptions",
                   [](HeadlessPlatform& p) {
                     ChooseFirstRow(p);
                     p.OnModal("SectionOptions", [](ui::Form& f) { PressEscape(f); });
                   }},
        CancelPath{"OptionsCloseBox",
                   [](HeadlessPlatform& p) {
                     ChooseFirstRow(p);
                     p.OnModal("SectionOptions", [](ui::Form& f) {
                       Choose(AsOptions(f).Option1);
                       EXPECT_TRUE(CloseBox(f));
                     });
                   }}),
    [](const ::testing::TestParamInfo<CancelPath>& info) { return info.param.name; });

// The list window on its own, over a small table loaded from a fixture.
class ChooseShape : public ::testing::Test {
 protected:
  void SetUp() override {
    G = Globals{};
    windows::ResetSheet();
    G.UnitStatus = True;
    folder.Write("C.DAT", std::string(model::testing::ChannelRow) + "\n" + model::testing::IRow + "\n");
    ASSERT_TRUE(LoadShapeFile(folder.Path("C.DAT")));
  }

  // Chooses row 2 and answers the options window with `options`.
  void Run(std::function<void(SectionOptionsForm&)> options) {
    h.platform.OnModal("ListForm", [](ui::Form& f) {
      SelectItem(AsList(f).ShapeList, 1);
      Click(AsList(f).Command1);
    });
    h.platform.OnModal("SectionOptions", [options](ui::Form& f) { options(AsOptions(f)); });
    ListFormForm list;
    list.ShapeList.AddItem(G.ShapeTable[1].NameSI.str());
    list.ShapeList.AddItem(G.ShapeTable[2].NameSI.str());
    ui::ShowModal(list);
    EXPECT_FALSE(list.IsLoaded());
  }

  ScopedHeadless h;
  model::testing::ProgramFolder folder;
};

TEST_F(ChooseShape, TakesTheAngleAsTyped) {
  struct Case {
    const char* text;
    double radians;
  };
  for (const Case& c : {Case{"90", 1.570796325}, Case{"45.5", 45.5 * 3.14159265 / 180},
                        Case{"-30", -30 * 3.14159265 / 180}, Case{"720", 12.5663706}, Case{" 1E1 ", 0.174532925}}) {
    SetUp();
    Run([&](SectionOptionsForm& o) {
      Type(o.Text1, c.text);
      PressEnter(o);
    });
    EXPECT_EQ(G.ElementCount, 1) << c.text;
    EXPECT_DOUBLE_EQ(G.Elements[1].Angle, c.radians) << c.text;
    EXPECT_EQ(G.Elements[1].MirrorSign, 1) << c.text;
    EXPECT_EQ(G.Elements[1].ChannelExtra, 0.0f) << c.text;  // the I row, not the channel before it
    EXPECT_EQ(G.Elements[1].NameSI.str(), "W310X97                  ") << c.text;
  }
}

TEST_F(ChooseShape, RefusesAnAngleThatIsNoNumberAndStaysOpen) {
  Run([this](SectionOptionsForm& o) {
    for (const char* bad : {"", "abc", "90 deg", "1E400", "1,5"}) {
      Type(o.Text1, bad);
      Click(o.Command1);
      EXPECT_TRUE(o.IsLoaded()) << bad;
      EXPECT_EQ(o.Text1.Text, bad);
    }
    EXPECT_EQ(h.platform.Messages, std::vector<std::string>(5, AngleMessage));
    Type(o.Text1, "30");
    Choose(o.Option1);
    Click(o.Command1);
  });
  EXPECT_EQ(G.ElementCount, 1);
  EXPECT_DOUBLE_EQ(G.Elements[1].Angle, 30 * 3.14159265 / 180);
  EXPECT_EQ(G.Elements[1].MirrorSign, -1);
}

// The mirror choice is stored before the angle is read, so a refused angle has already
// written it into the new slot; a Cancel then builds nothing and leaves it there.
TEST_F(ChooseShape, MirrorIsWrittenBeforeARefusedAngle) {
  G.Elements[1].MirrorSign = 1;
  Run([this](SectionOptionsForm& o) {
    Choose(o.Option1);
    Type(o.Text1, "abc");
    Click(o.Command1);
    EXPECT_TRUE(o.IsLoaded());
    EXPECT_EQ(h.platform.Messages, std::vector<std::string>{AngleMessage});
    EXPECT_EQ(G.Elements[1].MirrorSign, -1);
    EXPECT_EQ(G.Elements[1].ShapeType, 0);
    Click(o.Command2);
  });
  EXPECT_EQ(G.ElementCount, 0);
  EXPECT_EQ(G.PlaceMode, False);
  EXPECT_EQ(G.Elements[1].MirrorSign, -1);
  EXPECT_EQ(G.Elements[1].ShapeType, 0);
}

TEST_F(ChooseShape, WithFiftyElementsNoFiftyFirstIsEverCounted) {
  G.ElementCount = 50;
  const ElementRecord last = G.Elements[50];
  Run([this](SectionOptionsForm& o) {
    EXPECT_EQ(G.ElementCount, 50);
    Click(o.Command1);
    Type(o.Text1, "90");
    PressEnter(o);
    EXPECT_TRUE(o.IsLoaded());
    EXPECT_EQ(G.ElementCount, 50);
    EXPECT_EQ(h.platform.Messages, std::vector<std::string>(2, AngleMessage));
    PressEscape(o);
  });
  EXPECT_EQ(G.ElementCount, 50);
  EXPECT_EQ(G.PlaceMode, False);
  EXPECT_TRUE(G.Elements[50] == last);
}

TEST_F(ChooseShape, WithFiftyElementsTheCloseBoxLeavesFifty) {
  G.ElementCount = 50;
  Run([](SectionOptionsForm& o) { CloseBox(o); });
  EXPECT_EQ(G.ElementCount, 50);
  EXPECT_EQ(G.PlaceMode, False);
}

// The family buttons, over a program folder of small fixture files.
class FamilyButtons : public ::testing::Test {
 protected:
  void SetUp() override {
    G = Globals{};
    windows::ResetSheet();
    G.AppPath = folder.AppPath();
    G.UnitStatus = True;
  }
  ScopedHeadless h;
  model::testing::ProgramFolder folder;
};

TEST_F(FamilyButtons, EachReadsItsOwnFile) {
  struct Family {
    const char* file;
    void (*press)(ShapeBarForm&);
  };
  const Family families[] = {
      {"W.DAT", [](ShapeBarForm& b) { Click(b.WFCmd); }},    {"C.DAT", [](ShapeBarForm& b) { Click(b.CCmd); }},
      {"L.DAT", [](ShapeBarForm& b) { Click(b.LCmd); }},     {"T.DAT", [](ShapeBarForm& b) { Click(b.TCmd); }},
      {"HSS.DAT", [](ShapeBarForm& b) { Click(b.HSSCmd); }}, {"CHS.DAT", [](ShapeBarForm& b) { Click(b.CHSCmd); }}};
  for (const Family& family : families) {
    std::string row = model::testing::IRow;
    row.replace(0, 7, std::string("FROM ") + family.file);
    folder.Write(family.file, row + "\n");
  }
  for (const Family& family : families) {
    std::vector<std::string> listed;
    h.platform.OnModal("ShapeBar", [&](ui::Form& f) { family.press(AsBar(f)); });
    h.platform.OnModal("ListForm", [&](ui::Form& f) {
      listed = AsList(f).ShapeList.Items;
      Click(AsList(f).Command2);
    });
    editor::BeginPlaceShape();
    EXPECT_EQ(listed, std::vector<std::string>{String25(std::string("FROM ") + family.file).str()}) << family.file;
  }
  EXPECT_EQ(G.ElementCount, 0);
}

TEST_F(FamilyButtons, ReadTheFileAgainAtEveryPress) {
  std::vector<std::string> listed;
  auto press = [&] {
    h.platform.OnModal("ShapeBar", [](ui::Form& f) { Click(AsBar(f).WFCmd); });
    h.platform.OnModal("ListForm", [&](ui::Form& f) {
      listed = AsList(f).ShapeList.Items;
      PressEscape(f);
    });
    editor::BeginPlaceShape();
  };
  folder.Write("W.DAT", model::testing::NumberedFile(500));
  press();
  ASSERT_EQ(listed.size(), 500u);
  EXPECT_EQ(listed[499], String25("S500").str());
  EXPECT_EQ(G.ShapeTable[1].ShapeCount, 501);

  folder.Write("W.DAT", model::testing::NumberedRow(7) + "\n");
  G.UnitStatus = False;
  press();
  EXPECT_EQ(listed, std::vector<std::string>{String25("I7").str()});
  EXPECT_EQ(G.ShapeTable[1].ShapeCount, 2);
  EXPECT_EQ(G.ShapeTable[500].NameSI, String25("S500"));  // older rows stay, unlisted
}

TEST_F(FamilyButtons, AFileThatCannotBeLoadedOpensNoList) {
  folder.Write("W.DAT", model::testing::NumberedFile(2));
  h.platform.OnModal("ShapeBar", [](ui::Form& f) { Click(AsBar(f).WFCmd); });
  h.platform.OnModal("ListForm", [](ui::Form& f) { PressEscape(f); });
  editor::BeginPlaceShape();
  const int16_t count = G.ShapeTable[1].ShapeCount;

  folder.Write("C.DAT", std::string(model::testing::ChannelRow) + "\n" + "C380X74,6,381");
  h.platform.OnModal("ShapeBar", [](ui::Form& f) {
    Click(AsBar(f).CCmd);
    EXPECT_TRUE(f.IsLoaded());  // the user may choose another family
    Click(AsBar(f).LCmd);       // L.DAT is missing
    EXPECT_TRUE(f.IsLoaded());
    PressEscape(f);
  });
  editor::BeginPlaceShape();
  EXPECT_EQ(h.platform.ModalShown, (std::vector<std::string>{"ShapeBar", "ListForm", "ShapeBar"}));
  ASSERT_EQ(h.platform.Messages.size(), 2u);
  EXPECT_NE(h.platform.Messages[0].find(folder.Path("C.DAT")), std::string::npos);
  EXPECT_NE(h.platform.Messages[1].find(folder.Path("L.DAT")), std::string::npos);
  EXPECT_EQ(G.ShapeTable[1].ShapeCount, count);
  EXPECT_EQ(G.ShapeTable[1].NameSI, String25("S1"));
  EXPECT_EQ(G.ElementCount, 0);
}

}  // namespace
}  // namespace dialogs
