// vexmorel-minimal-window: the yardstick of the start-up measurement. A Qt
// Widgets application with one top-level window of the main window's client
// size and no controls, run until it is closed or ended.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setFixedSize(512, 377);
  window.setWindowTitle(QStringLiteral("Vexmorel"));
  window.show();
  return app.exec();
}
