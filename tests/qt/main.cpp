// The Qt tests run on Qt's offscreen platform unless told otherwise; ctest's test
// discovery runs this program too, so it must not need a display.

#include <gtest/gtest.h>

#include <QApplication>
#include <QStyleFactory>
#include <cstdlib>

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create("Fusion"));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
