// Screenshot mode, for the documentation and the display test. With
// VEXMOREL_SCREENSHOT=file.png set, the whole screen (so message boxes and
// menus show too) is saved there VEXMOREL_SCREENSHOT_DELAY_MS (default 500)
// milliseconds after the start, whatever is showing then (a settings
// message before the main window included); with
// VEXMOREL_EXIT_AFTER_SCREENSHOT=1 the program then ends with exit code 0,
// dismissing any open box. Does nothing when the variable is unset.
#pragma once

class QtBackend;

void ArmScreenshot(QtBackend& backend);
