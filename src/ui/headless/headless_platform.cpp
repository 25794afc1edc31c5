#include "ui/headless/headless_platform.h"

#include <algorithm>

#include "ui/form.h"

namespace ui::headless {

void HeadlessPlatform::OnModal(const std::string& name, Script script) { once_[name].push_back(std::move(script)); }

void HeadlessPlatform::OnEveryModal(const std::string& name, Script script) { every_[name] = std::move(script); }

std::vector<std::string> HeadlessPlatform::PendingScripts() const {
  std::vector<std::string> names;
  for (const auto& [name, queue] : once_)
    for (size_t i = 0; i < queue.size(); ++i) names.push_back(name);
  return names;
}

void HeadlessPlatform::ForgetRecords() {
  Messages.clear();
  ModalShown.clear();
  SettingsRead.clear();
  SettingsSaved.clear();
  FileRequests.clear();
  PrintedLines.clear();
  PrintedForms.clear();
  DocumentsEnded = 0;
  ShellOpened.clear();
  FontsRegistered.clear();
}

void HeadlessPlatform::RunModal(Form& form) {
  ModalShown.push_back(form.Name());
  Script script;
  auto queued = once_.find(form.Name());
  if (queued != once_.end() && !queued->second.empty()) {
    script = std::move(queued->second.front());
    queued->second.pop_front();
  } else if (auto always = every_.find(form.Name()); always != every_.end()) {
    script = always->second;
  } else {
    form.Unload();
    throw HeadlessError("modal form '" + form.Name() + "' was shown but the test registered no script for it");
  }
  script(form);
  if (form.IsLoaded()) {
    form.Unload();
    throw HeadlessError("modal form '" + form.Name() + "' was still open when its script ended");
  }
}

void HeadlessPlatform::ShowModeless(Form& form) {
  if (std::find(ModelessOpen.begin(), ModelessOpen.end(), &form) == ModelessOpen.end()) ModelessOpen.push_back(&form);
}

void HeadlessPlatform::FormClosed(Form& form) {
  ModelessOpen.erase(std::remove(ModelessOpen.begin(), ModelessOpen.end(), &form), ModelessOpen.end());
}

std::string HeadlessPlatform::GetSetting(const std::string& app, const std::string& section, const std::string& key,
                                         const std::string& fallback) {
  SettingsRead.push_back(key);
  auto it = Settings.find({app, section, key});
  return it == Settings.end() ? fallback : it->second;
}

void HeadlessPlatform::SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                                   const std::string& value) {
  SettingsSaved.push_back(key);
  Settings[{app, section, key}] = value;
}

bool HeadlessPlatform::AnswerFileDialog(CommonDialog& dialog) {
  FileRequests.push_back(dialog);
  if (FileAnswers.empty()) return false;
  std::optional<std::string> answer = FileAnswers.front();
  FileAnswers.pop_front();
  if (!answer) return false;
  dialog.FileName = *answer;
  return true;
}

bool HeadlessPlatform::ShowPrinter(CommonDialog& dialog) {
  FileRequests.push_back(dialog);
  return PrinterReady && PrinterSetupAccepted;
}

bool HeadlessPlatform::PrinterName(std::string& name) {
  if (!PrinterReady) return false;
  name = PrinterDevice;
  return true;
}

bool HeadlessPlatform::PrintLine(const std::string& text) {
  if (!PrinterReady) return false;
  PrintedLines.push_back(text);
  return true;
}

bool HeadlessPlatform::PrintForm(Form& form) {
  if (!PrinterReady) return false;
  PrintedForms.push_back(form.Name());
  return true;
}

bool HeadlessPlatform::EndDoc() {
  if (!PrinterReady) return false;
  ++DocumentsEnded;
  return true;
}

bool HeadlessPlatform::ShellOpen(const std::string& path) {
  ShellOpened.push_back(path);
  return ShellOpenWorks;
}

bool HeadlessPlatform::RegisterFont(const std::string& path) {
  FontsRegistered.push_back(path);
  return FontRegistrationWorks;
}

}  // namespace ui::headless
