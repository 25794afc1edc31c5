#include "app/wiring.h"

#include "model/sheet.h"
#include "view/layout.h"

namespace app {

void WireMainWindow() {
  model::SheetForm& sheet = model::Sheet();
  sheet.Resize = view::Form_Resize;
}

}  // namespace app
