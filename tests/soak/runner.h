// The soak: sessions of vexmorel-drive, each started with one of the
// settings variants and played a random run of user actions until the
// program ends or the session's share of actions is used up. After every
// action it asks the window for its state and checks:
//  - the window is in exactly one of its two states, and every flag,
//    caption and hint of that state matches it; reachability follows the
//    flags (nothing of the main window is reachable under the settings
//    dialog); the popup menu can open again;
//  - no file changed unless a write was confirmed; after a confirmed write,
//    at most the file the window names changed, and only in bytes 0 to 119,
//    which hold the header the window holds; a write that reports a failure
//    leaves the file exactly as it was, its last-write time to the 100 ns a
//    FILETIME holds where bytes were written and put back (while at most
//    one fault was injected in the session: two can hit the write and its
//    undo both);
//  - a header that has just loaded is the file's first 120 bytes;
//  - the driver prints only what its contract lists, never an exception.
// The first failure stops the soak; it prints the seed and the action count
// that rerun it, and leaves the files with a script of the failing session.
#pragma once

#include <cstdint>
#include <string>

namespace soak {

struct Options {
  std::uint64_t seed = 0;
  long actions = 3000;
  std::string drive;
};

// 0 when every check held; 1 after printing the first failure.
int Run(const Options& options);

}  // namespace soak
