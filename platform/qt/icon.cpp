#include "platform/qt/icon.h"

QIcon ProgramIcon() {
  QIcon icon;
  for (const int size : {32, 64, 256})
    icon.addFile(QStringLiteral(":/icon/vexmorel-%1.png").arg(size), QSize(size, size));
  return icon;
}
