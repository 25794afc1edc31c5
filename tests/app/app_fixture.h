#pragma once
// A program session on the headless platform: a fresh main window with every handler
// wired, started through its Load event, and its settings store open to inspection.

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "app/wiring.h"
#include "model/globals.h"
#include "ui/headless/headless_platform.h"
#include "windows/sheet.h"

namespace app::testing {

class AppSession : public ::testing::Test {
 protected:
  void SetUp() override {
    model::G = model::Globals{};
    windows::ResetSheet();
  }
  void TearDown() override { EXPECT_TRUE(h.platform.PendingScripts().empty()); }

  // A new program run on the same store: fresh state, wired, shown (which loads it).
  void Start() {
    model::G = model::Globals{};
    windows::ResetSheet();
    WireMainWindow();
    ui::ShowModeless(windows::Sheet());
  }
  // The main window's close box; true when the window closed.
  bool Close() { return windows::Sheet().Unload(ui::UnloadFromControlMenu); }

  // The store's section "Settings" of the application.
  std::map<std::string, std::string> Stored() const {
    std::map<std::string, std::string> keys;
    for (const auto& [where, value] : h.platform.Settings) {
      const auto& [application, section, key] = where;
      EXPECT_EQ(application, "Quorvane");
      EXPECT_EQ(section, "Settings");
      keys[key] = value;
    }
    return keys;
  }
  void Store(const std::string& key, const std::string& value) {
    h.platform.Settings[{"Quorvane", "Settings", key}] = value;
  }

  ui::headless::ScopedHeadless h;
};

}  // namespace app::testing
