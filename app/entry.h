// The program entry: the application object, its title, the main window
// (whose construction loads the settings), then the message loop. Returns
// the exit code, 0. The backend must be installed before the call.
#pragma once

int ProgramEntry();
