#include "app/result_captions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/globals.h"
#include "ui/headless/headless_platform.h"
#include "windows/sheet.h"

namespace app {
namespace {

using model::G;
using windows::Sheet;
using windows::SheetForm;

class ResultCaptions : public ::testing::Test {
 protected:
  void SetUp() override {
    G = model::Globals{};
    windows::ResetSheet();
  }
  ui::headless::ScopedHeadless h;
};

std::vector<ui::Label*> UnitLabels(SheetForm& s) {
  return {&s.AunitL,  &s.YUnitL,  &s.XunitL,  &s.DUnitL,  &s.BUnitL,  &s.IxUnitL, &s.SxUnitL, &s.RxUnitL,
          &s.ZxUnitL, &s.IyUnitL, &s.SyUnitL, &s.RyUnitL, &s.ZyUnitL, &s.JunitL,  &s.CwUnitL};
}

TEST_F(ResultCaptions, UnitLabelsFollowTheUnits) {
  struct Case {
    model::Bool16 unit;
    const char* caption;
    float size, left;
  };
  for (const Case& c :
       {Case{model::False, "in", 11, 2100}, Case{model::True, "mm", 10, 2000}, Case{model::False, "in", 11, 2100}}) {
    G.UnitStatus = c.unit;
    ApplyResultCaptions();
    SheetForm& s = Sheet();
    for (ui::Label* l : UnitLabels(s)) {
      EXPECT_EQ(l->Caption, c.caption) << l->Name();
      EXPECT_FLOAT_EQ(l->FontSize, c.size) << l->Name();
      EXPECT_FLOAT_EQ(l->Left, c.left) << l->Name();
    }
    // The angle's unit and the power digits are not unit labels.
    EXPECT_EQ(s.PhiUnitL.Caption, "deg");
    for (ui::Label* p :
         {&s.Label5, &s.Label20, &s.Label21, &s.Label22, &s.Label23, &s.Label24, &s.Label25, &s.Label26, &s.Label27})
      EXPECT_FLOAT_EQ(p->Left, 2300) << p->Name();
  }
}

TEST_F(ResultCaptions, CaptionsAndTheAngleRowFollowTheAxes) {
  struct Row {
    ui::Label SheetForm::*label;
    const char* global;
    const char* principal;
  };
  const Row rows[] = {
      {&SheetForm::yBarL, "y:", "y ':"}, {&SheetForm::xBarL, "x:", "x ':"}, {&SheetForm::dL, "d:", "d':"},
      {&SheetForm::bL, "b:", "b':"},     {&SheetForm::IxL, "Ix:", "Ix':"},  {&SheetForm::SxL, "Sx:", "Sx':"},
      {&SheetForm::rxL, "rx:", "rx':"},  {&SheetForm::ZxL, "Zx:", "Zx':"},  {&SheetForm::IyL, "Iy:", "Iy':"},
      {&SheetForm::SyL, "Sy:", "Sy':"},  {&SheetForm::ryL, "ry:", "ry':"},  {&SheetForm::ZyL, "Zy:", "Zy':"},
      {&SheetForm::AreaL, "A:", "A:"},   {&SheetForm::JL, "J:", "J:"},      {&SheetForm::CwL, "Cw:", "Cw:"}};
  for (model::Bool16 axis : {model::False, model::True, model::False}) {
    G.RotAxis = axis;
    ApplyResultCaptions();
    SheetForm& s = Sheet();
    for (const Row& r : rows) EXPECT_EQ((s.*r.label).Caption, axis ? r.global : r.principal) << (s.*r.label).Name();
    for (ui::Label* l : {&s.Phi, &s.PhiL, &s.PhiUnitL}) EXPECT_EQ(l->Visible, !axis) << l->Name();
    // The angle's caption is the Greek letter itself, in UTF-8.
    EXPECT_EQ(s.PhiL.Caption, "\xCF\x86:");
    EXPECT_EQ(s.PaxisPhiL.Caption, "\xCF\x86");
  }
}

}  // namespace
}  // namespace app
