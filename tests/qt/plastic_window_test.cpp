// A rolled shape's plastic moduli in the real window: a document holding one square hollow
// section from the shipped table, opened through File > Open, shows the table's own Zx
// and Zy in the results panel (its rounded corners taken into account), not the larger
// moduli of four sharp-cornered walls.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "editor/document_codec.h"
#include "model/globals.h"
#include "model/shape_file.h"
#include "started_window.h"
#include "windows/sheet.h"

namespace {

using model::G;
using model::Sheet;

using PlasticWindowTest = qt_testing::StartedWindowTest;

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
  OpenDocument(document, "tube.qvn");
  ASSERT_EQ(G.ElementCount, 1);
  qt.platform.SyncAll();

  // The table gives 7690 mm3 about both axes; four sharp-cornered walls of 5.92 would
  // give 38.1^3/4 - 26.26^3/4 = 9300, a fifth more. The panel writes the value with its
  // exponent ("7.68E3"), rounded to its decimals.
  const double shownStep = std::pow(10.0, G.SIZxTol - G.SIPrec);
  EXPECT_NEAR(ShownNumber(Sheet().Zx), 7690, 0.02 * 7690 + shownStep);
  EXPECT_NEAR(ShownNumber(Sheet().Zy), 7690, 0.02 * 7690 + std::pow(10.0, G.SIZyTol - G.SIPrec));
}

}  // namespace
