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
  // In memory where there is a tmpfs: rewriting a file on ext4 flushes it
  // to disk at every close, which would make the settings target crawl.
  char inMemory[] = "/dev/shm/vexmorel-fuzz-XXXXXX";
  char onDisk[] = "/tmp/vexmorel-fuzz-XXXXXX";
  const char* folder = mkdtemp(inMemory);
  if (!folder) folder = mkdtemp(onDisk);
  if (!folder) {
    std::perror("mkdtemp");
    std::abort();
  }
  state.folder = folder;
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
