// The soak's user actions, drawn from a seeded generator: clicks on every
// control and menu item of both windows (taken from the window definitions,
// so a new control is soaked as soon as it exists), texts typed into every
// edit (double-byte, over-long, invalid bytes, escapes, preset codes, paths),
// keystrokes and shortcuts, mouse gestures, window moves and closes, queued
// answers and open-dialog choices among the fixtures, time-zone changes,
// injected file-service faults, and another program switching a file's
// read-only flag (through the driver's `run`).
//
// Each action is a piece of driver script; the same seed gives the same
// actions as long as the program answers the same way.
#pragma once

#include <random>
#include <string>
#include <vector>

#include "tests/soak/fixtures.h"

namespace soak {

struct Action {
  std::string script;    // one or more lines, each ending in LF
  bool mayEnd = false;   // the program may end on it
  int fault = 0;         // how many file-service faults it injects
};

class ActionMaker {
 public:
  ActionMaker(std::mt19937_64& random, const Fixtures& files);
  // The lines that set up and start a session, up to and including start.
  Action SessionStart();
  // The next user action. While the settings dialog is up most actions go
  // to it, so that it gets closed again; otherwise some are the steps a
  // user takes to get on (read a file in the no-file state, write or
  // discard in the open state), so that the states change every few dozen
  // actions.
  Action Next(bool dialogShown, bool open);

 private:
  struct Target {
    std::string name;  // as a script writes it
    std::string cls;
  };
  std::size_t Pick(std::size_t n);
  template <class T>
  const T& PickFrom(const std::vector<T>& v) {
    return v[Pick(v.size())];
  }
  std::string Text();
  std::string Path();
  // Answers or an open-dialog choice queued before an action on `what` (a
  // name or a key) that asks for one, or nothing.
  std::string LeadIn(const std::string& what);
  Action Act(const Target& t);

  std::mt19937_64& random_;
  const Fixtures& files_;
  std::vector<Target> main_, dialog_, busy_;
};

}  // namespace soak
