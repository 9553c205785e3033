#include "fuzz/program_state.h"

#include <stdlib.h>

#include <cstdio>
#include <cstdlib>

#include "app/main_window.h"
#include "platform/os/process.h"
#include "platform/ui/forms.h"

namespace fuzz {

ProgramState& StartProgram() {
  static ProgramState state;
  char pattern[] = "/tmp/vexmorel-fuzz-XXXXXX";
  if (!mkdtemp(pattern)) {
    std::perror("mkdtemp");
    std::abort();
  }
  state.folder = pattern;
  std::atexit([] {
    std::remove(state.settingsPath.c_str());
    std::remove(state.folder.c_str());
  });
  state.settingsPath = state.folder + "/vexmorel.cfg";
  state.backend.onMessageBox = [](const std::string& text, const std::string&, unsigned flags) {
    state.boxes.push_back(text);
    return DefaultAnswer(flags);
  };
  InstallBackend(&state.backend);
  SetExecutablePath(state.folder + "/vexmorel");
  // Lives as long as the process: the window and the dialogs belong to it.
  new TApplication;
  Application->CreateForm(Fm1);
  return state;
}

}  // namespace fuzz
