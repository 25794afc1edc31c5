#pragma once
// The discard question answered in a test: its next showing gets a click on one button.

#include "app/query_form.h"
#include "ui/headless/actions.h"
#include "ui/headless/headless_platform.h"

namespace app::testing {

inline constexpr ui::CommandButton QueryForm::*Yes = &QueryForm::Command1;
inline constexpr ui::CommandButton QueryForm::*No = &QueryForm::Command2;

inline void AnswerQuestion(ui::headless::HeadlessPlatform& p, ui::CommandButton QueryForm::*button) {
  p.OnModal("QueryForm", [button](ui::Form& f) { ui::headless::Click(static_cast<QueryForm&>(f).*button); });
}

}  // namespace app::testing
