// The real main window on the Qt backend: pixels, pointer, keys, modal forms, layout.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <vector>

#include "model/globals.h"
#include "ui/input.h"
#include "ui/qt/canvas_widget.h"
#include "ui/qt/form_window.h"
#include "ui/qt/qt_platform.h"
#include "view/layout.h"
#include "view/pixel_primitives.h"
#include "view/redraw.h"
#include "windows/sheet.h"

namespace {

using windows::Sheet;
using windows::SheetForm;

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    model::G = model::Globals{};
    windows::ResetSheet();
    SheetForm& s = Sheet();
    s.Resize = view::Form_Resize;
    ui::ShowModeless(s);
    s.Base.SetFocus();
    window()->activateWindow();
    QApplication::processEvents();
  }
  void TearDown() override {
    Sheet().Unload();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  ui::qt::FormWindow* window() { return qt.platform.WindowOf(Sheet()); }
  QWidget* widget(const ui::Control& c) { return window()->WidgetOf(&c); }
  ui::qt::ScopedQtPlatform qt;
};

TEST_F(MainWindowTest, OpensWithTheTitleAndTheDefaultLayout) {
  ASSERT_NE(window(), nullptr);
  EXPECT_EQ(window()->windowTitle(), "Quorvane - (Unmodified)");
  SheetForm& s = Sheet();
  // The default 12500 x 9500 window laid out by the resize rules.
  EXPECT_FLOAT_EQ(s.Base.Width, 9800);
  EXPECT_FLOAT_EQ(s.Base.Height, 8300);
  EXPECT_FLOAT_EQ(s.TextEntry.Width, 4900);
  EXPECT_FLOAT_EQ(s.CalcBox.Left, 9800);
  EXPECT_EQ(widget(s.Base)->geometry(), QRect(0, 56, 653, 553));
}

TEST_F(MainWindowTest, TheDrawingAreaPaintsItsCanvasPixelsUnchanged) {
  SheetForm& s = Sheet();
  ui::PictureBox& base = s.Base;
  base.SetPixel(37, 21, model::Red);
  for (int i = 0; i < 200; ++i) base.SetPixel((i * 37) % 649, (i * 53) % 549, (i * 0x3F1D27) & 0xFFFFFF);
  base.SetPixel(100, 100, 0x123456);  // red 0x56, green 0x34, blue 0x12
  qt.platform.SyncAll();
  const QImage shown = widget(base)->grab().toImage();
  ASSERT_EQ(shown.width(), 649 + 4);
  ASSERT_EQ(shown.height(), 549 + 4);
  EXPECT_EQ(shown.pixel(37 + 2, 21 + 2) & 0xFFFFFF, 0xFF0000u);  // Qt's 0xRRGGBB
  EXPECT_EQ(shown.pixel(100 + 2, 100 + 2) & 0xFFFFFF, 0x563412u);
  int wrong = 0;
  for (int y = 0; y < base.PixelHeight(); ++y)
    for (int x = 0; x < base.PixelWidth(); ++x) {
      const auto c = static_cast<uint32_t>(base.PixelAt(x, y));
      const uint32_t rgb = ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
      if ((shown.pixel(x + 2, y + 2) & 0xFFFFFF) != rgb) ++wrong;
    }
  EXPECT_EQ(wrong, 0);
}

TEST_F(MainWindowTest, TheCanvasRepaintsWhenItChanges) {
  ui::PictureBox& base = Sheet().Base;
  qt.platform.SyncAll();
  base.PSet(600, 500, model::Blue);  // the middle of the default view
  qt.platform.SyncAll();
  const QImage shown = widget(base)->grab().toImage();
  // 600 * 649 / 1200 = 324.5 -> 325; (500 - 1000) * 549 / -1000 = 274.5 -> 275.
  EXPECT_EQ(shown.pixel(325 + 2, 275 + 2) & 0xFFFFFF, 0x0000FFu);
}

// The element outlines reach the drawing area through the pixel primitives, each counted
// as one change of the image: the window must still repaint after one.
TEST_F(MainWindowTest, TheCanvasRepaintsAfterAnOutlineSegment) {
  ui::PictureBox& base = Sheet().Base;
  qt.platform.SyncAll();
  view::PixelLine(600, 500, 700, 500, model::Red);
  qt.platform.SyncAll();
  const QImage shown = widget(base)->grab().toImage();
  // From (324.5, 274.5) to (378.6, 274.5) in pixels: the row 275 from column 325 on.
  EXPECT_EQ(shown.pixel(325 + 2, 275 + 2) & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(shown.pixel(370 + 2, 275 + 2) & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(shown.pixel(370 + 2, 276 + 2) & 0xFFFFFF, 0xFFFFFFu);
}

TEST_F(MainWindowTest, AClickArrivesInBaseMouseDownInUserUnits) {
  SheetForm& s = Sheet();
  struct Down {
    int16_t button, shift;
    float x, y;
  };
  std::vector<Down> downs;
  s.Base.MouseDown = [&](int16_t b, int16_t sh, float x, float y) { downs.push_back({b, sh, x, y}); };
  QWidget* w = widget(s.Base);
  QTest::mousePress(w, Qt::LeftButton, Qt::ShiftModifier, QPoint(102, 52));
  QTest::mouseRelease(w, Qt::LeftButton, Qt::ShiftModifier, QPoint(102, 52));
  QTest::mousePress(w, Qt::RightButton, Qt::ControlModifier, QPoint(2, 2 + 548));
  ASSERT_EQ(downs.size(), 2u);
  // Pixel (100, 50) of the 649 x 549 inner area in the view 0..1200, 1000..0.
  EXPECT_EQ(downs[0].button, 1);
  EXPECT_EQ(downs[0].shift, 1);
  EXPECT_FLOAT_EQ(downs[0].x, static_cast<float>(100 * 1200.0 / 649));
  EXPECT_FLOAT_EQ(downs[0].y, static_cast<float>(1000 + 50 * -1000.0 / 549));
  EXPECT_EQ(downs[1].button, 2);
  EXPECT_EQ(downs[1].shift, 2);
  EXPECT_FLOAT_EQ(downs[1].x, 0);
  EXPECT_FLOAT_EQ(downs[1].y, static_cast<float>(1000 + 548 * -1000.0 / 549));
}

TEST_F(MainWindowTest, AKeyReleaseArrivesWithThePlatformCodeAndMask) {
  SheetForm& s = Sheet();
  std::vector<std::pair<int16_t, int16_t>> ups;
  s.Base.KeyUp = [&](int16_t& code, int16_t shift) {
    if (code != ui::KeyShift && code != ui::KeyControl && code != ui::KeyMenu) ups.push_back({code, shift});
  };
  QWidget* w = widget(s.Base);
  ASSERT_EQ(QApplication::focusWidget(), w);
  struct Case {
    Qt::Key key;
    Qt::KeyboardModifiers mods;
    int16_t code, shift;
  };
  const Case cases[] = {
      {Qt::Key_Delete, Qt::NoModifier, 46, 0}, {Qt::Key_Delete, Qt::ShiftModifier, 46, 1},
      {Qt::Key_Escape, Qt::NoModifier, 27, 0}, {Qt::Key_F1, Qt::NoModifier, 112, 0},
      {Qt::Key_F2, Qt::NoModifier, 113, 0},    {Qt::Key_Return, Qt::NoModifier, 13, 0},
      {Qt::Key_Z, Qt::ControlModifier, 90, 2}, {Qt::Key_A, Qt::ControlModifier, 65, 2},
      {Qt::Key_S, Qt::AltModifier, 83, 4},     {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, 90, 3}};
  // Each key pressed and released here: a release acts only where its press went.
  for (const Case& c : cases) {
    QTest::keyPress(w, c.key, c.mods);
    QTest::keyRelease(w, c.key, c.mods);
  }
  ASSERT_EQ(ups.size(), std::size(cases));
  for (size_t i = 0; i < ups.size(); ++i) {
    EXPECT_EQ(ups[i].first, cases[i].code) << i;
    EXPECT_EQ(ups[i].second, cases[i].shift) << i;
  }
}

TEST_F(MainWindowTest, ACtrlLetterReachesTheDrawingAreaOnceAndNotTheMenu) {
  SheetForm& s = Sheet();
  s.Cut.Enabled = true;
  int menu = 0, keys = 0;
  s.Cut.Click = [&] { ++menu; };
  s.Base.KeyUp = [&](int16_t& code, int16_t shift) {
    if (code == 88 && shift == 2) ++keys;
  };
  qt.platform.SyncAll();
  QTest::keyClick(widget(s.Base), Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(keys, 1);
  EXPECT_EQ(menu, 0);
  // Elsewhere the menu's accelerator serves.
  s.Base.KeyUp = nullptr;
  s.Base.KeyDown = nullptr;
  qt.platform.SyncAll();
  QTest::keyClick(widget(s.Base), Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(menu, 1);
}

TEST_F(MainWindowTest, TheEditMenuRunsItsOpeningEventBeforeItShows) {
  SheetForm& s = Sheet();
  ASSERT_TRUE(s.Paste.Enabled);  // as every item but Undo and Redo at start
  s.mnuEdit.Click = [&] { s.Paste.Enabled = false; };
  QMenu* edit = nullptr;
  for (QAction* a : window()->menuBar()->actions())
    if (a->menu() && a->text() == "Edit") edit = a->menu();
  ASSERT_NE(edit, nullptr);
  emit edit->aboutToShow();
  QAction* paste = nullptr;
  for (QAction* a : edit->actions())
    if (a->text() == "Paste") paste = a;
  ASSERT_NE(paste, nullptr);
  EXPECT_FALSE(paste->isEnabled());
  EXPECT_EQ(paste->shortcut(), QKeySequence("Ctrl+V"));
}

TEST_F(MainWindowTest, TypedTextFlowsBackWithChange) {
  SheetForm& s = Sheet();
  s.TextEntry.Locked = false;
  s.TextEntry.BackColor = model::White;
  std::vector<std::string> changes;
  s.TextEntry.Change = [&] { changes.push_back(s.TextEntry.Text); };
  qt.platform.SyncAll();
  auto* edit = static_cast<QLineEdit*>(widget(s.TextEntry));
  EXPECT_EQ(edit->palette().color(QPalette::Base), QColor(255, 255, 255));
  edit->setFocus();
  QTest::keyClicks(edit, "12,5");
  EXPECT_EQ(s.TextEntry.Text, "12,5");
  EXPECT_EQ(changes, (std::vector<std::string>{"1", "12", "12,", "12,5"}));
  EXPECT_EQ(s.ActiveControl, &s.TextEntry);
  // Locked and grey: the button face of the palette, and typing changes nothing.
  s.TextEntry.Locked = true;
  s.TextEntry.BackColor = model::ButtonFace;
  qt.platform.SyncAll();
  EXPECT_EQ(edit->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Button));
  QTest::keyClicks(edit, "9");
  EXPECT_EQ(s.TextEntry.Text, "12,5");
  // Code's text shows after the next event.
  s.Coord.Text = " 123,  45";
  qt.platform.SyncAll();
  EXPECT_EQ(static_cast<QLineEdit*>(widget(s.Coord))->text(), " 123,  45");
}

TEST_F(MainWindowTest, ChildLabelsOfPictureBoxesLieInTheirUnits) {
  SheetForm& s = Sheet();
  s.Label1.Caption = "Pick";
  s.Label1.Visible = true;
  s.Label1.Move(600, 500);
  qt.platform.SyncAll();
  // User units of Base: 600 -> 324.5 -> 325, 500 -> 274.5 -> 275, plus the 2-pixel frame.
  QWidget* tip = widget(s.Label1);
  EXPECT_EQ(tip->parentWidget(), widget(s.Base));
  EXPECT_EQ(tip->pos(), QPoint(327, 277));
  EXPECT_EQ(static_cast<QLabel*>(tip)->text(), "Pick");
  // Twips in the results panel: (700, 415) -> (46.7, 27.7) -> (47, 28).
  EXPECT_EQ(widget(s.Area)->pos(), QPoint(47 + 2, 28 + 2));
  // Moving the view moves the tip with it.
  s.Base.ScaleLeft = 300;
  qt.platform.SyncAll();
  EXPECT_EQ(tip->pos().x(), 2 + 162);  // 300 * 649 / 1200 = 162.25
}

TEST_F(MainWindowTest, AResizeToAnOuterSizeLaysOutByTheRules) {
  SheetForm& s = Sheet();
  const int menu = ui::qt::QtPlatform::MenuBarHeight();
  struct Case {
    int w, h;  // pixels
  };
  for (const Case& c : {Case{1280, 800}, Case{1920, 1080}, Case{1000, 700}}) {
    s.Width = static_cast<float>(c.w * 15);
    s.Height = static_cast<float>(c.h * 15);
    qt.platform.SyncAll();
    QApplication::processEvents();
    SCOPED_TRACE(c.w);
    EXPECT_EQ(window()->size(), QSize(c.w, c.h));
    EXPECT_FLOAT_EQ(s.Base.Width, s.Width - 2700);
    EXPECT_FLOAT_EQ(s.Base.Height, s.Height - 1200);
    EXPECT_FLOAT_EQ(s.TextEntry.Width, s.Width - 7600);
    EXPECT_FLOAT_EQ(s.CalcBox.Left, s.Width - 2700);
    EXPECT_FLOAT_EQ(s.CalcBox.Height, s.Height - 1175);
    const QRect client = window()->Client()->rect();
    EXPECT_EQ(client.size(), QSize(c.w, c.h - menu));
    const QRect base = widget(s.Base)->geometry();
    const QRect calc = widget(s.CalcBox)->geometry();
    const QRect entry = widget(s.TextEntry)->geometry();
    EXPECT_EQ(base.left(), 0);
    EXPECT_EQ(base.right() + 1, calc.left());     // side by side
    EXPECT_EQ(calc.right() + 1, client.width());  // the panel ends at the right edge
    EXPECT_EQ(entry.right() + 1, client.width() - 4);
    EXPECT_LE(base.bottom(), client.bottom());  // both end inside, close to the bottom
    EXPECT_LE(calc.bottom(), client.bottom());
    EXPECT_GE(base.bottom(), client.bottom() - 8);
    EXPECT_GE(calc.bottom(), client.bottom() - 8);
  }
}

TEST_F(MainWindowTest, ClosingTheWindowRunsQueryUnloadWhichMayCancel) {
  SheetForm& s = Sheet();
  int asked = 0;
  s.QueryUnload = [&](int16_t& cancel, int16_t mode) {
    ++asked;
    EXPECT_EQ(mode, ui::UnloadFromControlMenu);
    cancel = asked == 1 ? -1 : 0;
  };
  window()->close();
  EXPECT_TRUE(s.IsLoaded());
  EXPECT_NE(window(), nullptr);
  window()->close();
  EXPECT_FALSE(s.IsLoaded());
  EXPECT_EQ(window(), nullptr);
  EXPECT_EQ(asked, 2);
}

TEST_F(MainWindowTest, ARedrawAfterAResizeShowsTheElementsAtTheirNewPixels) {
  SheetForm& s = Sheet();
  // A 200 x 100 plate with its lower-left corner at (600, 500) in the default view.
  model::ElementRecord& plate = model::G.Elements[1];
  plate.ShapeType = 50;
  plate.Width = 200;
  plate.Depth = 100;
  plate.MirrorSign = 1;
  plate.PosX = 600;
  plate.PosY = 500;
  plate.ElemArea = 20000;
  plate.CentroidX = 100;
  plate.CentroidY = 50;
  model::G.ElementCount = 1;
  struct Case {
    int w, h;    // outer size, pixels
    int px, py;  // where the corner lands: 600 / 1200 and 500 / 1000 of the inner area
  };
  // 1280 x 800: Base 16500 x 10800 twips, inner 1096 x 716 pixels; 1920 x 1080: 1736 x 996.
  for (const Case& c : {Case{1280, 800, 548, 358}, Case{1920, 1080, 868, 498}}) {
    SCOPED_TRACE(c.w);
    s.Width = static_cast<float>(c.w * 15);
    s.Height = static_cast<float>(c.h * 15);
    qt.platform.SyncAll();
    QApplication::processEvents();
    ASSERT_EQ(s.Base.PixelWidth(), c.w - 180 - 4);
    EXPECT_EQ(s.Base.PixelAt(c.px, c.py), model::Black);
    qt.platform.SyncAll();
    const QImage shown = widget(s.Base)->grab().toImage();
    EXPECT_EQ(shown.pixel(c.px + 2, c.py + 2) & 0xFFFFFF, 0u);
  }
  // The corner's pixel at the first size is background again.
  EXPECT_EQ(s.Base.PixelAt(548, 358), model::White);
}

}  // namespace
