// The discard question: only Yes lets the caller throw changes away.

#include "app/query_form.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "model/globals.h"
#include "ui/headless/actions.h"
#include "ui/headless/headless_platform.h"

namespace app {
namespace {

using model::G;
namespace hl = ui::headless;

struct Answer {
  const char* how;
  std::function<void(QueryForm&)> act;
  model::Bool16 queryCancel;
};

TEST(QueryForm, OnlyYesClearsQueryCancel) {
  const Answer answers[] = {
      {"Yes", [](QueryForm& f) { hl::Click(f.Command1); }, model::False},
      {"No", [](QueryForm& f) { hl::Click(f.Command2); }, model::True},
      {"Cancel", [](QueryForm& f) { hl::Click(f.Command3); }, model::True},
      {"Esc", [](QueryForm& f) { hl::PressEscape(f); }, model::True},
      // Yes has the focus when the question opens, and Enter presses it.
      {"Enter at once", [](QueryForm& f) { hl::PressEnter(f); }, model::False},
      {"Tab to No, then Enter",
       [](QueryForm& f) {
         f.Command2.SetFocus();
         hl::PressEnter(f);
       },
       model::True},
      {"close box", [](QueryForm& f) { hl::CloseBox(f); }, model::True},
  };
  for (const Answer& a : answers) {
    SCOPED_TRACE(a.how);
    hl::ScopedHeadless h;
    G = model::Globals{};
    G.QueryCancel = model::False;  // whatever it held, the question starts from True
    std::string label;
    bool yesFocused = false;
    h.platform.OnModal("QueryForm", [&](ui::Form& f) {
      auto& q = static_cast<QueryForm&>(f);
      label = q.Label1.Caption;
      yesFocused = q.Command1.HasFocus();
      a.act(q);
    });
    AskQuestion("Discard Changes and Exit?");
    EXPECT_EQ(label, "Discard Changes and Exit?");
    EXPECT_TRUE(yesFocused);
    EXPECT_EQ(G.QueryCancel, a.queryCancel);
    EXPECT_TRUE(h.platform.PendingScripts().empty());
  }
}

TEST(QueryForm, CaptionsAndButtonOrder) {
  hl::ScopedHeadless h;
  QueryForm f;
  EXPECT_EQ(f.Caption, "Quorvane");
  EXPECT_EQ(f.Label1.Caption, "Discard Changes to Current File?");
  EXPECT_EQ(f.Command1.Caption, "Yes");
  EXPECT_EQ(f.Command2.Caption, "No");
  EXPECT_EQ(f.Command3.Caption, "Cancel");
  EXPECT_LT(f.Command1.Left, f.Command2.Left);
  EXPECT_LT(f.Command2.Left, f.Command3.Left);
  EXPECT_LT(f.Command1.TabIndex, f.Command2.TabIndex);
  EXPECT_LT(f.Command2.TabIndex, f.Command3.TabIndex);
}

}  // namespace
}  // namespace app
