#include "platform/qt/qt_run.h"

#include <QApplication>

#include "platform/os/process.h"
#include "platform/qt/look.h"
#include "platform/qt/qt_backend.h"

int RunWithQt(int argc, char** argv, int (*entry)()) {
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  UseClassicLook();
  QtBackend backend;
  InstallBackend(&backend);
  SetCommandLineFromMain(argc, argv);
  const int result = entry();
  InstallBackend(nullptr);
  return result;
}
