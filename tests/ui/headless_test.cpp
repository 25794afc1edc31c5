#include <gtest/gtest.h>

#include "ui/control.h"
#include "ui/form.h"
#include "ui/headless/actions.h"
#include "ui/headless/headless_platform.h"
#include "ui/input.h"

namespace ui {
namespace {

using headless::HeadlessError;

struct AskForm : Form {
  AskForm() : Form("AskForm") {
    Load = [this] { KeyPreview = true; };
    KeyPress = [this](int16_t& k) {
      if (k == 13) OK.Click();
      if (k == 27) Cancel.Click();
    };
    OK.Click = [this] {
      answer = Text1.Text;
      Unload();
    };
    Cancel.Click = [this] { Unload(); };
  }
  TextBox Text1{*this, "Text1"};
  CommandButton OK{*this, "OK"};
  CommandButton Cancel{*this, "Cancel"};
  std::string answer;
};

TEST(Headless, ModalFormRunsItsScriptAndReturnsWhenUnloaded) {
  headless::ScopedHeadless h;
  h.platform.OnModal("AskForm", [](Form& f) {
    auto& ask = static_cast<AskForm&>(f);
    headless::Type(ask.Text1, "42");
    headless::PressEnter(ask);
  });
  AskForm form;
  ShowModal(form);
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_EQ(form.answer, "42");
  EXPECT_EQ(h.platform.ModalShown, std::vector<std::string>{"AskForm"});
  EXPECT_TRUE(h.platform.PendingScripts().empty());
}

TEST(Headless, ModalFormWithoutAScriptFailsNamingTheForm) {
  headless::ScopedHeadless h;
  AskForm form;
  try {
    ShowModal(form);
    FAIL() << "no error";
  } catch (const HeadlessError& e) {
    EXPECT_NE(std::string(e.what()).find("'AskForm'"), std::string::npos);
  }
  EXPECT_FALSE(form.IsLoaded());
}

TEST(Headless, ScriptThatLeavesItsFormOpenFails) {
  headless::ScopedHeadless h;
  h.platform.OnModal("AskForm", [](Form&) {});
  AskForm form;
  EXPECT_THROW(ShowModal(form), HeadlessError);
}

TEST(Headless, MessagesAreRecordedInOrder) {
  headless::ScopedHeadless h;
  MsgBox("first");
  MsgBox("Nothing to print!");
  EXPECT_EQ(h.platform.Messages, (std::vector<std::string>{"first", "Nothing to print!"}));
}

TEST(Headless, KeyPreviewLetsTheFormSwallowAKey) {
  headless::ScopedHeadless h;
  Form form("F");
  form.KeyPreview = true;
  TextBox box(form, "Box");
  std::vector<std::string> seen;
  form.KeyPress = [&](int16_t& k) {
    seen.push_back("form " + std::to_string(k));
    if (k == 27) k = 0;
  };
  box.KeyPress = [&](int16_t& k) { seen.push_back("box " + std::to_string(k)); };
  box.KeyUp = [&](int16_t& k, int16_t shift) {
    seen.push_back("up " + std::to_string(k) + "/" + std::to_string(shift));
  };
  form.EnsureLoaded();
  box.SetFocus();
  headless::PressKey(form, 65, ShiftMask, 'A');
  headless::PressEscape(form);
  EXPECT_EQ(seen, (std::vector<std::string>{"form 65", "box 65", "up 65/1", "form 27", "up 27/0"}));
}

TEST(Headless, GesturesOnHiddenOrDisabledControlsFail) {
  headless::ScopedHeadless h;
  AskForm form;
  form.EnsureLoaded();
  form.OK.Enabled = false;
  EXPECT_THROW(headless::Click(form.OK), HeadlessError);
  form.Text1.Locked = true;
  EXPECT_THROW(headless::Type(form.Text1, "1"), HeadlessError);
}

TEST(Headless, CloseBoxRunsTheUnloadEventsWhichMayCancel) {
  headless::ScopedHeadless h;
  Form form("F");
  int16_t seenMode = -1;
  bool allow = false;
  form.QueryUnload = [&](int16_t& cancel, int16_t mode) {
    seenMode = mode;
    if (!allow) cancel = -1;
  };
  form.EnsureLoaded();
  EXPECT_FALSE(headless::CloseBox(form));
  EXPECT_TRUE(form.IsLoaded());
  EXPECT_EQ(seenMode, UnloadFromControlMenu);
  allow = true;
  EXPECT_TRUE(headless::CloseBox(form));
  EXPECT_FALSE(form.IsLoaded());
}

TEST(Headless, OptionButtonsOfOneContainerExcludeEachOther) {
  headless::ScopedHeadless h;
  Form form("F");
  Frame frame(form, "Frame1");
  OptionButton a(form, "A"), b(form, "B"), other(form, "C");
  a.Container = b.Container = &frame;
  other.Value = true;
  form.EnsureLoaded();
  headless::Choose(a);
  headless::Choose(b);
  EXPECT_FALSE(a.Value);
  EXPECT_TRUE(b.Value);
  EXPECT_TRUE(other.Value);
}

TEST(Headless, ServicesAreInspectableAndCanFail) {
  headless::ScopedHeadless h;
  Platform& p = platform();
  EXPECT_FALSE(p.ClipboardHasText());
  p.SetClipboardText("Shape::,x#");
  EXPECT_EQ(p.ClipboardText(), "Shape::,x#");

  EXPECT_EQ(p.GetSetting("Quorvane", "Settings", "GridSpacing", "100"), "100");
  p.SaveSetting("Quorvane", "Settings", "GridSpacing", "50");
  EXPECT_EQ(p.GetSetting("Quorvane", "Settings", "GridSpacing", "100"), "50");

  CommonDialog dlg;
  dlg.Filter = "Quorvane Files (*.qvn)|*.qvn";
  h.platform.FileAnswers = {std::string("/tmp/a.qvn"), std::nullopt};
  EXPECT_TRUE(p.ShowOpen(dlg));
  EXPECT_EQ(dlg.FileName, "/tmp/a.qvn");
  EXPECT_FALSE(p.ShowSave(dlg));  // cancelled
  EXPECT_FALSE(p.ShowOpen(dlg));  // nothing queued: cancelled
  ASSERT_EQ(h.platform.FileRequests.size(), 3u);
  EXPECT_EQ(h.platform.FileRequests[0].Filter, "Quorvane Files (*.qvn)|*.qvn");

  std::string name;
  EXPECT_TRUE(p.PrinterName(name));
  h.platform.PrinterReady = false;
  EXPECT_FALSE(p.PrinterName(name));
  EXPECT_FALSE(p.PrintLine(""));
  EXPECT_TRUE(h.platform.PrintedLines.empty());
}

// A long run on one platform (the fuzz targets) forgets what was shown and asked, but keeps
// what the store holds and the scripts still to run.
TEST(Headless, ForgettingTheRecordsKeepsTheStoreAndTheScripts) {
  headless::ScopedHeadless h;
  Platform& p = platform();
  p.SaveSetting("Quorvane", "Settings", "GridSpacing", "50");
  EXPECT_EQ(p.GetSetting("Quorvane", "Settings", "GridSpacing", "100"), "50");
  p.MsgBox("Nothing to print!");
  CommonDialog dlg;
  p.ShowOpen(dlg);
  p.PrintLine("");
  p.EndDoc();
  p.ShellOpen("Help/index.html");
  p.RegisterFont("erarch.ttf");
  h.platform.OnModal("AskForm", [](Form& f) { f.Unload(); });

  h.platform.ForgetRecords();
  EXPECT_TRUE(h.platform.Messages.empty());
  EXPECT_TRUE(h.platform.SettingsRead.empty());
  EXPECT_TRUE(h.platform.SettingsSaved.empty());
  EXPECT_TRUE(h.platform.FileRequests.empty());
  EXPECT_TRUE(h.platform.PrintedLines.empty());
  EXPECT_EQ(h.platform.DocumentsEnded, 0);
  EXPECT_TRUE(h.platform.ShellOpened.empty());
  EXPECT_TRUE(h.platform.FontsRegistered.empty());
  EXPECT_EQ(p.GetSetting("Quorvane", "Settings", "GridSpacing", "100"), "50");
  EXPECT_EQ(h.platform.PendingScripts(), std::vector<std::string>{"AskForm"});
  AskForm form;
  ShowModal(form);
  EXPECT_EQ(h.platform.ModalShown, std::vector<std::string>{"AskForm"});
}

TEST(Headless, MouseOnAPictureBoxArrivesInUserUnits) {
  headless::ScopedHeadless h;
  Form form("F");
  PictureBox box(form, "Base");
  box.Move(0, 0, (800 + 4) * 15, (500 + 4) * 15);
  box.SetScale(0, 1000, 1200, -1000);
  float gotX = 0, gotY = 0;
  int16_t gotButton = 0;
  box.MouseDown = [&](int16_t button, int16_t, float x, float y) {
    gotButton = button;
    gotX = x;
    gotY = y;
  };
  form.EnsureLoaded();
  headless::MouseDown(box, 400, 100);
  EXPECT_EQ(gotButton, LeftButton);
  EXPECT_FLOAT_EQ(gotX, 600);
  EXPECT_FLOAT_EQ(gotY, 800);
}

}  // namespace
}  // namespace ui
