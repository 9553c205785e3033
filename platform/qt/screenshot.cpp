#include "platform/qt/screenshot.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <cstdio>

#include "platform/qt/qt_backend.h"

void ArmScreenshot(QtBackend& backend) {
  const QString path = qEnvironmentVariable("VEXMOREL_SCREENSHOT");
  if (path.isEmpty()) return;
  bool ok = false;
  int delay = qEnvironmentVariableIntValue("VEXMOREL_SCREENSHOT_DELAY_MS", &ok);
  if (!ok || delay < 0) delay = 500;
  const bool quit = qEnvironmentVariable("VEXMOREL_EXIT_AFTER_SCREENSHOT") == QLatin1String("1");
  QTimer::singleShot(delay, qApp, [&backend, path, quit] {
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0);
    if (!shot.save(path, "PNG"))
      std::fprintf(stderr, "vexmorel: cannot save the screenshot %s\n", qPrintable(path));
    if (quit) backend.Quit();
  });
}
