#include "platform/os/pointer.h"

#include "platform/ui/backend.h"
#include "platform/ui/types.h"

BOOL SetCursorPos(int x, int y) {
  CurrentBackend().SetCursorPos(x, y);
  return 1;
}

BOOL GetCursorPos(int& x, int& y) {
  CurrentBackend().CursorPos(x, y);
  return 1;
}

short GetKeyState(int virtualKey) {
  if (virtualKey == VK_LBUTTON && CurrentBackend().LeftButtonDown())
    return static_cast<short>(0xFF80);
  return 0;
}

BOOL ReleaseCapture() {
  CurrentBackend().ReleaseCapture();
  return 1;
}
