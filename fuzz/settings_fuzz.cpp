// The settings reader over arbitrary stored texts: each line of the input becomes the
// stored value of the next key, in the store's own order; the settings are read and a
// small section is drawn and recalculated in the view they give. Whatever is stored,
// nothing reads or writes outside its place and nothing stops the program.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/settings_store.h"
#include "flow_session.h"
#include "model/globals.h"
#include "ui/form.h"
#include "ui/headless/headless_platform.h"
#include "view/redraw.h"
#include "windows/sheet.h"

namespace {

ui::headless::HeadlessPlatform& Platform() {
  // One platform and one main window for the whole run: building the window's toolbar
  // icons for every input would take most of the time.
  static auto* scope = [] {
    auto* s = new ui::headless::ScopedHeadless;
    windows::ResetSheet();
    return s;
  }();
  return scope->platform;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ui::headless::HeadlessPlatform& platform = Platform();
  // The platform's records of read and saved keys would grow by every input's keys.
  platform.ForgetRecords();
  model::G = model::Globals{};
  // Every key at its default first, so the store holds each of them once.
  platform.Settings.clear();
  app::ApplySettingDefaults();
  app::WriteSettings();
  std::string_view input(reinterpret_cast<const char*>(data), size);
  for (auto& [key, value] : platform.Settings) {
    if (input.empty()) break;
    const size_t end = input.find('\n');
    value = std::string(input.substr(0, end));
    input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
  }
  app::ReadSettings();

  ui::PictureBox& base = windows::Sheet().Base;
  base.Width = static_cast<float>((300 + 4) * ui::TwipsPerPixel);
  base.Height = static_cast<float>((200 + 4) * ui::TwipsPerPixel);
  fuzzing::AddPlate(100, 200, 0);
  fuzzing::AddPlate(150, 210, 0.5);
  view::RedrawDrawing();
  return 0;
}
