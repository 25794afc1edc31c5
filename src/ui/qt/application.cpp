#include "ui/qt/application.h"

#include <QApplication>
#include <QStyleFactory>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ui/qt/qt_platform.h"

namespace ui::qt {

namespace {

constexpr const char* NoDisplay = "Quorvane needs a graphical display to open its window";

bool starting = false;
QtMessageHandler previous = nullptr;

void OnQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (starting && type == QtFatalMsg) {
    // Qt could not open its display: say so plainly and leave, instead of aborting.
    std::fprintf(stderr, "%s: %s\nStart it from a desktop session, or run it under xvfb-run.\n", NoDisplay,
                 text.toLocal8Bit().constData());
    std::fflush(stderr);
    std::_Exit(1);
  }
  if (previous) previous(type, context, text);
}

std::string PlatformName(int argc, char** argv) {
  for (int i = 1; i + 1 < argc; ++i)
    if (std::strcmp(argv[i], "-platform") == 0) return argv[i + 1];
  const char* env = std::getenv("QT_QPA_PLATFORM");
  return env ? env : "";
}

bool Set(const char* name) {
  const char* v = std::getenv(name);
  return v && *v;
}

}  // namespace

bool DisplayAvailable(int argc, char** argv, std::string& why) {
  const std::string platform = PlatformName(argc, argv);
  const bool windowing = platform.empty() || platform.rfind("xcb", 0) == 0 || platform.rfind("wayland", 0) == 0;
  if (windowing && !Set("DISPLAY") && !Set("WAYLAND_DISPLAY")) {
    why = "no X11 or Wayland display was found (DISPLAY and WAYLAND_DISPLAY are not set)";
    return false;
  }
  return true;
}

int RunApplication(int argc, char** argv, const std::function<void(QtPlatform&)>& start) {
  std::string why;
  if (!DisplayAvailable(argc, argv, why)) {
    std::fprintf(stderr, "%s: %s.\nStart it from a desktop session, or run it under xvfb-run.\n", NoDisplay,
                 why.c_str());
    return 1;
  }
  previous = qInstallMessageHandler(OnQtMessage);
  starting = true;
  QApplication app(argc, argv);
  starting = false;
  QApplication::setApplicationName("Quorvane");
  QApplication::setStyle(QStyleFactory::create("Fusion"));
  int code = 0;
  {
    ScopedQtPlatform qt;
    start(qt.platform);
    code = QApplication::exec();
  }
  qInstallMessageHandler(previous);
  return code;
}

}  // namespace ui::qt
