#include "app/query_form.h"

#include <iterator>

#include "model/globals.h"
#include "ui/input.h"

namespace app {

using model::G;

namespace {

// A white question mark on a blue disc, 32 by 32 pixels.
ui::Image QuestionIcon() {
  constexpr int size = 32;
  static const char* const mark[] = {
      "..####..", ".##..##.", "##....##", "......##", ".....##.", "....##..",
      "...##...", "...##...", "........", "...##...", "...##...",
  };
  ui::Image image;
  image.Width = image.Height = size;
  image.Pixels.assign(size * size, static_cast<int32_t>(0xC0C0C0));
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      const double dx = x - 15.5, dy = y - 15.5;
      if (dx * dx + dy * dy <= 15.0 * 15.0) image.Pixels[y * size + x] = 0xC06000;
    }
  constexpr int rows = static_cast<int>(std::size(mark));
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < 8; ++c)
      if (mark[r][c] == '#')
        for (int k = 0; k < 4; ++k) {
          const int x = 8 + c * 2 + (k & 1), y = 5 + r * 2 + (k >> 1);
          if (y < size) image.Pixels[y * size + x] = model::White;
        }
  return image;
}

}  // namespace

QueryForm::QueryForm() : ui::Form("QueryForm") {
  Caption = "Quorvane";
  SetClientSize(4560, 1560);

  Image1.BorderStyle = 0;
  Image1.Move(240, 240, 480, 480);
  Label1.Caption = "Discard Changes to Current File?";
  Label1.WordWrap = true;
  Label1.Move(960, 300, 3360, 480);
  Command1.Caption = "Yes";
  Command1.Move(600, 1000, 1000, 375);
  Command2.Caption = "No";
  Command2.Move(1780, 1000, 1000, 375);
  Command3.Caption = "Cancel";
  Command3.Move(2960, 1000, 1000, 375);
  Image1.TabStop = false;
  Label1.TabStop = false;
  Image1.TabIndex = 3;
  Label1.TabIndex = 4;
  Command1.TabIndex = 0;
  Command2.TabIndex = 1;
  Command3.TabIndex = 2;

  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
  Command3.Click = [this] { Command3_Click(); };
  Load = [this] {
    KeyPreview = true;
    Image1.LoadImage(QuestionIcon());
    Command1.SetFocus();
  };
  // Esc is Cancel; Enter is left to the button that has the focus.
  KeyPress = [this](int16_t& KeyAscii) {
    if (KeyAscii != ui::KeyEscape) return;
    KeyAscii = 0;
    Command3_Click();
  };
}

void QueryForm::Command1_Click() {
  G.QueryCancel = model::False;
  Unload();
}

void QueryForm::Command2_Click() {
  G.QueryCancel = model::True;
  Unload();
}

void QueryForm::Command3_Click() {
  G.QueryCancel = model::True;
  Unload();
}

void AskQuestion(const std::string& Question) {
  G.QueryCancel = model::True;
  QueryForm form;
  form.Label1.Caption = Question;
  ui::ShowModal(form);
}

}  // namespace app
