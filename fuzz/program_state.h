// The program state that the window-level fuzz targets run against: the
// headless backend, the application object and the main window, made once
// per process. The executable's path is set to a file in a temporary folder
// of the process's own (in /dev/shm when it can), so the settings file is
// looked for there.
//
// Assumes one thread and one call of StartProgram per process (libFuzzer's
// initialisation). The window is built while no settings file exists, so
// its construction shows the missing-file message and creates no settings
// dialog. The folder is removed at exit; the objects live until then.
#pragma once

#include <string>
#include <vector>

#include "platform/headless/headless.h"

namespace fuzz {

struct ProgramState {
  HeadlessBackend backend;
  std::string folder;              // the temporary folder, no trailing "/"
  std::string settingsPath;        // where LoadSettingsFile looks
  std::vector<std::string> boxes;  // texts of the boxes shown, for the target to clear
};

// Creates the folder, installs the backend (every box is recorded and gets
// its default button) and builds Fm1.
ProgramState& StartProgram();

}  // namespace fuzz
