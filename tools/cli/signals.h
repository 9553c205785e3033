// SIGINT and SIGTERM ask the work to stop: the file in hand is finished,
// nothing more is started. The flag holds the signal's number (0 while
// none came); a second signal changes nothing, so a file is never cut off.
#pragma once

#include <atomic>

namespace cli {

// Installs the handlers and returns the flag they set. Before that the
// signals keep their default action, which is right while no file has been
// touched (reading the input of `apply`).
const std::atomic<int>& CatchStopSignals();

}  // namespace cli
