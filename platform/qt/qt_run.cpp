#include "platform/qt/qt_run.h"

#include <xcb/xcb.h>

#include <QApplication>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>

#include "platform/os/process.h"
#include "platform/qt/icon.h"
#include "platform/qt/look.h"
#include "platform/qt/qt_backend.h"

namespace {

bool Set(const char* name) {
  const char* v = std::getenv(name);
  return v && *v;
}

// Whether Qt will find a display: a platform chosen by QT_QPA_PLATFORM or a
// Wayland display is left to Qt; an X display must answer. Qt itself would
// abort with a core dump and a message about plugins.
bool DisplayAnswers() {
  if (Set("QT_QPA_PLATFORM") || Set("WAYLAND_DISPLAY")) return true;
  if (!Set("DISPLAY")) return false;
  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  const bool ok = xcb_connection_has_error(c) == 0;
  xcb_disconnect(c);
  return ok;
}

// Qt's own texts (the file dialog's columns, sizes and dates, context
// menus) in Japanese, as the rest of the window is. Qt takes the language
// of sizes and the form of dates from the environment, so that is set
// before the application object reads it; the translations come after.
void UseJapaneseEnvironment() {
  const char* kJapanese = "ja_JP.UTF-8";
  if (Set("LC_ALL")) {
    setenv("LC_ALL", kJapanese, 1);
    return;
  }
  setenv("LC_MESSAGES", kJapanese, 1);
  setenv("LC_TIME", kJapanese, 1);
}

void UseJapanese(QApplication& app, QTranslator& translator) {
  QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
  if (translator.load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    app.installTranslator(&translator);
  else
    std::fprintf(stderr, "vexmorel: Qt's Japanese texts (qtbase_ja) are not installed\n");
}

}  // namespace

int RunWithQt(int argc, char** argv, int (*entry)()) {
  // The arguments are the program's: Qt would take its own options out of
  // them ("-reverse", "-style"), so it sees only the program's name.
  SetCommandLineFromMain(argc, argv);
  if (!DisplayAnswers()) {
    std::fprintf(stderr,
                 "vexmorel: no display to open the window on (DISPLAY is not set, or its X "
                 "server does not answer)\n");
    return 1;
  }
  static char fallbackName[] = "vexmorel";
  int qtArgc = 1;
  char* qtArgv[] = {argc > 0 && argv[0] ? argv[0] : fallbackName, nullptr};
  UseJapaneseEnvironment();
  QApplication app(qtArgc, qtArgv);
  QApplication::setQuitOnLastWindowClosed(false);
  // Task bars and docks match the window to the installed desktop entry.
  QGuiApplication::setDesktopFileName(QStringLiteral("vexmorel"));
  QApplication::setWindowIcon(ProgramIcon());
  QTranslator translator;
  UseJapanese(app, translator);
  if (QFontDatabase::families(QFontDatabase::Japanese).isEmpty())
    std::fprintf(stderr,
                 "vexmorel: warning: no font with Japanese characters is installed; every text "
                 "will show as boxes (install fonts-ipafont-gothic)\n");
  UseClassicLook();
  QtBackend backend;
  InstallBackend(&backend);
  const int result = entry();
  InstallBackend(nullptr);
  return result;
}
