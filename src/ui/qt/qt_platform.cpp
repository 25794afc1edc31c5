#include "ui/qt/qt_platform.h"

#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFileDialog>
#include <QFontDatabase>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSettings>
#include <QUrl>
#include <QWindow>
#include <cstdio>
#include <exception>
#include <vector>

#include "ui/form.h"
#include "ui/qt/form_window.h"
#include "ui/qt/key_presses.h"

namespace ui::qt {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// "desc|pattern|desc|pattern" as Qt's name filters "desc (pattern pattern)".
QStringList NameFilters(const std::string& filter) {
  QStringList parts = Q(filter).split('|');
  QStringList out;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString desc = parts[i].trimmed();
    // A description that already names its patterns in brackets keeps only the words.
    if (desc.endsWith(')')) {
      const qsizetype open = desc.lastIndexOf('(');
      if (open > 0) desc = desc.left(open).trimmed();
    }
    QString patterns = parts[i + 1];
    patterns.replace(';', ' ');
    out << desc + " (" + patterns.simplified() + ")";
  }
  return out;
}

}  // namespace

QtPlatform::QtPlatform() : presses_(std::make_unique<KeyPresses>()) {
  // The results font is not shipped; where it is not registered, a narrow face keeps its
  // captions inside the widths the results panel was laid out for.
  QFont::insertSubstitutions("ER Architect",
                             {"Nimbus Sans Narrow", "Liberation Sans Narrow", "Arial Narrow", "DejaVu Sans Condensed"});
  // The face the print page's table is laid out for, where the system has no such face.
  QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "Arial", "Nimbus Sans", "DejaVu Sans Condensed"});
}

QtPlatform::~QtPlatform() {
  if (page_ && page_->isActive()) page_->end();
  for (auto& [form, window] : windows_)
    if (window) {
      window->Detach();
      delete window.data();
    }
  windows_.clear();
}

int QtPlatform::MenuBarHeight() {
  static const int height = [] {
    QMenuBar probe;
    probe.addMenu("File");
    return probe.sizeHint().height();
  }();
  return height;
}

QWidget* QtPlatform::DialogOwner() const {
  auto usable = [](QWidget* w) {
    if (!w || !w->isVisible()) return false;
    auto* form = dynamic_cast<FormWindow*>(w);
    return !form || form->form() != nullptr;
  };
  if (QWidget* active = QApplication::activeWindow(); usable(active)) return active;
  if (QWidget* modal = QApplication::activeModalWidget(); usable(modal)) return modal;
  if (quitForm_) {
    if (QWidget* main = WindowOf(*quitForm_); usable(main)) return main;
  }
  return nullptr;
}

FormWindow* QtPlatform::WindowOf(const Form& form) const {
  auto it = windows_.find(&form);
  return it == windows_.end() ? nullptr : it->second.data();
}

void QtPlatform::Dispatch(const std::function<void()>& handler) {
  // A key released before this event acts before it, even while it waits to see whether
  // the key is held.
  presses_->RunWaitingReleases();
  try {
    handler();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "Quorvane: %s\n", e.what());
    QMessageBox::critical(DialogOwner(), AppTitle, QString("An internal error occurred:\n") + e.what());
  }
  SyncAll();
}

void QtPlatform::SyncAll() {
  if (syncing_) {
    resync_ = true;
    return;
  }
  syncing_ = true;
  // A handler run during the pass (a resize) may change more: go round until quiet.
  for (int round = 0; round < 8; ++round) {
    resync_ = false;
    std::vector<QPointer<FormWindow>> open;
    for (auto& [form, window] : windows_) open.push_back(window);
    for (auto& window : open)
      if (window) window->Sync();
    if (!resync_) break;
  }
  syncing_ = false;
}

FormWindow* QtPlatform::Open(Form& form) {
  FormWindow* window = WindowOf(form);
  if (!window) {
    window = new FormWindow(form, *this);
    windows_[&form] = window;
  }
  return window;
}

void QtPlatform::RunModal(Form& form) {
  FormWindow* window = Open(form);
  QEventLoop loop;
  window->ModalLoop = &loop;
  SyncAll();
  window->ShowForm(true);
  SyncAll();
  if (form.IsLoaded() && WindowOf(form) == window) loop.exec(QEventLoop::DialogExec);
}

void QtPlatform::ShowModeless(Form& form) {
  FormWindow* window = Open(form);
  SyncAll();
  window->ShowForm(false);
  SyncAll();
}

void QtPlatform::FormClosed(Form& form) {
  auto it = windows_.find(&form);
  if (it != windows_.end()) {
    QPointer<FormWindow> window = it->second;
    windows_.erase(it);
    if (window) {
      if (window->ModalLoop) {
        window->ModalLoop->quit();
        HandActivationBack(*window);
      }
      window->Detach();
      window->hide();
      window->deleteLater();
    }
  }
  if (&form == quitForm_) {
    quitForm_ = nullptr;
    QCoreApplication::exit(0);
  }
}

void QtPlatform::HandActivationBack(FormWindow& closing) {
  // Done while the closing window still has the activation, so the window manager lets
  // it pass on: once that window is gone, the manager may hand the activation to no
  // window at all, and the keys typed next would be lost.
  if (!closing.isVisible() || !closing.windowHandle()) return;
  const QWindow* owner = closing.windowHandle()->transientParent();
  for (auto& [form, window] : windows_)
    if (window && window != &closing && window->windowHandle() == owner && window->isVisible()) {
      window->activateWindow();
      return;
    }
}

void QtPlatform::FocusChanged(Control& control) {
  if (FormWindow* window = WindowOf(control.Owner())) window->ApplyFocus();
}

void QtPlatform::FrameExtents(const Form& form, float& dx, float& dy) const {
  dx = 0;
  dy = 0;
  for (Control* c : form.Controls())
    if (c->Kind() == ControlKind::Menu) {
      dy = static_cast<float>(MenuBarHeight() * TwipsPerPixel);
      break;
    }
}

// ---- services ------------------------------------------------------------------------

void QtPlatform::MsgBox(const std::string& text) {
  SyncAll();
  QMessageBox box(QMessageBox::NoIcon, AppTitle, Q(text), QMessageBox::Ok, DialogOwner());
  box.exec();
  SyncAll();
}

bool QtPlatform::ClipboardHasText() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  return data && data->hasText();
}

std::string QtPlatform::ClipboardText() { return QGuiApplication::clipboard()->text().toStdString(); }

void QtPlatform::SetClipboardText(const std::string& text) { QGuiApplication::clipboard()->setText(Q(text)); }

std::string QtPlatform::GetSetting(const std::string& app, const std::string& section, const std::string& key,
                                   const std::string& fallback) {
  QSettings store(Q(app), Q(app));
  const QVariant value = store.value(Q(section) + "/" + Q(key));
  return value.isValid() ? value.toString().toStdString() : fallback;
}

void QtPlatform::SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                             const std::string& value) {
  QSettings store(Q(app), Q(app));
  store.setValue(Q(section) + "/" + Q(key), Q(value));
  store.sync();
}

bool QtPlatform::FileDialog(CommonDialog& dialog, bool save) {
  SyncAll();
  QFileDialog box(DialogOwner());
  box.setWindowTitle(dialog.DialogTitle.empty() ? (save ? "Save As" : "Open") : Q(dialog.DialogTitle));
  box.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  box.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  if (save && !(dialog.Flags & FlagOverwritePrompt)) box.setOption(QFileDialog::DontConfirmOverwrite);
  const QStringList filters = NameFilters(dialog.Filter);
  if (!filters.isEmpty()) {
    box.setNameFilters(filters);
    const int index = std::clamp<int>(dialog.FilterIndex, 1, static_cast<int>(filters.size())) - 1;
    box.selectNameFilter(filters[index]);
  }
  if (!dialog.FileName.empty()) box.selectFile(Q(dialog.FileName));
  const bool accepted = box.exec() == QDialog::Accepted && !box.selectedFiles().isEmpty();
  if (accepted) {
    dialog.FileName = box.selectedFiles().first().toStdString();
    const qsizetype index = filters.indexOf(box.selectedNameFilter());
    if (index >= 0) dialog.FilterIndex = static_cast<int16_t>(index + 1);
  }
  SyncAll();
  return accepted;
}

bool QtPlatform::ShowOpen(CommonDialog& dialog) { return FileDialog(dialog, false); }
bool QtPlatform::ShowSave(CommonDialog& dialog) { return FileDialog(dialog, true); }

QPrinter& QtPlatform::Printer() {
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *printer_;
}

void QtPlatform::SetPrinterOutputFile(const std::string& pdfPath) {
  Printer().setOutputFormat(QPrinter::PdfFormat);
  Printer().setOutputFileName(Q(pdfPath));
}

bool QtPlatform::ShowPrinter(CommonDialog& dialog) {
  (void)dialog;
  SyncAll();
  QPrintDialog box(&Printer(), DialogOwner());
  box.setWindowTitle("Print Setup");
  const bool accepted = box.exec() == QDialog::Accepted;
  SyncAll();
  return accepted;
}

bool QtPlatform::PrinterName(std::string& name) {
  QPrinter& printer = Printer();
  if (!printer.outputFileName().isEmpty()) {
    name = printer.outputFileName().toStdString();
    return true;
  }
  if (printer.printerName().isEmpty() || QPrinterInfo::availablePrinters().isEmpty()) return false;
  name = printer.printerName().toStdString();
  return true;
}

bool QtPlatform::PrintLine(const std::string& text) {
  std::string name;
  if (!page_ || !page_->isActive()) {
    if (!PrinterName(name)) return false;
    page_ = std::make_unique<QPainter>();
    if (!page_->begin(&Printer())) {
      page_.reset();
      return false;
    }
    printY_ = 0;
  }
  const QFontMetrics metrics(page_->font(), &Printer());
  page_->drawText(0, printY_ + metrics.ascent(), Q(text));
  printY_ += metrics.lineSpacing();
  return true;
}

bool QtPlatform::PrintForm(Form& form) {
  if (!page_ || !page_->isActive()) {
    if (!PrintLine("")) return false;
  }
  // The window's client area at its physical size, painted afresh at the printer's
  // resolution: text and rules as the printer's own vector output, pictures from their
  // pixels without smoothing.
  std::unique_ptr<FormWindow> temporary;
  FormWindow* window = WindowOf(form);
  if (!window) {
    temporary = std::make_unique<FormWindow>(form, *this);
    window = temporary.get();
  }
  page_->save();
  // Line drawings keep every pixel: no lossy compression of the pictures.
  page_->setRenderHint(QPainter::LosslessImageRendering);
  const double scale = Printer().resolution() / 96.0;
  page_->scale(scale, scale);
  window->PaintPage(*page_);
  page_->restore();
  if (temporary) temporary->Detach();
  return true;
}

bool QtPlatform::EndDoc() {
  if (page_ && page_->isActive()) {
    const bool ok = page_->end();
    page_.reset();
    return ok;
  }
  page_.reset();
  std::string name;
  return PrinterName(name);
}

bool QtPlatform::ShellOpen(const std::string& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(Q(path))); }

bool QtPlatform::RegisterFont(const std::string& path) { return QFontDatabase::addApplicationFont(Q(path)) != -1; }

std::string QtPlatform::ShortDate() {
  return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

// The default locale: the user's, unless the program set another one.
std::string QtPlatform::DecimalSeparator() { return QLocale().decimalPoint().toStdString(); }

}  // namespace ui::qt
