#pragma once
// The main window and its controls, named as the system names them. Handlers are free
// functions of the subsystem that owns them, wired to these controls at start-up.
//
// src/windows stands on ui/ alone: the main window's controls and layout, and the pictures
// drawn for buttons and sketches; nothing here decides anything. Sitting this low, Sheet()
// is there for every folder above, the calculation included.

#include <array>
#include <memory>

#include "ui/control.h"
#include "ui/form.h"
#include "ui/platform.h"

namespace windows {

// The Tools menu's two case items as the window starts with them; a chosen case changes
// them to their reset captions and ending the case brings these back.
inline constexpr const char* SetTorsionalCaption = "Set Torsional Constant (J)...";
inline constexpr const char* SetWarpingCaption = "Set Warping Constant (Cw)...";
inline constexpr const char* ResetTorsionalCaption = "Reset Torsional Constant to Default";
inline constexpr const char* ResetWarpingCaption = "Reset Warping Constant to Default";

// The main window's toolbar buttons whose state the commands set, by their index from 1
// (the separators count).
inline constexpr int UndoButton = 7;
inline constexpr int RedoButton = 8;
inline constexpr int CutButton = 10;
inline constexpr int CopyButton = 11;
inline constexpr int PasteButton = 12;

// The captions of the results panel's rows in the order of SheetForm::ResultRows(), as
// they stand about the global axes.
inline constexpr const char* GlobalResultCaptions[16] = {
    "A:", "y:", "x:", "d:", "b:", "Ix:", "Sx:", "rx:", "Zx:", "Iy:", "Sy:", "ry:", "Zy:", "J:", "Cw:", "\u03c6:"};

// One row of the results panel: caption, value and unit.
struct ResultRow {
  ui::Label* Caption;
  ui::Label* Value;
  ui::Label* Unit;
};

struct SheetForm : ui::Form {
  SheetForm();

  // The menu bar. Items carry their own enabled state, apart from the toolbar buttons.
  ui::Menu mnuFile{*this, "mnuFile"};
  ui::Menu New{*this, "New", &mnuFile};
  ui::Menu Open{*this, "Open", &mnuFile};
  ui::Menu Save{*this, "Save", &mnuFile};
  ui::Menu Saveas{*this, "Saveas", &mnuFile};
  ui::Menu FileSep1{*this, "FileSep1", &mnuFile};
  ui::Menu Export{*this, "Export", &mnuFile};
  ui::Menu FileSep3{*this, "FileSep3", &mnuFile};
  ui::Menu Info{*this, "Info", &mnuFile};
  ui::Menu FileSep{*this, "FileSep", &mnuFile};
  ui::Menu PrintSet{*this, "PrintSet", &mnuFile};
  ui::Menu Printr{*this, "Printr", &mnuFile};
  ui::Menu FileSep2{*this, "FileSep2", &mnuFile};
  ui::Menu Exit{*this, "Exit", &mnuFile};

  ui::Menu mnuEdit{*this, "mnuEdit"};
  ui::Menu Undo{*this, "Undo", &mnuEdit};
  ui::Menu Redo{*this, "Redo", &mnuEdit};
  ui::Menu EditSep1{*this, "EditSep1", &mnuEdit};
  ui::Menu Cut{*this, "Cut", &mnuEdit};
  ui::Menu Copy{*this, "Copy", &mnuEdit};
  ui::Menu Paste{*this, "Paste", &mnuEdit};
  ui::Menu EditSep3{*this, "EditSep3", &mnuEdit};
  ui::Menu SelectAll{*this, "SelectAll", &mnuEdit};
  ui::Menu EditSep4{*this, "EditSep4", &mnuEdit};
  ui::Menu Settings{*this, "Settings", &mnuEdit};

  ui::Menu mnuTools{*this, "mnuTools"};
  ui::Menu Torsional{*this, "Torsional", &mnuTools};
  ui::Menu Warping{*this, "Warping", &mnuTools};

  ui::Menu mnuHelp{*this, "mnuHelp"};
  ui::Menu Contents{*this, "Contents", &mnuHelp};
  ui::Menu HelpSep1{*this, "HelpSep1", &mnuHelp};
  ui::Menu About{*this, "About", &mnuHelp};

  // The keyed toolbar, 27 buttons with six separators; code tells buttons apart by key.
  ui::Toolbar tbToolBar{*this, "tbToolBar"};

  // The common dialog of Open, Save As, Export and Print Setup; its file name carries over.
  ui::CommonDialog dlgCommonDialog;

  // The drawing area, its pointer tip and its axis labels.
  ui::PictureBox Base{*this, "Base"};
  ui::Label Label1{*this, "Label1"};
  ui::Label XaxisL{*this, "XaxisL"};
  ui::Label YaxisL{*this, "YaxisL"};
  ui::Label PxAxisL{*this, "PxAxisL"};
  ui::Label PyAxisL{*this, "PyAxisL"};
  ui::Label PaxisPhiL{*this, "PaxisPhiL"};

  // The entry row under the drawing area.
  ui::TextBox TextEntry{*this, "TextEntry"};
  ui::TextBox CurrentObject{*this, "CurrentObject"};
  ui::TextBox Coord{*this, "Coord"};

  // The results panel.
  ui::PictureBox CalcBox{*this, "CalcBox"};
  ui::Label CalcTitle{*this, "CalcTitle"};
  ui::Label AreaL{*this, "AreaL"}, Area{*this, "Area"}, AunitL{*this, "AunitL"};
  ui::Label yBarL{*this, "yBarL"}, yBar{*this, "yBar"}, YUnitL{*this, "YUnitL"};
  ui::Label xBarL{*this, "xBarL"}, xBar{*this, "xBar"}, XunitL{*this, "XunitL"};
  ui::Label dL{*this, "dL"}, d{*this, "d"}, DUnitL{*this, "DUnitL"};
  ui::Label bL{*this, "bL"}, b{*this, "b"}, BUnitL{*this, "BUnitL"};
  ui::Label IxL{*this, "IxL"}, Ix{*this, "Ix"}, IxUnitL{*this, "IxUnitL"};
  ui::Label SxL{*this, "SxL"}, Sx{*this, "Sx"}, SxUnitL{*this, "SxUnitL"};
  ui::Label rxL{*this, "rxL"}, rx{*this, "rx"}, RxUnitL{*this, "RxUnitL"};
  ui::Label ZxL{*this, "ZxL"}, Zx{*this, "Zx"}, ZxUnitL{*this, "ZxUnitL"};
  ui::Label IyL{*this, "IyL"}, Iy{*this, "Iy"}, IyUnitL{*this, "IyUnitL"};
  ui::Label SyL{*this, "SyL"}, Sy{*this, "Sy"}, SyUnitL{*this, "SyUnitL"};
  ui::Label ryL{*this, "ryL"}, ry{*this, "ry"}, RyUnitL{*this, "RyUnitL"};
  ui::Label ZyL{*this, "ZyL"}, Zy{*this, "Zy"}, ZyUnitL{*this, "ZyUnitL"};
  ui::Label JL{*this, "JL"}, J{*this, "J"}, JunitL{*this, "JunitL"};
  ui::Label CwL{*this, "CwL"}, Cw{*this, "Cw"}, CwUnitL{*this, "CwUnitL"};
  ui::Label PhiL{*this, "PhiL"}, Phi{*this, "Phi"}, PhiUnitL{*this, "PhiUnitL"};
  // Power digits beside the unit labels.
  ui::Label Label5{*this, "Label5"}, Label20{*this, "Label20"}, Label21{*this, "Label21"}, Label22{*this, "Label22"},
      Label23{*this, "Label23"}, Label24{*this, "Label24"}, Label25{*this, "Label25"}, Label26{*this, "Label26"},
      Label27{*this, "Label27"};

  // The panel's rows from the top, the angle row last.
  std::array<ResultRow, 16> ResultRows();

  // Enables or disables the toolbar buttons Cut and Copy.
  void SetCutCopyButtons(bool enabled);

 private:
  void SetUpMenus();
  void SetUpToolbar();
  void LayOutEntryRowAndDrawingArea();
  void LayOutResultsPanel();
};

// The one main window. ResetSheet builds a fresh one (tests do this between cases).
SheetForm& Sheet();
void ResetSheet();

}  // namespace windows
