#include "model/quick_help.h"

#include "model/globals.h"
#include "windows/sheet.h"

namespace model {

void ShowQuickHelp(const std::string& Text) {
  if (G.ShowHelp) windows::Sheet().CurrentObject.Text = Text;
}

}  // namespace model
