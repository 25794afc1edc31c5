#include "editor/title.h"

#include <string>

#include "model/globals.h"
#include "windows/sheet.h"

namespace editor {

void ShowTitle() {
  using model::G;
  std::string title = "Quorvane - " + G.FileName;
  if (G.Modified)
    title += " (Modified)";
  else
    title += G.FileName.empty() ? "(Unmodified)" : " (Unmodified)";
  windows::Sheet().Caption = title;
}

}  // namespace editor
