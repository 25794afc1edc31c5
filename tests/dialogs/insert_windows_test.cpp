// Captions, sizes, places and tab order of the six windows that insert elements, and the
// pictures on their buttons.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/bar_options.h"
#include "dialogs/list_form.h"
#include "dialogs/plate_bar.h"
#include "dialogs/plate_options.h"
#include "dialogs/section_options.h"
#include "dialogs/shape_bar.h"
#include "ui/headless/headless_platform.h"
#include "windows/shape_icons.h"

namespace dialogs {
namespace {

struct Place {
  const char* name;
  float left, top, width, height;
  int16_t tab;
  const char* caption;  // null: not checked (no caption, or a list or text box)
};

std::string CaptionOf(const ui::Control& c) {
  switch (c.Kind()) {
    case ui::ControlKind::Label:
      return static_cast<const ui::Label&>(c).Caption;
    case ui::ControlKind::CommandButton:
      return static_cast<const ui::CommandButton&>(c).Caption;
    case ui::ControlKind::OptionButton:
      return static_cast<const ui::OptionButton&>(c).Caption;
    case ui::ControlKind::TextBox:
      return static_cast<const ui::TextBox&>(c).Text;
    default:
      return "";
  }
}

void ExpectWindow(const ui::Form& f, const char* caption, float clientWidth, float clientHeight,
                  const std::vector<Place>& places) {
  SCOPED_TRACE(f.Name());
  EXPECT_EQ(f.Caption, caption);
  EXPECT_EQ(f.BorderStyle, ui::BorderStyles::FixedDialog);
  EXPECT_TRUE(f.ControlBox);
  EXPECT_FALSE(f.MinButton);
  EXPECT_FALSE(f.MaxButton);
  EXPECT_EQ(f.ScaleWidth(), clientWidth);
  EXPECT_EQ(f.ScaleHeight(), clientHeight);
  EXPECT_EQ(f.Controls().size(), places.size());
  for (const Place& p : places) {
    const ui::Control* c = f.Find(p.name);
    ASSERT_NE(c, nullptr) << p.name;
    EXPECT_EQ(c->Left, p.left) << p.name;
    EXPECT_EQ(c->Top, p.top) << p.name;
    EXPECT_EQ(c->Width, p.width) << p.name;
    EXPECT_EQ(c->Height, p.height) << p.name;
    EXPECT_EQ(c->TabIndex, p.tab) << p.name;
    if (p.caption) {
      EXPECT_EQ(CaptionOf(*c), p.caption) << p.name;
    }
  }
}

TEST(InsertWindows, ShapeFamilyWindow) {
  ui::headless::ScopedHeadless h;
  ShapeBarForm f;
  ExpectWindow(f, "Shape Type", 2850, 450,
               {{"WFCmd", 0, 0, 435, 435, 0, ""},
                {"CCmd", 480, 0, 435, 435, 1, ""},
                {"LCmd", 960, 0, 435, 435, 2, ""},
                {"TCmd", 1440, 0, 435, 435, 3, ""},
                {"HSSCmd", 1920, 0, 435, 435, 4, ""},
                {"CHSCmd", 2400, 0, 435, 435, 5, ""}});
  for (const ui::CommandButton* b : {&f.WFCmd, &f.CCmd, &f.LCmd, &f.TCmd, &f.HSSCmd, &f.CHSCmd}) {
    EXPECT_EQ(b->Picture.Width, 24) << b->Name();
    EXPECT_EQ(b->Picture.Height, 24) << b->Name();
  }
  EXPECT_EQ(f.WFCmd.Picture.Pixels, windows::WideFlangeIcon().Pixels);
  EXPECT_EQ(f.CHSCmd.Picture.Pixels, windows::RingIcon().Pixels);
}

TEST(InsertWindows, ListAndSectionOptions) {
  ui::headless::ScopedHeadless h;
  ListFormForm list;
  ExpectWindow(list, "Choose Shape", 2355, 3945,
               {{"ShapeList", 60, 45, 2235, 3180, 0, nullptr},
                {"Command1", 135, 3345, 975, 495, 1, "OK"},
                {"Command2", 1230, 3345, 990, 510, 2, "Cancel"}});
  EXPECT_EQ(list.ShapeList.ListIndex, -1);
  SectionOptionsForm options(list.ShapeList, 1);
  ExpectWindow(options, "Section Options", 3150, 1755,
               {{"Label1", 120, 105, 1920, 300, 0, "Rotation Angle (Degrees):"},
                {"Text1", 2340, 75, 600, 285, 1, "0"},
                {"Label2", 120, 585, 2220, 270, 2, "Mirror Section About Y-Y Axis:"},
                {"Option1", 2400, 555, 915, 285, 3, "Yes"},
                {"Option2", 2400, 870, 930, 255, 4, " No"},
                {"Command1", 360, 1200, 1050, 405, 5, "OK"},
                {"Command2", 1680, 1200, 1050, 405, 6, "Cancel"}});
  EXPECT_FALSE(options.Option1.Value);
  EXPECT_TRUE(options.Option2.Value);
}

TEST(InsertWindows, PlateAndBarWindows) {
  ui::headless::ScopedHeadless h;
  PlateBarForm bar;
  ExpectWindow(bar, "Shape Type", 2850, 450,
               {{"PlateCmd", 0, 0, 435, 435, 0, ""}, {"BarCmd", 480, 0, 435, 435, 1, ""}});
  EXPECT_EQ(bar.PlateCmd.Picture.Width, 24);
  EXPECT_EQ(bar.BarCmd.Picture.Height, 24);
  PlateOptionsForm plate;
  ExpectWindow(plate, "Shape Options", 3150, 1875,
               {{"Label1", 120, 105, 1920, 300, 0, "Rotation Angle (Degrees):"},
                {"Text1", 2340, 75, 600, 285, 1, "0"},
                {"Command1", 375, 1335, 1050, 405, 2, "OK"},
                {"Text2", 2340, 450, 615, 300, 3, "0"},
                {"Label2", 120, 495, 990, 240, 4, nullptr},
                {"Label3", 135, 900, 975, 270, 5, nullptr},
                {"Text3", 2340, 885, 615, 285, 6, "0"},
                {"Command2", 1635, 1320, 1035, 420, 7, "Cancel"}});
  BarOptionsForm round;
  ExpectWindow(round, "Bar Options", 2940, 1590,
               {{"Label1", 315, 180, 1035, 270, 0, "Diameter (mm)"},
                {"Command1", 315, 840, 1050, 405, 1, "OK"},
                {"Text1", 1965, 135, 600, 300, 2, "0"},
                {"Command2", 1575, 840, 1035, 405, 3, "Cancel"}});
}

// The silhouettes, probed where a drawing of the wrong family or the wrong way round
// would differ.
bool Ink(const ui::Image& image, int x, int y) { return image.At(x, y) == ui::ColourBlack; }

bool MirrorsLeftRight(const ui::Image& image) {
  for (int y = 0; y < image.Height; ++y)
    for (int x = 0; x < image.Width; ++x)
      if (Ink(image, x, y) != Ink(image, image.Width - 1 - x, y)) return false;
  return true;
}

bool MirrorsTopBottom(const ui::Image& image) {
  for (int y = 0; y < image.Height; ++y)
    for (int x = 0; x < image.Width; ++x)
      if (Ink(image, x, y) != Ink(image, x, image.Height - 1 - y)) return false;
  return true;
}

int InkInColumn(const ui::Image& image, int x) {
  int n = 0;
  for (int y = 0; y < image.Height; ++y) n += Ink(image, x, y) ? 1 : 0;
  return n;
}

TEST(ShapeIcons, ShowEachFamilyTheWayItIsDrawn) {
  // Only ink and the button face: silhouettes.
  for (const ui::Image& image : {windows::WideFlangeIcon(), windows::ChannelIcon(), windows::AngleIcon(),
                                 windows::TeeIcon(), windows::SquareHssIcon(), windows::RingIcon()})
    for (int32_t p : image.Pixels) EXPECT_TRUE(p == ui::ColourBlack || p == ui::SystemButtonFace);

  const ui::Image i = windows::WideFlangeIcon();
  EXPECT_TRUE(MirrorsLeftRight(i));
  EXPECT_TRUE(MirrorsTopBottom(i));
  EXPECT_TRUE(Ink(i, 4, 4) && Ink(i, 4, 19) && Ink(i, 11, 12));  // flange tips and web
  EXPECT_FALSE(Ink(i, 4, 12));

  const ui::Image c = windows::ChannelIcon();
  EXPECT_TRUE(MirrorsTopBottom(c));
  EXPECT_TRUE(Ink(c, 6, 12));                        // web on the left
  EXPECT_FALSE(Ink(c, 17, 12));                      // open to the right
  EXPECT_GT(InkInColumn(c, 9), InkInColumn(c, 18));  // flanges thin towards their tips
  EXPECT_GT(InkInColumn(c, 18), 0);

  const ui::Image l = windows::AngleIcon();
  EXPECT_TRUE(Ink(l, 6, 4));    // leg upwards
  EXPECT_TRUE(Ink(l, 18, 19));  // leg to the right
  EXPECT_FALSE(Ink(l, 18, 4));
  EXPECT_FALSE(Ink(l, 12, 10));

  const ui::Image t = windows::TeeIcon();
  EXPECT_TRUE(MirrorsLeftRight(t));
  EXPECT_TRUE(Ink(t, 4, 4) && Ink(t, 19, 4));  // flange on top
  EXPECT_TRUE(Ink(t, 11, 19));                 // stem downwards
  EXPECT_FALSE(Ink(t, 4, 19));

  const ui::Image s = windows::SquareHssIcon();
  EXPECT_TRUE(MirrorsLeftRight(s));
  EXPECT_TRUE(MirrorsTopBottom(s));
  EXPECT_TRUE(Ink(s, 4, 12) && Ink(s, 12, 4));
  EXPECT_FALSE(Ink(s, 12, 12));
  EXPECT_EQ(InkInColumn(s, 4), InkInColumn(s, 12) + 12);  // a side wall 18 high, the top and bottom walls 3 thick

  const ui::Image o = windows::RingIcon();
  EXPECT_TRUE(MirrorsLeftRight(o));
  EXPECT_TRUE(MirrorsTopBottom(o));
  EXPECT_FALSE(Ink(o, 11, 11));
  EXPECT_TRUE(Ink(o, 11, 3) && Ink(o, 3, 11));
  EXPECT_FALSE(Ink(o, 3, 3));  // round, not square
}

}  // namespace
}  // namespace dialogs
