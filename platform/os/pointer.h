// Pointer and keyboard services under their Windows names. They act through
// the user-interface backend: the real one moves the X11 pointer where the
// display server allows it; the headless one records the position.
#pragma once

#include "platform/os/windows_types.h"

BOOL SetCursorPos(int x, int y);
BOOL GetCursorPos(int& x, int& y);
// Negative (high bit set) while the key is held down; only VK_LBUTTON is
// tracked, every other key reads as up.
short GetKeyState(int virtualKey);
BOOL ReleaseCapture();
