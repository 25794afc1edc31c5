#include "app/wiring.h"

#include "app/export.h"
#include "app/options.h"
#include "app/print_page.h"
#include "app/query_form.h"
#include "app/result_captions.h"
#include "app/small_dialogs.h"
#include "app/startup.h"
#include "dialogs/case_dialogs.h"
#include "editor/clipboard.h"
#include "editor/command_end.h"
#include "editor/commands.h"
#include "editor/documents.h"
#include "editor/modes.h"
#include "editor/pointer.h"
#include "editor/typed_entry.h"
#include "editor/undo.h"
#include "model/new_element.h"
#include "view/layout.h"
#include "windows/sheet.h"

namespace app {

void WireMainWindow() {
  windows::SheetForm& sheet = windows::Sheet();
  sheet.Resize = view::Form_Resize;

  // Start-up, settings and shut-down.
  sheet.Load = Form_Load;
  sheet.QueryUnload = Form_QueryUnload;
  sheet.Unloading = Form_Unload;
  sheet.Exit.Click = Exit_Click;
  sheet.Settings.Click = Settings_Click;

  // Documents.
  sheet.New.Click = editor::New_Click;
  sheet.Open.Click = editor::Open_Click;
  sheet.Save.Click = editor::Save_Click;
  sheet.Saveas.Click = editor::Saveas_Click;
  sheet.Info.Click = Info_Click;

  // Help.
  sheet.Contents.Click = Contents_Click;
  sheet.About.Click = About_Click;

  // Undo history.
  sheet.Undo.Click = editor::Undo_Click;
  sheet.Redo.Click = editor::Redo_Click;

  // Commands: the toolbar and the drawing area's keys run the menu items' Click.
  sheet.tbToolBar.ButtonClick = editor::tbToolBar_ButtonClick;
  sheet.Base.KeyUp = editor::Base_KeyUp;
  sheet.mnuEdit.Click = editor::Edit_Click;
  sheet.SelectAll.Click = editor::SelectAll_Click;
  sheet.Cut.Click = editor::Cut_Click;
  sheet.Copy.Click = editor::Copy_Click;
  sheet.Paste.Click = editor::Paste_Click;

  // Predefined torsion and warping cases.
  sheet.Torsional.Click = dialogs::Torsional_Click;
  sheet.Warping.Click = dialogs::Warping_Click;

  // Printing and the text export.
  sheet.Printr.Click = app::Printr_Click;
  sheet.PrintSet.Click = app::PrintSet_Click;
  sheet.Export.Click = app::Export_Click;

  // Editing in the drawing area.
  sheet.Base.MouseDown = editor::Base_MouseDown;
  sheet.Base.MouseMove = editor::Base_MouseMove;
  sheet.TextEntry.KeyUp = editor::TextEntry_KeyUp;

  // The steps that the folders below ask of the ones above them.
  model::EndCommandSlot = [] { editor::EndCommandInProgress(); };
  editor::AskQuestionSlot = AskQuestion;
  editor::ApplyResultCaptionsSlot = ApplyResultCaptions;
}

}  // namespace app
