// The real program: the Qt backend under the program's entry.
#include <QApplication>

#include "app/entry.h"
#include "platform/os/process.h"
#include "platform/qt/look.h"
#include "platform/qt/qt_backend.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  UseClassicLook();
  QtBackend backend;
  InstallBackend(&backend);
  SetCommandLineFromMain(argc, argv);
  const int result = ProgramEntry();
  InstallBackend(nullptr);
  return result;
}
