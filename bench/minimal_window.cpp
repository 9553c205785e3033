// vexmorel-minimal-window [--label]: the yardstick of the start-up
// measurement. A Qt Widgets application with one top-level window of the
// main window's client size and no controls, run until it is closed or
// ended. With --label the window holds one label of Japanese text in the
// font the real window asks for, which shows what bringing up the font
// system costs any window that has text before it can be mapped.
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QWidget>
#include <cstring>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setFixedSize(512, 377);
  window.setWindowTitle(QStringLiteral("Vexmorel"));
  if (argc > 1 && std::strcmp(argv[1], "--label") == 0) {
    auto* label = new QLabel(QString::fromUtf8("ファイル名"), &window);
    QFont font;
    font.setFamilies({QString::fromUtf8("ＭＳ ゴシック"), QStringLiteral("IPAGothic")});
    font.setPixelSize(12);
    label->setFont(font);
    label->adjustSize();
  }
  window.show();
  return app.exec();
}
