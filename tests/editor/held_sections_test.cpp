// Every section the program can hold saves as a file that opens again equal. Elements come
// in by Paste, by the plate and bar windows and from the shape-file rows; each one is either
// refused where it comes in, with that entry's own message, or held, saved through Save and
// opened again after New, value for value.

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "dialogs/bar_options.h"
#include "dialogs/list_form.h"
#include "dialogs/plate_bar.h"
#include "dialogs/plate_options.h"
#include "dialogs/section_options.h"
#include "dialogs/shape_bar.h"
#include "editing_fixture.h"
#include "editor/clip_text.h"
#include "editor/clipboard.h"
#include "editor/documents.h"
#include "editor/insert_commands.h"
#include "model/shape_fixture.h"
#include "ui/headless/actions.h"

namespace editor {
namespace {

using model::G;
using ui::headless::SelectItem;
using ui::headless::Type;

constexpr const char* PasteRefusal = "These elements on the clipboard could not be read and were not pasted: 1.";

// A 300 x 20 plate, and a W310X97 as its shape row gives it.
model::ElementRecord Plate300By20() {
  model::ElementRecord e = model::testing::Plate(300, 20, 0, 0);
  e.NameSI = "PL 300x 20";
  e.NameImp = "PL 11.81102x .7874016";
  return e;
}

model::ElementRecord W310X97() {
  model::ElementRecord e;
  e.NameSI = "W310X97";
  e.NameImp = "W12X65";
  e.ShapeType = 1;
  e.Depth = 307;
  e.Width = 305;
  e.FlangeThickness = 15.4f;
  e.WebThickness = 9.91f;
  e.FilletDepthK = 38.1f;
  e.FilletWidthK1 = 25.4f;
  e.ElemArea = 12300;
  e.ElemIx = 2.22e8f;
  e.ElemIy = 7.24e7f;
  e.CentroidX = 152.5f;
  e.CentroidY = 153.5f;
  e.MirrorSign = 1;
  return e;
}

class HeldSections : public testing::EditingTest {
 protected:
  void SetUp() override {
    EditingTest::SetUp();
    G.AppPath = folder.AppPath();
    G.OLapStatus = 0;
  }

  std::vector<model::ElementRecord> Elements() const {
    return {G.Elements.begin() + 1, G.Elements.begin() + 1 + G.ElementCount};
  }

  // After one entry: either refused with `refusal` and nothing added, or the one element
  // held, and then saved and opened again equal.
  void ExpectRefusedOrSavedEqual(const std::string& what, bool held, const std::string& refusal) {
    SCOPED_TRACE(what);
    if (!held) {
      EXPECT_EQ(platform().Messages, std::vector<std::string>{refusal});
      EXPECT_EQ(G.ElementCount, 0);
      return;
    }
    ASSERT_TRUE(platform().Messages.empty()) << platform().Messages.front();
    ASSERT_EQ(G.ElementCount, 1);
    const std::vector<model::ElementRecord> held_elements = Elements();
    const std::string file = folder.AppPath() + "held.qvn";
    G.FileName.clear();
    platform().FileAnswers.push_back(file);
    Save_Click();
    EXPECT_EQ(G.Modified, model::False);
    New_Click();
    ASSERT_EQ(G.ElementCount, 0);
    platform().FileAnswers.push_back(file);
    Open_Click();
    EXPECT_TRUE(platform().Messages.empty());
    EXPECT_EQ(Elements(), held_elements);
  }

  void Reset() {
    New_Click();
    platform().Messages.clear();
  }

  // Drops the element being placed at (100, 100).
  void Drop() {
    if (G.PlaceMode == model::False) return;
    Move(100, 100);
    Click(100, 100);
  }

  model::testing::ProgramFolder folder;
};

// The clipboard text of `e` with value `field` (numbered from 1, as in the record) written
// as `text`.
std::string ClipTextWith(model::ElementRecord e, int field, const std::string& text) {
  e.Selected = model::True;
  const model::ElementRecord slots[2] = {{}, e};
  std::string clip = WriteClipText(slots, 1);
  size_t start = clip.find(',') + 1;  // after "Shape::,"
  for (int n = 1; n < field; ++n) start = clip.find(',', start) + 1;
  const size_t end = field < 42 ? clip.find(',', start) : clip.find('#', start);
  return clip.replace(start, end - start, text);
}

TEST_F(HeldSections, PastedElementsAreRefusedAtPasteOrSavedAndOpenedEqual) {
  struct Case {
    const char* what;
    model::ElementRecord element;
    int field;  // 3 Depth, 4 Width
    const char* value;
    bool held;
  };
  const model::ElementRecord bar = testing::Bar(20, 0, 0);
  const Case cases[] = {
      {"a plate of depth 0", Plate300By20(), 3, " 0", true},
      {"a plate of depth -10", Plate300By20(), 3, "-10", true},
      {"a plate of width 0", Plate300By20(), 4, " 0", true},
      // 300 x (1E+30)^3 / 12 = 2.5E+91: no single holds its Ix.
      {"a plate of depth 1E+30", Plate300By20(), 3, " 1E+30", false},
      // 40000 has no 16-bit nominal size, but the element carries its own.
      {"a plate 40000 deep", Plate300By20(), 3, " 40000", true},
      // Iy (1E+13)^3 x 20 / 12 = 1.7E+39.
      {"a plate 1E+13 wide", Plate300By20(), 4, " 1E+13", false},
      {"an I-section 47,900 mm wide", W310X97(), 4, " 47900", true},
      {"a bar of 1E-46 mm, a single's 0", bar, 3, " 1E-46", true},
      // The extents place a bar's circle at half its Width: a width of 0, or of up to its
      // diameter either way, keeps its box 20 by 20; 1E+30 puts it 5E+29 away.
      {"a 20 mm bar of width 0", bar, 4, " 0", true},
      {"a 20 mm bar of width -20", bar, 4, "-20", true},
      {"a 20 mm bar 1E+30 wide", bar, 4, " 1E+30", false},
      // Every number is finite in the text, but a depth of 1E+38 times 300 is not a single.
      {"a plate 1E+38 deep", Plate300By20(), 3, " 1E+38", false},
      // A name as the clipboard may hold it, 25 bytes with a line break and a Windows-1252
      // byte.
      {"a name with a line break and an e acute", Plate300By20(), 1, "PL\r\n300\xE9                 ", true},
  };
  for (const Case& c : cases) {
    Reset();
    platform().Clipboard = ClipTextWith(c.element, c.field, c.value);
    Paste_Click();
    ExpectRefusedOrSavedEqual(c.what, c.held, PasteRefusal);
  }
  // The name came in as a document carries it: decoded, without the line break.
  EXPECT_EQ(G.Elements[1].NameSI.str(), "PL300\xC3\xA9" + std::string(25 - 7, ' '));
}

TEST_F(HeldSections, PlatesAndBarsFromTheirWindowsAreRefusedThereOrSavedAndOpenedEqual) {
  struct Case {
    const char* what;
    bool plate;
    const char* width;  // or the bar's diameter
    const char* height;
    bool held;
  };
  const Case cases[] = {
      {"a 200 x 12 plate", true, "200", "12", true},
      {"a 20 mm bar", false, "20", "", true},
      // Stored as singles, 1E-46 is 0: not the positive size the window asks for.
      {"a bar of 1E-46 mm", false, "1E-46", "", false},
      {"a plate 1E-46 thick", true, "200", "1E-46", false},
      // 1E-40 is a single (a subnormal one), and the bar's properties are 0 as singles.
      {"a bar of 1E-40 mm", false, "1E-40", "", true},
      {"a plate 1E+30 deep", true, "200", "1E+30", false},  // no 16-bit nominal size
      {"a bar 40000 across", false, "40000", "", false},    // the same
      {"a plate 1E+7 wide", true, "1E+7", "20", true},      // Iy (1E+7)^3 x 20 / 12 = 1.7E+22
  };
  for (const Case& c : cases) {
    Reset();
    if (c.plate) {
      platform().OnModal("PlateBar",
                         [](ui::Form& f) { ui::headless::Click(static_cast<dialogs::PlateBarForm&>(f).PlateCmd); });
      platform().OnModal("PlateOptions", [&c](ui::Form& f) {
        auto& d = static_cast<dialogs::PlateOptionsForm&>(f);
        Type(d.Text2, c.width);
        Type(d.Text3, c.height);
        ui::headless::Click(d.Command1);
        if (d.IsLoaded()) ui::headless::Click(d.Command2);
      });
    } else {
      platform().OnModal("PlateBar",
                         [](ui::Form& f) { ui::headless::Click(static_cast<dialogs::PlateBarForm&>(f).BarCmd); });
      platform().OnModal("BarOptions", [&c](ui::Form& f) {
        auto& d = static_cast<dialogs::BarOptionsForm&>(f);
        Type(d.Text1, c.width);
        ui::headless::Click(d.Command1);
        if (d.IsLoaded()) ui::headless::Click(d.Command2);
      });
    }
    ShowPlateBar();
    Drop();
    ExpectRefusedOrSavedEqual(c.what, c.held, c.plate ? dialogs::PlateMessage : dialogs::BarMessage);
  }
}

TEST_F(HeldSections, ShapeRowsAreRefusedWhenLoadedOrSavedAndOpenedEqual) {
  struct Case {
    const char* what;
    bool tube;         // the first row of the shipped CHS.DAT, else the W310X97 row of W.DAT
    const char* from;  // replaced in the row
    const char* to;
    bool held;
  };
  const Case cases[] = {
      {"the W310X97 as the table gives it", false, "", "", true},
      {"a W310X97 47,900 mm wide", false, ",305,", ",47900,", true},
      // 47900 x 1E+30^3 / 12 overflows.
      {"a W310X97 1E+30 deep", false, ",307,", ",1E+30,", false},
      {"a name in Windows-1252", false, "W310X97", "W310X97\xE9", true},
      {"the round tube HSS711.2X25.4 as shipped", true, "", "", true},
      // Its circle would lie 5E+29 to the right: (5E+29)^3 x 711 / 12 overflows.
      {"an HSS711.2X25.4 1E+30 wide", true, ",17,711,711,", ",17,711,1E+30,", false},
  };
  std::string tube_row;
  std::getline(std::ifstream(std::string(QUORVANE_DATA_DIR) + "Shapes/CHS.DAT"), tube_row);
  ASSERT_TRUE(tube_row.starts_with("HSS711.2X25.4,17,711,711,")) << tube_row;
  for (const Case& c : cases) {
    Reset();
    const std::string file = c.tube ? "CHS.DAT" : "W.DAT";
    std::string row = c.tube ? tube_row : model::testing::IRow;
    if (*c.from) row.replace(row.find(c.from), std::string(c.from).size(), c.to);
    folder.Write(file, row + "\n");
    platform().OnModal("ShapeBar", [&c](ui::Form& f) {
      auto& bar = static_cast<dialogs::ShapeBarForm&>(f);
      ui::headless::Click(c.tube ? bar.CHSCmd : bar.WFCmd);
      if (f.IsLoaded()) ui::headless::PressEscape(f);  // the file was refused: the window stays
    });
    if (c.held) {
      platform().OnModal("ListForm", [](ui::Form& f) {
        auto& list = static_cast<dialogs::ListFormForm&>(f);
        SelectItem(list.ShapeList, 0);
        ui::headless::Click(list.Command1);
      });
      platform().OnModal("SectionOptions",
                         [](ui::Form& f) { ui::headless::Click(static_cast<dialogs::SectionOptionsForm&>(f).Command1); });
    }
    BeginPlaceShape();
    Drop();
    ExpectRefusedOrSavedEqual(
        c.what, c.held,
        "The shape file \"" + folder.Path(file) +
            "\" could not be read: row 1 has sizes too large to calculate. No shapes were loaded.");
  }
}

}  // namespace
}  // namespace editor
