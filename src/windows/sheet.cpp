#include "windows/sheet.h"

#include <initializer_list>

#include "windows/toolbar_icons.h"

namespace windows {

namespace {

std::unique_ptr<SheetForm> sheet;

constexpr float RowPitch = 355;  // twips between the rows of the results panel
constexpr int ToolbarIconPixels = 24;

}  // namespace

SheetForm::SheetForm() : ui::Form("Sheet") {
  Caption = "Quorvane - (Unmodified)";
  BorderStyle = ui::BorderStyles::Sizable;
  MinButton = true;
  MaxButton = true;
  Width = 12500;
  Height = 9500;
  SetUpMenus();
  SetUpToolbar();
  LayOutEntryRowAndDrawingArea();
  LayOutResultsPanel();
}

void SheetForm::SetUpMenus() {
  // Captions carry no access-key letters; the shortcuts are the items' own accelerators.
  struct MenuText {
    ui::Menu& Item;
    const char* Caption;
    const char* Shortcut;
  };
  for (const MenuText& m : std::initializer_list<MenuText>{
           {mnuFile, "File", ""},
           {New, "New", "Ctrl+N"},
           {Open, "Open...", "Ctrl+O"},
           {Save, "Save", "Ctrl+S"},
           {Saveas, "Save As...", ""},
           {FileSep1, "-", ""},
           {Export, "Export to Text File...", ""},
           {FileSep3, "-", ""},
           {Info, "Set Project Information...", ""},
           {FileSep, "-", ""},
           {PrintSet, "Print Setup...", ""},
           {Printr, "Print...", "Ctrl+P"},
           {FileSep2, "-", ""},
           {Exit, "Exit", "Ctrl+Q"},
           {mnuEdit, "Edit", ""},
           {Undo, "Undo", "Ctrl+Z"},
           {Redo, "Redo", "Ctrl+Y"},
           {EditSep1, "-", ""},
           {Cut, "Cut", "Ctrl+X"},
           {Copy, "Copy", "Ctrl+C"},
           {Paste, "Paste", "Ctrl+V"},
           {EditSep3, "-", ""},
           {SelectAll, "Select All", "Ctrl+A"},
           {EditSep4, "-", ""},
           {Settings, "Settings...", ""},
           {mnuTools, "Tools", ""},
           {Torsional, SetTorsionalCaption, ""},
           {Warping, SetWarpingCaption, ""},
           {mnuHelp, "Help", ""},
           {Contents, "Contents...", "F1"},
           {HelpSep1, "-", ""},
           {About, "About...", ""},
       }) {
    m.Item.Caption = m.Caption;
    m.Item.Shortcut = m.Shortcut;
  }
  // Every item starts enabled but Undo and Redo (start-up disables them again). Cut and
  // Copy are set when the Edit menu opens, Paste by every redraw and that opening; their
  // toolbar buttons start disabled.
  Undo.Enabled = Redo.Enabled = false;
}

void SheetForm::SetUpToolbar() {
  struct ButtonText {
    const char* Key;
    const char* Tip;
    bool Enabled;
  };
  for (const ButtonText& b : std::initializer_list<ButtonText>{
           {"New", "New", true},
           {"Open", "Open", true},
           {"Save", "Save", true},
           {nullptr, nullptr, true},
           {"Print", "Print", true},
           {nullptr, nullptr, true},
           {"Undo", "Undo", false},
           {"Redo", "Redo", false},
           {nullptr, nullptr, true},
           {"Cut", "Cut", false},
           {"Copy", "Copy", false},
           {"Paste", "Paste", false},
           {nullptr, nullptr, true},
           {"Shape", "Insert Steel Shape", true},
           {"Bar", "Insert Plate or Bar", true},
           {nullptr, nullptr, true},
           {"Erase", "Erase", true},
           {"Move", "Move", true},
           {"Rotate", "Rotate", true},
           {"Mirror", "Mirror", true},
           {nullptr, nullptr, true},
           {"ZoomIn", "Zoom In", true},
           {"ZoomOut", "Zoom Out", true},
           {"PanUp", "Pan Up", true},
           {"PanDown", "Pan Down", true},
           {"PanLeft", "Pan Left", true},
           {"PanRight", "Pan Right", true},
       }) {
    ui::ToolbarButton& button = b.Key ? tbToolBar.Add(b.Key, b.Tip) : tbToolBar.Add("", "", {}, true);
    button.Enabled = b.Enabled;
  }
  // The pictures follow the buttons with a key, in order.
  int image = 0;
  for (ui::ToolbarButton& button : tbToolBar.Buttons)
    if (!button.Separator) button.Picture = windows::ToolbarIcon(++image, ToolbarIconPixels);
}

void SheetForm::LayOutEntryRowAndDrawingArea() {
  // Design positions (twips). The resize rules move only the sizes of Base, TextEntry and
  // CalcBox and CalcBox's left edge, so everything else sits above the drawing area: the
  // toolbar row, then the entry row whose typed-entry box reaches to the right edge
  // (width W - 7600 from left 7540). Base starts at the left edge and CalcBox ends at the
  // right edge of the client area; both end just above its bottom edge.
  tbToolBar.Move(0, 0, 28800, 450);
  CurrentObject.Move(60, 480, 5280, 330);
  CurrentObject.Locked = true;
  Coord.Move(5400, 480, 2080, 330);
  Coord.Locked = true;
  TextEntry.Move(7540, 480, 4900, 330);
  TextEntry.Locked = true;
  TextEntry.BackColor = ui::SystemButtonFace;

  Base.Move(0, 840, 9800, 8300);
  Base.SetScale(0, 1000, 1200, -1000);
  for (ui::Label* l : {&Label1, &XaxisL, &YaxisL, &PxAxisL, &PyAxisL, &PaxisPhiL}) {
    l->Container = &Base;
    l->BackStyle = 0;
    l->AutoSize = true;
  }
  Label1.Visible = false;
  XaxisL.Caption = "x";
  YaxisL.Caption = "y";
  PxAxisL.Caption = "x'";
  PyAxisL.Caption = "y'";
  PaxisPhiL.Caption = "\u03c6";
}

void SheetForm::LayOutResultsPanel() {
  CalcBox.Move(9800, 840, 2700, 8325);
  CalcBox.ScaleMode = ui::ScaleModes::Twip;
  CalcTitle.Container = &CalcBox;
  CalcTitle.Caption = "Section Properties:";
  CalcTitle.Move(100, 60, 2500, 285);
  CalcTitle.FontBold = true;
  CalcTitle.BackStyle = 0;

  auto rows = ResultRows();
  for (size_t i = 0; i < rows.size(); ++i) {
    const float top = RowPitch * static_cast<float>(i + 1) + 60;
    ResultRow& r = rows[i];
    for (ui::Label* l : {r.Caption, r.Value, r.Unit}) {
      l->Container = &CalcBox;
      l->BackStyle = 0;
      l->FontSize = 10;
      l->FontName = "ER Architect";
    }
    r.Caption->Caption = GlobalResultCaptions[i];
    r.Caption->Move(100, top, 600, 285);
    r.Value->Move(700, top, 1250, 285);
    r.Value->Alignment = 1;
    r.Unit->Caption = i == 15 ? "deg" : "mm";
    r.Unit->Move(2000, top, 400, 285);
  }
  PhiL.Visible = Phi.Visible = PhiUnitL.Visible = false;

  // The power digits of the squared, cubed ... units.
  struct Power {
    ui::Label* label;
    const char* digit;
    ui::Label* row;
  };
  for (const Power& p : {Power{&Label5, "2", &Area}, Power{&Label20, "4", &Ix}, Power{&Label21, "3", &Sx},
                         Power{&Label22, "3", &Zx}, Power{&Label23, "4", &Iy}, Power{&Label24, "3", &Sy},
                         Power{&Label25, "3", &Zy}, Power{&Label26, "4", &J}, Power{&Label27, "6", &Cw}}) {
    p.label->Container = &CalcBox;
    p.label->BackStyle = 0;
    p.label->Caption = p.digit;
    p.label->FontSize = 7;
    p.label->FontName = "ER Architect";
    p.label->Move(2300, p.row->Top - 40, 200, 200);
  }
}

std::array<ResultRow, 16> SheetForm::ResultRows() {
  return {{{&AreaL, &Area, &AunitL},
           {&yBarL, &yBar, &YUnitL},
           {&xBarL, &xBar, &XunitL},
           {&dL, &d, &DUnitL},
           {&bL, &b, &BUnitL},
           {&IxL, &Ix, &IxUnitL},
           {&SxL, &Sx, &SxUnitL},
           {&rxL, &rx, &RxUnitL},
           {&ZxL, &Zx, &ZxUnitL},
           {&IyL, &Iy, &IyUnitL},
           {&SyL, &Sy, &SyUnitL},
           {&ryL, &ry, &RyUnitL},
           {&ZyL, &Zy, &ZyUnitL},
           {&JL, &J, &JunitL},
           {&CwL, &Cw, &CwUnitL},
           {&PhiL, &Phi, &PhiUnitL}}};
}

void SheetForm::SetCutCopyButtons(bool enabled) {
  for (int index : {CutButton, CopyButton})
    if (static_cast<int>(tbToolBar.Buttons.size()) >= index) tbToolBar.Button(index).Enabled = enabled;
}

SheetForm& Sheet() {
  if (!sheet) sheet = std::make_unique<SheetForm>();
  return *sheet;
}

void ResetSheet() {
  sheet.reset();
  sheet = std::make_unique<SheetForm>();
}

}  // namespace windows
