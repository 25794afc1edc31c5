// The option dialogs' one-line captions must show whole on screen: their labels are sized
// in twips for the dialog face the layout was drawn with, so a wider face cuts them off.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>

#include "dialogs/bar_options.h"
#include "dialogs/plate_options.h"
#include "dialogs/section_options.h"
#include "ui/qt/form_window.h"
#include "ui/qt/qt_platform.h"

namespace {

class DialogCaptionsTest : public ::testing::Test {
 protected:
  void TearDown() override { QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

  // Every single-line label of the form, shown, holds its caption inside its own width.
  void ExpectCaptionsFit(ui::Form& form) {
    ui::ShowModeless(form);
    ui::qt::FormWindow* w = qt.platform.WindowOf(form);
    ASSERT_NE(w, nullptr);
    int checked = 0;
    for (ui::Control* c : form.Controls()) {
      if (c->Kind() != ui::ControlKind::Label) continue;
      auto* label = static_cast<QLabel*>(w->WidgetOf(c));
      ASSERT_NE(label, nullptr);
      if (label->text().isEmpty() || label->wordWrap()) continue;
      EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
          << form.Name() << "." << c->Name() << ": \"" << label->text().toStdString() << "\"";
      ++checked;
    }
    EXPECT_GT(checked, 0);
    form.Unload();
  }

  ui::qt::ScopedQtPlatform qt;
};

TEST_F(DialogCaptionsTest, TheSizeAndAngleCaptionsOfThePlacingDialogsShowWhole) {
  {
    dialogs::PlateOptionsForm plate;
    plate.EnsureLoaded();
    plate.Label2.Caption = "Width (mm)";
    plate.Label3.Caption = "Height (mm)";
    ExpectCaptionsFit(plate);
  }
  {
    ui::Form opener("Opener");
    ui::ListBox shapes{opener, "List1"};
    dialogs::SectionOptionsForm section(shapes, 1);
    ExpectCaptionsFit(section);
  }
  {
    dialogs::BarOptionsForm bar;
    bar.EnsureLoaded();
    bar.Label1.Caption = "Diameter (mm)";
    ExpectCaptionsFit(bar);
  }
}

}  // namespace
