// The dialogs' own Form_Load and Form_KeyPress: key preview on when they load; Enter and
// Esc answered by the windows with an OK or Continue button, Esc alone by the family, kind
// and case-chooser windows, which pass Enter on.

#include <gtest/gtest.h>

#include "dialogs/bar_options.h"
#include "dialogs/case_dialogs.h"
#include "dialogs/case_prompts.h"
#include "dialogs/list_form.h"
#include "dialogs/plate_bar.h"
#include "dialogs/plate_options.h"
#include "dialogs/section_options.h"
#include "dialogs/shape_bar.h"
#include "model/globals.h"
#include "ui/headless/headless_platform.h"
#include "ui/input.h"
#include "windows/sheet.h"

namespace dialogs {
using namespace model;
namespace {

class FormHandlers : public ::testing::Test {
 protected:
  void SetUp() override {
    G = Globals{};
    windows::ResetSheet();
  }
  // The key left after the form's own handler, and whether the form is still open.
  template <typename FormT>
  void ExpectKey(FormT& form, int16_t key, int16_t left, bool open) {
    SCOPED_TRACE(::testing::Message() << form.Name() << " key " << key);
    form.EnsureLoaded();
    EXPECT_TRUE(form.KeyPreview);
    int16_t KeyAscii = key;
    form.Form_KeyPress(KeyAscii);
    EXPECT_EQ(KeyAscii, left);
    EXPECT_EQ(form.IsLoaded(), open);
  }
  ui::headless::ScopedHeadless h;
};

TEST_F(FormHandlers, TheFamilyKindAndChooserWindowsAnswerOnlyEsc) {
  {
    ShapeBarForm f;
    ExpectKey(f, ui::KeyReturn, ui::KeyReturn, true);
    ExpectKey(f, 'a', 'a', true);
    ExpectKey(f, ui::KeyEscape, 0, false);
  }
  {
    PlateBarForm f;
    ExpectKey(f, ui::KeyReturn, ui::KeyReturn, true);
    ExpectKey(f, ui::KeyEscape, 0, false);
  }
  {
    SetTorsionForm f;
    ExpectKey(f, ui::KeyReturn, ui::KeyReturn, true);
    ExpectKey(f, ui::KeyEscape, 0, false);
  }
  {
    SetWarpingForm f;
    ExpectKey(f, ui::KeyReturn, ui::KeyReturn, true);
    ExpectKey(f, ui::KeyEscape, 0, false);
  }
}

TEST_F(FormHandlers, TheOkWindowsTakeEnterAsOkAndEscAsCancel) {
  {
    // Enter with every box at 0: the zero size closes the dialog without an element.
    PlateOptionsForm f;
    ExpectKey(f, '5', '5', true);
    ExpectKey(f, ui::KeyReturn, 0, false);
  }
  {
    BarOptionsForm f;
    ExpectKey(f, ui::KeyEscape, 0, false);
  }
  {
    ListFormForm list;
    list.ShapeList.AddItem("W310X97");
    list.ShapeList.ListIndex = 0;
    SectionOptionsForm f(list.ShapeList, 1);
    ExpectKey(f, ui::KeyEscape, 0, false);
    EXPECT_EQ(list.ShapeList.ListIndex, -1);  // Cancel abandons the insertion
    ExpectKey(list, ui::KeyEscape, 0, false);
  }
  {
    // Esc in a prompt window ends its case; Enter goes on waiting for the pick.
    G.ManualJ = 1;
    CasePromptForm f(Plate1Look);
    ExpectKey(f, ui::KeyReturn, 0, false);
    EXPECT_EQ(G.ManualJ, 1);
    CasePromptForm g(Plate2Look);
    ExpectKey(g, ui::KeyEscape, 0, false);
    EXPECT_EQ(G.ManualJ, 0);
  }
  EXPECT_TRUE(h.platform.Messages.empty());
}

}  // namespace
}  // namespace dialogs
