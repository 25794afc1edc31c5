#include "app/startup.h"

#include <filesystem>
#include <system_error>

#include "app/command_line.h"
#include "app/query_form.h"
#include "app/result_captions.h"
#include "app/settings_store.h"
#include "app/small_dialogs.h"
#include "editor/title.h"
#include "editor/undo.h"
#include "model/globals.h"
#include "model/rounding.h"
#include "ui/platform.h"
#include "view/redraw.h"
#include "windows/sheet.h"

namespace app {

namespace {

using model::G;

// The folder of the running program, ending in "/".
std::string ProgramFolder() {
  std::error_code error;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  std::string folder = error ? std::filesystem::current_path(error).string() : exe.parent_path().string();
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

}  // namespace

void Form_Load() {
  windows::SheetForm& sheet = windows::Sheet();
  sheet.Base.AutoRedraw = true;
  sheet.CalcBox.AutoRedraw = true;
  G.SnapChoice = 0;

  ReadWindowPlacement();
  ui::ShowModeless(sheet);

  ReadSettings();
  G.GridRedrawPending = model::True;
  G.GridTooDense = model::False;
  G.OverlapFound = model::False;
  G.Modified = model::False;
  G.InitialScaleWidth = sheet.Base.ScaleWidth;
  G.InitialScaleHeight = model::RoundToInt32(sheet.Base.ScaleHeight);
  G.ManualJ = G.ManualCw = G.WarpPickStep = G.TorsionPickStep = 0;

  G.AppPath = ProgramFolder();
  // A missing font file is not reported: the labels then show in the platform's stand-in.
  ui::platform().RegisterFont(G.AppPath + ResultFontFile);

  ApplyResultCaptions();
  editor::ShowTitle();
  SetResultFonts();
  view::RedrawDrawing();
  sheet.Base.SetFocus();
  OpenCommandLineFile();
  if (G.SplashRead == 1) ShowSplash();
  editor::ResetUndoHistory();
}

void SetResultFonts() {
  windows::SheetForm& s = windows::Sheet();
  ui::Label* labels[] = {
      &s.CalcTitle, &s.Label5,  &s.Label20, &s.Label21, &s.Label22,  &s.Label23, &s.Label24,   &s.Label25, &s.Label26,
      &s.Label27,   &s.Area,    &s.yBar,    &s.xBar,    &s.d,        &s.b,       &s.Ix,        &s.Sx,      &s.rx,
      &s.Zx,        &s.Iy,      &s.Sy,      &s.ry,      &s.Zy,       &s.J,       &s.Cw,        &s.AunitL,  &s.YUnitL,
      &s.XunitL,    &s.DUnitL,  &s.BUnitL,  &s.IxUnitL, &s.SxUnitL,  &s.RxUnitL, &s.ZxUnitL,   &s.IyUnitL, &s.SyUnitL,
      &s.RyUnitL,   &s.ZyUnitL, &s.JunitL,  &s.CwUnitL, &s.PhiUnitL, &s.PhiL,    &s.PaxisPhiL, &s.AreaL,   &s.yBarL,
      &s.xBarL,     &s.dL,      &s.bL,      &s.IxL,     &s.SxL,      &s.rxL,     &s.ZxL,       &s.IyL,     &s.SyL,
      &s.ryL,       &s.ZyL,     &s.JL,      &s.CwL,     &s.Phi};
  static_assert(sizeof(labels) / sizeof(labels[0]) == 59);
  for (ui::Label* l : labels) l->FontName = ResultFace;
}

void Form_QueryUnload(int16_t& Cancel, int16_t UnloadMode) {
  (void)UnloadMode;
  if (!G.Modified) return;
  AskQuestion("Discard Changes and Exit?");
  if (G.QueryCancel) Cancel = model::True;
}

void Form_Unload(int16_t& Cancel) {
  (void)Cancel;
  WriteSettings();
  // The start-up notice goes with the main window, without a handler of its own.
  CloseSplash();
}

void Exit_Click() { windows::Sheet().Unload(); }

}  // namespace app
