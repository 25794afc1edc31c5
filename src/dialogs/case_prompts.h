#pragma once
// The prompt windows that lead the user through the picks of a predefined torsion or
// warping case: the case's sketch, a prompt, Continue (the next click in the drawing
// picks) and Cancel (the case ends). Each is shown modally and returns once closed.

#include <string>

#include "ui/control.h"
#include "ui/form.h"
#include "ui/image.h"

namespace dialogs {

// How one prompt window looks and which family of cases its Cancel ends.
struct CasePromptLook {
  const char* Name;
  const char* Caption;
  float ClientWidth, ClientHeight;  // twips
  ui::Image (*Picture)();
  const char* LabelName;  // "Label1" in the plate windows, "lbl1" in the warping windows
  const char* Text;       // the plate windows' own prompt; the warping windows get theirs from the caller
  bool Torsion;           // Cancel ends the torsion case, else the warping case
};

struct CasePromptForm : ui::Form {
  explicit CasePromptForm(const CasePromptLook& look);

  ui::PictureBox Picture1{*this, "Picture1"};
  ui::Label Prompt;  // the prompt label
  ui::CommandButton cmdContinue{*this, "cmdContinue"};
  ui::CommandButton Command1{*this, "Command1"};

  void cmdContinue_Click();               // the case waits for the click in the drawing area
  void Command1_Click();                  // ends the case and abandons its picks
  void Form_Load();                       // key preview on
  void Form_KeyPress(int16_t& KeyAscii);  // Enter is Continue, Esc is Cancel

 private:
  bool torsion_;
};

// The looks of frmPlate1, frmPlate2, and of frmCrane, frmWF, frmZed, frmChannel
// (index = the warping case 1..4; 0 is unused).
extern const CasePromptLook Plate1Look;
extern const CasePromptLook Plate2Look;
extern const CasePromptLook WarpLooks[5];

// frmPlate1: before the first plate of either box case.
void ShowPlate1Prompt();
// frmPlate2: between the two plates of the rectangular box.
void ShowPlate2Prompt();
// The prompt window of the warping case in G.ManualCw (1 crane girder, 2 wide flange,
// 3 zed, 4 channel) with `Prompt` in its label; with no warping case chosen it shows
// nothing.
void ShowWarpPrompt(const std::string& Prompt);

}  // namespace dialogs
