// Project information, about box, start-up notice and the help command.

#include "app/small_dialogs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "model/globals.h"
#include "ui/headless/actions.h"
#include "ui/headless/headless_platform.h"
#include "windows/sheet.h"

namespace app {
namespace {

using model::G;
namespace hl = ui::headless;

class SmallDialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    G = model::Globals{};
    windows::ResetSheet();
    G.ProjectName = "Warehouse";
    G.ProjectNumber = "117";
    G.ObjectDescription = "Crane girder";
    G.ProjectEngineer = "A. Engineer";
    windows::Sheet().Caption = "Quorvane - beam.qvn (Unmodified)";
  }
  void TearDown() override {
    CloseSplash();
    EXPECT_TRUE(h.platform.PendingScripts().empty());
  }
  hl::ScopedHeadless h;
};

TEST_F(SmallDialogs, ProjectInformationIsFilledFromTheStringsAndStoredByOk) {
  bool filled = false, focusFirst = false;
  h.platform.OnModal("frmProjInfo", [&](ui::Form& f) {
    auto& d = static_cast<ProjInfoForm&>(f);
    filled = d.txtProjName.Text == "Warehouse" && d.txtProjNum.Text == "117" && d.txtProjInfo.Text == "Crane girder" &&
             d.txtProjEng.Text == "A. Engineer";
    focusFirst = d.txtProjName.HasFocus();
    hl::Type(d.txtProjName, "  Bridge, span 2  ");
    hl::Type(d.txtProjInfo, "Deck \"A\"");
    hl::Type(d.txtProjEng, "");
    hl::Click(d.cmdOK);
  });
  Info_Click();
  EXPECT_TRUE(filled);
  EXPECT_TRUE(focusFirst);
  // Taken whole as typed, nothing trimmed or checked.
  EXPECT_EQ(G.ProjectName, "  Bridge, span 2  ");
  EXPECT_EQ(G.ProjectNumber, "117");
  EXPECT_EQ(G.ObjectDescription, "Deck \"A\"");
  EXPECT_EQ(G.ProjectEngineer, "");
  EXPECT_EQ(G.Modified, model::True);
  // The title waits for the next command that rewrites it.
  EXPECT_EQ(windows::Sheet().Caption, "Quorvane - beam.qvn (Unmodified)");
}

TEST_F(SmallDialogs, ProjectInformationAnswersTheKeysAndButtons) {
  struct Case {
    const char* how;
    std::function<void(ProjInfoForm&)> close;
    bool stored;
  };
  const Case cases[] = {
      {"OK unchanged", [](ProjInfoForm& d) { hl::Click(d.cmdOK); }, true},
      {"Enter", [](ProjInfoForm& d) { hl::PressEnter(d); }, true},
      {"Cancel", [](ProjInfoForm& d) { hl::Click(d.cmdCancel); }, false},
      {"Esc", [](ProjInfoForm& d) { hl::PressEscape(d); }, false},
      {"close box", [](ProjInfoForm& d) { hl::CloseBox(d); }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    G.Modified = model::False;
    G.ProjectNumber = "117";
    h.platform.OnModal("frmProjInfo", [&](ui::Form& f) {
      auto& d = static_cast<ProjInfoForm&>(f);
      d.txtProjNum.Text = c.how == std::string("OK unchanged") ? "117" : "118";
      c.close(d);
    });
    Info_Click();
    EXPECT_EQ(G.Modified, c.stored ? model::True : model::False);
    EXPECT_EQ(G.ProjectNumber, c.stored && c.how != std::string("OK unchanged") ? "118" : "117");
  }
}

TEST_F(SmallDialogs, ProjectInformationLayout) {
  ProjInfoForm d;
  EXPECT_EQ(d.Caption, "Enter Project Information");
  EXPECT_EQ(d.Label1.Caption, "Project Name:");
  EXPECT_EQ(d.Label3.Caption, "Project Number:");
  EXPECT_EQ(d.Label2.Caption, "Object Description:");
  EXPECT_EQ(d.Label4.Caption, "Designer:");
  // Top to bottom, each label beside its box; the tab order follows, then OK and Cancel.
  const ui::Control* order[] = {&d.txtProjName, &d.txtProjNum, &d.txtProjInfo, &d.txtProjEng, &d.cmdOK, &d.cmdCancel};
  for (size_t i = 0; i < std::size(order); ++i) EXPECT_EQ(order[i]->TabIndex, static_cast<int16_t>(i));
  EXPECT_LT(d.txtProjName.Top, d.txtProjNum.Top);
  EXPECT_LT(d.txtProjNum.Top, d.txtProjInfo.Top);
  EXPECT_LT(d.txtProjInfo.Top, d.txtProjEng.Top);
  EXPECT_EQ(d.cmdOK.Caption, "OK");
  EXPECT_EQ(d.cmdCancel.Caption, "Cancel");
}

TEST_F(SmallDialogs, TheAboutBoxClosesOnOkEnterAndEsc) {
  for (int way = 0; way < 3; ++way) {
    std::string title, version;
    bool bold = false;
    h.platform.OnModal("frmAbout", [&](ui::Form& f) {
      auto& a = static_cast<AboutForm&>(f);
      title = a.lblTitle.Caption;
      version = a.lblVersion.Caption;
      bold = a.lblTitle.FontBold && a.lblTitle.FontSize == 12;
      if (way == 0) hl::Click(a.cmdOK);
      if (way == 1) hl::PressEnter(a);
      if (way == 2) hl::PressEscape(a);
    });
    About_Click();
    EXPECT_EQ(title, "Quorvane");
    EXPECT_EQ(version, "Version 2.0");
    EXPECT_TRUE(bold);
  }
  EXPECT_EQ(h.platform.ModalShown.size(), 3u);
}

TEST_F(SmallDialogs, TheNoticeStoresItsCheckBoxWhenDismissed) {
  struct Case {
    const char* how;
    bool uncheck;
    std::function<void(SplashForm&)> dismiss;
    int16_t splashRead;
  };
  const Case cases[] = {
      {"Dismiss", false, [](SplashForm& s) { hl::Click(s.cmdDismiss); }, 1},
      {"unchecked, Enter", true, [](SplashForm& s) { hl::PressEnter(s); }, 0},
      {"unchecked, Esc", true, [](SplashForm& s) { hl::PressEscape(s); }, 0},
      {"unchecked, Dismiss", true, [](SplashForm& s) { hl::Click(s.cmdDismiss); }, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    G.SplashRead = 1;
    ShowSplash();  // without waiting
    SplashForm* s = SplashWindow();
    ASSERT_NE(s, nullptr);
    ASSERT_EQ(h.platform.ModelessOpen.size(), 1u);
    EXPECT_EQ(h.platform.ModelessOpen[0], s);
    EXPECT_EQ(s->chkRead.Value, 1);  // checked at every showing
    EXPECT_EQ(s->Caption, "Quorvane ");
    EXPECT_EQ(s->lblWarning.Caption,
              "Quorvane has important limitations and is based on assumptions you should be aware of.  Please "
              "review the information under \"Limitations\" in the Quorvane help file.");
    EXPECT_EQ(s->chkRead.Caption, "Uncheck if you don't want to see this at startup.");
    if (c.uncheck) hl::Click(s->chkRead);
    c.dismiss(*s);
    EXPECT_FALSE(s->IsLoaded());
    EXPECT_TRUE(h.platform.ModelessOpen.empty());
    EXPECT_EQ(G.SplashRead, c.splashRead);
  }
}

TEST_F(SmallDialogs, HelpOpensThePageBesideTheProgramAndReportsNothing) {
  G.AppPath = "/opt/quorvane/";
  Contents_Click();
  EXPECT_EQ(h.platform.ShellOpened, std::vector<std::string>{"/opt/quorvane/Help/help.html"});
  EXPECT_TRUE(h.platform.Messages.empty());
}

TEST_F(SmallDialogs, HelpThatCannotBeOpenedSaysWhereThePageIs) {
  G.AppPath = "/opt/quorvane/";
  h.platform.ShellOpenWorks = false;
  Contents_Click();
  EXPECT_EQ(h.platform.ShellOpened, std::vector<std::string>{"/opt/quorvane/Help/help.html"});
  EXPECT_EQ(h.platform.Messages,
            std::vector<std::string>{"The help page could not be opened. Open /opt/quorvane/Help/help.html in a "
                                     "web browser."});
}

// The notice sends users to the help page's limitations: the page beside the program
// must have them.
TEST(HelpPage, IsCopiedBesideTheProgramWithItsLimitations) {
  std::ifstream in("Help/help.html", std::ios::binary);  // tests run in the program folder
  ASSERT_TRUE(in.good());
  const std::string page((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(page.find("<h2 id=\"limitations\">Limitations</h2>"), std::string::npos);
  for (const char* topic : {"50 elements", "J and Cw are approximations", "Fillets and corner radii",
                            "No check of connection", "quorvane beam.qvn"})
    EXPECT_NE(page.find(topic), std::string::npos) << topic;
}

// Zx and Zy come from each shape's real outline, not from rectangles and circles, and
// the page says by how much that differs for the shapes of the tables.
TEST(HelpPage, SaysThePlasticModuliComeFromTheRealOutline) {
  std::ifstream in("Help/help.html", std::ios::binary);
  ASSERT_TRUE(in.good());
  const std::string page((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(page.find("cut into rectangles and circles"), std::string::npos);
  EXPECT_EQ(page.find("treat every part as plain"), std::string::npos);
  for (const char* said : {"Each element is taken with its real outline", "differs from plain rectangles and circles"})
    EXPECT_NE(page.find(said), std::string::npos) << said;
}

}  // namespace
}  // namespace app
