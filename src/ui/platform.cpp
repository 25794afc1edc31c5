#include "ui/platform.h"

#include "ui/form.h"
#include "ui/headless/headless_platform.h"

namespace ui {

namespace {

Platform* installed = nullptr;

}  // namespace

void Platform::FrameExtents(const Form& form, float& dx, float& dy) const {
  // A 4-pixel border on each side and a 22-pixel title bar; a main window with a menu
  // bar adds 20 pixels more. Backends that know better override this.
  (void)form;
  dx = 8 * TwipsPerPixel;
  dy = (8 + 22) * TwipsPerPixel;
  for (Control* c : form.Controls())
    if (c->Kind() == ControlKind::Menu) {
      dy += 20 * TwipsPerPixel;
      break;
    }
}

Platform& platform() {
  if (installed) return *installed;
  static headless::HeadlessPlatform fallback;
  return fallback;
}

void SetPlatform(Platform* backend) { installed = backend; }

void MsgBox(const std::string& text) { platform().MsgBox(text); }

}  // namespace ui
