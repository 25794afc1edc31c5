// The drawing area's paint path: the colour numbers as Qt colours, the kept image brought
// up to date from the pixels that changed, and what reaches the screen during a Move
// preview, pixel for pixel against a conversion of the whole drawing.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QRegion>
#include <QScreen>
#include <QTest>
#include <QToolBar>
#include <QWindow>
#include <functional>
#include <string>
#include <vector>

#include "model/globals.h"
#include "model/section_fixture.h"
#include "started_window.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/qt/canvas_widget.h"
#include "ui/qt/colours.h"
#include "ui/qt/form_window.h"
#include "ui/qt/qt_platform.h"
#include "windows/sheet.h"

namespace {

using model::G;
using windows::Sheet;

// Empty when the two images show the same pixels outside `covered`; else how they differ.
std::string Difference(const QImage& shown, const QImage& expected, const QRegion& covered = {}) {
  if (shown.size() != expected.size())
    return "size " + std::to_string(shown.width()) + "x" + std::to_string(shown.height()) + " against " +
           std::to_string(expected.width()) + "x" + std::to_string(expected.height());
  int count = 0;
  std::string first;
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x)
      if (shown.pixel(x, y) != expected.pixel(x, y) && !covered.contains(QPoint(x, y)) && count++ == 0)
        first = " first at " + std::to_string(x) + ", " + std::to_string(y);
  return count == 0 ? "" : std::to_string(count) + " pixels differ," + first;
}

// Colour numbers have red in the low byte; the top byte of a plain colour is not part of
// it; the high bit names a system colour, taken from the palette by its low byte.
TEST(CanvasColours, AnAreaIsConvertedByTheColourRulesAndNothingOutsideItChanges) {
  QPalette palette;
  palette.setColor(QPalette::Button, QColor(10, 20, 30));
  palette.setColor(QPalette::Base, QColor(40, 50, 60));
  struct Case {
    int32_t colour;
    QRgb shown;
  };
  const std::vector<Case> cases = {
      {0x000000, qRgb(0, 0, 0)},
      {0x0000FF, qRgb(255, 0, 0)},
      {0xFF0000, qRgb(0, 0, 255)},
      {0xFFFFFF, qRgb(255, 255, 255)},
      {0x123456, qRgb(0x56, 0x34, 0x12)},
      {0x7F123456, qRgb(0x56, 0x34, 0x12)},
      {static_cast<int32_t>(0x8000000Fu), qRgb(10, 20, 30)},
      {static_cast<int32_t>(0x80000005u), qRgb(40, 50, 60)},
      {-1, qRgb(10, 20, 30)},  // no system colour of its own: the button face
  };
  // Each case fills column 1 and 2 of its own row of a 4-column buffer; rows 1 to n and
  // columns 1 to 2 are converted.
  const int w = 4, h = static_cast<int>(cases.size()) + 2;
  std::vector<int32_t> pixels(static_cast<size_t>(w * h), 0x00FF00);
  for (size_t i = 0; i < cases.size(); ++i)
    for (int x = 1; x <= 2; ++x) pixels[(i + 1) * w + x] = cases[i].colour;
  QImage image(w, h, QImage::Format_RGB32);
  const QRgb untouched = qRgb(1, 2, 3);
  image.fill(untouched);
  ui::qt::ConvertArea(pixels.data(), image, QRect(1, 1, 2, static_cast<int>(cases.size())), palette);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      SCOPED_TRACE(testing::Message() << "pixel " << x << ", " << y);
      const bool inside = x >= 1 && x <= 2 && y >= 1 && y <= static_cast<int>(cases.size());
      EXPECT_EQ(image.pixel(x, y), inside ? cases[y - 1].shown : untouched);
    }
}

// A picture box with a system colour in its image, in a window of its own.
class PictureWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    box.Width = (20 + 4) * ui::TwipsPerPixel;
    box.Height = (10 + 4) * ui::TwipsPerPixel;
    box.ScaleMode = ui::ScaleModes::Pixel;
    box.Cls();
    box.SetPixel(3, 4, static_cast<int32_t>(0x8000000Fu));  // the button face
    ui::ShowModeless(form);
    QApplication::processEvents();
  }
  void TearDown() override { form.Unload(); }
  ui::qt::CanvasWidget* widget() { return qt.platform.WindowOf(form)->CanvasOf(box); }

  ui::qt::ScopedQtPlatform qt;
  ui::Form form{"Pictures"};
  ui::PictureBox box{form, "Picture1"};
};

TEST_F(PictureWindowTest, APaletteChangeRepaintsTheSystemColoursAndLaterChangesKeepThem) {
  ASSERT_NE(widget(), nullptr);
  QPalette face = widget()->palette();
  face.setColor(QPalette::Button, QColor(200, 100, 50));
  widget()->setPalette(face);
  QApplication::processEvents();
  box.SetPixel(15, 2, 255);  // one pixel far from the system colour
  qt.platform.SyncAll();
  const QImage shown = widget()->grab().toImage();
  EXPECT_EQ(shown.pixel(2 + 3, 2 + 4), qRgb(200, 100, 50));
  EXPECT_EQ(shown.pixel(2 + 15, 2 + 2), qRgb(255, 0, 0));
  EXPECT_EQ(Difference(widget()->PaintedImage(), widget()->FullConversion()), "");
}

// Writes cut by the image's edges: wide dots in the corners, a wide line and a dotted one
// running off both sides. After each, the kept image is what a whole conversion shows.
TEST_F(PictureWindowTest, WritesCutByTheEdgesReachTheKeptImage) {
  ASSERT_NE(widget(), nullptr);
  qt.platform.SyncAll();
  struct Write {
    const char* what;
    std::function<void()> draw;
  };
  const std::vector<Write> writes = {
      {"a wide dot in the bottom-left corner",
       [this] {
         box.DrawWidth = 5;
         box.PSet(0, 9, 255);
       }},
      {"a wide dot beyond the top-right corner",
       [this] {
         box.DrawWidth = 5;
         box.PSet(21, -1, 0xFF0000);
       }},
      {"a wide line along the bottom edge, off both sides",
       [this] {
         box.DrawWidth = 3;
         box.Line(-5, 10, 30, 9, 0x00FF00);
       }},
      {"a dotted line across, off the top and bottom",
       [this] {
         box.DrawStyle = ui::DrawStyleDot;
         box.Line(12, -4, 8, 15, 0);
       }},
  };
  for (const Write& write : writes) {
    SCOPED_TRACE(write.what);
    const uint64_t before = box.Revision();
    write.draw();
    box.DrawWidth = 1;
    box.DrawStyle = ui::DrawStyleSolid;
    EXPECT_GT(box.Revision(), before);  // each reaches into the image
    qt.platform.SyncAll();
    EXPECT_EQ(Difference(widget()->PaintedImage(), widget()->FullConversion()), "");
  }
}

// The main window during a Move of three plates: after every pointer step the pixels the
// window put on the screen are those of a conversion of the whole drawing area.
class MovePaintTest : public qt_testing::StartedWindowTest {};

TEST_F(MovePaintTest, EveryStepOfAMovePreviewReachesTheScreenAsAWholeConversionWouldShowIt) {
  window()->activateWindow();
  G.OLapStatus = 1;
  editor::DocumentData plates;
  plates.Elements = {model::testing::Plate(100, 12, 200, 300), model::testing::Plate(100, 12, 320, 300),
                     model::testing::Plate(12, 150, 500, 500)};
  OpenDocument(plates, "plates.qvn");
  ASSERT_EQ(G.ElementCount, 3);
  MenuItem("Edit", "Select All")->trigger();
  QApplication::processEvents();
  PressToolbarButton("Move");
  ASSERT_EQ(G.MoveMode, model::True);

  QWidget* area = window()->WidgetOf(&Sheet().Base);
  auto* canvas = window()->CanvasOf(Sheet().Base);
  ASSERT_NE(canvas, nullptr);
  const QPoint origin = area->mapTo(window(), QPoint(0, 0));
  QScreen* screen = window()->windowHandle()->screen();
  auto onScreen = [&] {
    // The inner pixels, inside the 2-pixel frame, as the window's backing store holds them.
    return screen->grabWindow(window()->winId(), origin.x() + 2, origin.y() + 2, area->width() - 4, area->height() - 4)
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
  };
  // The labels (axis names, the pointer's position) lie over the image: the drawing area's
  // inner pixels they cover.
  auto labels = [&] {
    QRegion covered;
    for (QWidget* child : area->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
      if (child->isVisible()) covered += child->geometry().translated(-2, -2);
    return covered;
  };
  const QPoint base = PixelOf(250, 306);
  QTest::mouseClick(area, Qt::LeftButton, Qt::NoModifier, base);
  QApplication::processEvents();
  ASSERT_EQ(G.MoveBaseSet, model::True);
  // Right and up, then back across the start and down, past the standing plate.
  const QPoint steps[] = {{7, -3}, {40, -25}, {90, -60}, {20, 10}, {-60, 40}, {-130, 90}, {150, -200}, {3, 1}};
  int changed = 0;
  for (const QPoint& step : steps) {
    SCOPED_TRACE(testing::Message() << "step to " << step.x() << ", " << step.y());
    const uint64_t before = Sheet().Base.Revision();
    QTest::mouseMove(area, base + step);
    QApplication::processEvents();
    if (Sheet().Base.Revision() != before) ++changed;
    const QImage whole = canvas->FullConversion();
    ASSERT_FALSE(whole.isNull());
    EXPECT_EQ(Difference(canvas->PaintedImage(), whole), "");
    EXPECT_EQ(Difference(onScreen(), whole, labels()), "");
  }
  EXPECT_EQ(changed, 8);  // each step moved the preview
  QTest::keyClick(area, Qt::Key_Escape);
  QApplication::processEvents();
  EXPECT_EQ(Difference(onScreen(), canvas->FullConversion(), labels()), "");
}

}  // namespace
