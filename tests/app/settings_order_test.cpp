// The order in which start-up asks the store for its keys and the exit writes them back,
// each list typed out from the key tables.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app_fixture.h"
#include "ui/platform.h"
#include "windows/sheet.h"

namespace app {
namespace {

using testing::AppSession;

const std::vector<std::string> Exponents = {"SIATol",   "SIDTol",   "SIBTol",   "SIXTol",   "SIYTol",   "SIIxTol",
                                            "SISxTol",  "SIZxTol",  "SIIyTol",  "SISyTol",  "SIZyTol",  "SIRxTol",
                                            "SIRyTol",  "SIJTol",   "SICwTol",  "ImpATol",  "ImpDTol",  "ImpBTol",
                                            "ImpXTol",  "ImpYTol",  "ImpIxTol", "ImpSxTol", "ImpZxTol", "ImpIyTol",
                                            "ImpSyTol", "ImpZyTol", "ImpRxTol", "ImpRyTol", "ImpJTol",  "ImpCwTol"};

std::vector<std::string> Join(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

using SettingsOrder = AppSession;

TEST_F(SettingsOrder, StartUpReadsTheKeysInTheTableOrder) {
  Start();
  const std::vector<std::string> want =
      Join(Join({"MainLeft",    "MainTop",   "MainWidth",  "MainHeight",   "WindowState", "UnitStatus",
                 "GridSpacing", "ZoomScale", "ScaleWidth", "ScaleHeight",  "ScaleLeft",   "ScaleTop",
                 "SnapGrid",    "ShowGrid",  "SnapObject", "ShowXY",       "RotateSnap",  "OLapStatus",
                 "OSnapStatus", "RotAxis",   "ShowPAxis",  "ShowCentroid", "SplashRead"},
                Exponents),
           {"SIPrec", "ImpPrec", "ShowHelp"});
  EXPECT_EQ(h.platform.SettingsRead, want);
  ASSERT_TRUE(Close());
}

TEST_F(SettingsOrder, TheExitWritesTheKeysInItsOwnOrder) {
  const std::vector<std::string> middle = {"UnitStatus", "GridSpacing",  "ZoomScale",   "ScaleWidth",  "ScaleHeight",
                                           "ScaleLeft",  "ScaleTop",     "SnapGrid",    "ShowGrid",    "SnapObject",
                                           "ShowXY",     "RotateSnap",   "OLapStatus",  "OSnapStatus", "RotAxis",
                                           "ShowPAxis",  "ShowCentroid", "WindowState", "SplashRead"};
  const std::vector<std::string> tail = {"ImpPrec", "SIPrec", "ShowHelp"};

  // In the normal state the rectangle comes first.
  Start();
  windows::Sheet().WindowState = ui::WindowNormal;
  ASSERT_TRUE(Close());
  EXPECT_EQ(h.platform.SettingsSaved,
            Join(Join(Join({"MainLeft", "MainTop", "MainWidth", "MainHeight"}, middle), Exponents), tail));

  // Maximised, it is left out.
  h.platform.SettingsSaved.clear();
  Start();
  windows::Sheet().WindowState = ui::WindowMaximized;
  ASSERT_TRUE(Close());
  EXPECT_EQ(h.platform.SettingsSaved, Join(Join(middle, Exponents), tail));
}

}  // namespace
}  // namespace app
