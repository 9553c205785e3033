// The contract suite's entry: one QApplication for every session, in the
// program's classic look, on the platform QT_QPA_PLATFORM names; unless it
// names one, the offscreen platform with a 1280 x 1024 screen and 2-pixel
// frames (offscreen.json), so the suite needs no display.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "platform/qt/look.h"

namespace {

// The offscreen platform says, at every window, what it cannot do (raise,
// grab the keyboard); nothing here needs it.
void Messages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text.startsWith(QLatin1String("This plugin does not support"))) return;
  std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

}  // namespace

int main(int argc, char** argv) {
  qInstallMessageHandler(Messages);
  setenv("TZ", "UTC", 1);
  tzset();
  // No per-user settings of the machine's user may stand in for the test's.
  setenv("XDG_CONFIG_HOME", "/nonexistent-vexmorel-contract", 1);
  setenv("QT_QPA_PLATFORM", "offscreen:configfile=" VEXMOREL_OFFSCREEN_CONFIG, 0);
  testing::InitGoogleTest(&argc, argv);
  int qtArgc = 1;
  QApplication app(qtArgc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  UseClassicLook();
  return RUN_ALL_TESTS();
}
