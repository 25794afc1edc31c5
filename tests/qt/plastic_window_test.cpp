// A rolled shape's plastic moduli in the real window: a document holding one square hollow
// section from the shipped table, opened through File > Open, shows the table's own Zx
// and Zy in the results panel (its rounded corners taken into account), not the larger
// moduli of four sharp-cornered walls.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <cmath>
#include <fstream>
#include <string>

#include "app/wiring.h"
#include "editor/document_codec.h"
#include "model/globals.h"
#include "model/shape_file.h"
#include "model/sheet.h"
#include "started_window.h"
#include "ui/qt/form_window.h"

namespace {

using model::G;
using model::Sheet;

class PlasticWindowTest : public qt_testing::StartedWindowTest {
 protected:
  // The number a value label shows, read from its widget.
  double Shown(const ui::Label& label) {
    auto* widget = qobject_cast<QLabel*>(qt.platform.WindowOf(Sheet())->WidgetOf(&label));
    EXPECT_NE(widget, nullptr);
    return widget ? std::stod(widget->text().toStdString()) : 0;
  }
};

TEST_F(PlasticWindowTest, AnOpenedHollowSectionShowsTheTablesPlasticModuli) {
  ASSERT_TRUE(model::LoadShapeFile(std::string(QUORVANE_DATA_DIR) + "Shapes/HSS.DAT"));
  model::ElementRecord tube;
  for (int i = 1; i < G.ShapeTable[1].ShapeCount; ++i)
    if (G.ShapeTable[static_cast<size_t>(i)].NameSI.str().rfind("HSS38.1X38.1X6.4 ", 0) == 0)
      tube = G.ShapeTable[static_cast<size_t>(i)];
  ASSERT_EQ(tube.ShapeType, 16);
  tube.PosX = 600;
  tube.PosY = 500;
  tube.MirrorSign = 1;
  editor::DocumentData document;
  document.Elements = {tube};
  const std::string path = Path("tube.qvn");
  std::ofstream(path, std::ios::binary) << editor::WriteDocument(document);

  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    box->selectFile(QString::fromStdString(path));
    QMetaObject::invokeMethod(box, "accept", Qt::QueuedConnection);
  });
  QAction* open = MenuAction("Open...");
  ASSERT_NE(open, nullptr);
  open->trigger();
  QApplication::processEvents();
  ASSERT_EQ(G.ElementCount, 1);
  qt.platform.SyncAll();

  // The table gives 7690 mm3 about both axes; four sharp-cornered walls of 5.92 would
  // give 38.1^3/4 - 26.26^3/4 = 9300, a fifth more. The panel writes the value with its
  // exponent ("7.68E3"), rounded to its decimals.
  const double shownStep = std::pow(10.0, G.SIZxTol - G.SIPrec);
  EXPECT_NEAR(Shown(Sheet().Zx), 7690, 0.02 * 7690 + shownStep);
  EXPECT_NEAR(Shown(Sheet().Zy), 7690, 0.02 * 7690 + std::pow(10.0, G.SIZyTol - G.SIPrec));
}

}  // namespace
