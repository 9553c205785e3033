// A run of the whole program on one backend, played a list of user steps,
// with the model's state taken after every step, so that two backends can
// be held to each other.
//
// Steps are lines in the driver's script words (tools/drive/script.h):
//   click NAME               a left click; on a menu item: the popup menu
//                            opened by the context-menu gesture, then the item
//   type NAME "TEXT"         click into the edit, select all, type TEXT
//                            character by character
//   paste NAME "TEXT"        click into the edit, cursor to its end, paste
//   commit NAME "TEXT"       the same, by an input method's commit
//   drop NAME "TEXT"         drop TEXT (plain text, not a file) on the control
//   key KEYS                 Enter, Escape, Space, Tab, F1-F12, A-Z, 0-9, each
//                            after any of Ctrl+, Alt+, Shift+
//   mouse enter|leave NAME   the pointer moves onto / off the control
//   mouse down NAME left     the left button goes down over the control
//   mouse up NAME left inside|outside
//   answer GESTURE           how the next message box is answered: yes, no, ok
//                            (a click on that button), enter, space (the key on
//                            the focused button), alt+y, alt+n
//   choose "PATH" | cancel   the next open dialog; `choose system "PATH"` gives
//                            the name in the system's form (the text's bytes)
// plus the soak's `focus`, `move`, `close`, `env`, `unsetenv`, `run` and
// `fault` where a backend can give them.
//
// Names are those of the window definitions; "FConfig.X" names the settings
// dialog's X where the main window has one too. "$DIR" in a text stands for
// the fixture folder.
//
// The state after a step is one line per fact (forms, every control's text,
// enabled and visible flags and bevels, menu items, focus, the header bytes,
// LastFolder) followed by what the program showed during the step (message
// boxes with their answers, the open dialog, where it left the pointer). A
// hidden form's outer size is left out: a backend may learn a frame only
// once the form is shown.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tools/drive/script.h"

class TComponent;
class TForm;

namespace contract {

using Tokens = std::vector<drive::Token>;

struct Start {
  std::string exe;                 // the executable path the settings are found from
  std::optional<std::string> arg;  // command-line argument 1 (code page 932)
};

class Session {
 public:
  virtual ~Session() = default;
  virtual const char* Name() const = 0;

  // Starts the program, plays `steps` ("$DIR" already replaced) and ends it.
  // The states: [0] after the start, [i + 1] after step i.
  std::vector<std::string> Play(const Start& start, const std::vector<std::string>& steps);

  // For a run that checks its own invariants: called after every step with
  // the step and the state after it.
  std::function<void(const std::string& step, const std::string& state)> afterStep;
  // For a run that makes its steps as it goes: called when the steps have
  // run out; the lines of the next action, or nothing to end.
  std::function<std::optional<std::string>()> nextSteps;

 protected:
  // Creates the application and the main window and shows it.
  virtual void Launch() = 0;
  // One user step; false when the backend cannot give it.
  virtual bool Act(const Tokens& t) = 0;
  // Ends the program (the application object goes).
  virtual void Finish() = 0;

  // Plays steps until they run out or, nested in a modal showing of
  // `modal`, until that form closes. Backends call it from their modal loop.
  void Pump(TForm* modal);
  void Event(const std::string& line) { events_.push_back(line); }
  // The program moved the pointer; a step shows where it was left.
  void PointerMoved(int x, int y) {
    pointer_ = "pointer " + std::to_string(x) + " " + std::to_string(y);
  }

  // Answers queued by `answer` and `choose`; the backends take them.
  std::deque<std::string> answers_;
  struct Choice {
    std::string name;  // code page 932, or the system's form
    bool system = false;
  };
  std::deque<std::optional<Choice>> choices_;
  // The message-box answer a gesture gives on a box with these flags.
  static int AnswerOf(const std::string& gesture, unsigned flags);
  // Steps every backend handles alike: env, unsetenv, run, fault, answer, choose.
  bool Common(const Tokens& t);

 private:
  void Record();
  bool MoreSteps();
  std::string Snapshot();

  std::vector<std::string> steps_;
  std::vector<std::string> states_;
  std::vector<std::string> events_;
  std::string pointer_;
  std::size_t next_ = 0;
  std::size_t current_ = 0;  // 1 + the step that ran last; 0 before any
};

// The program-wide state a start needs cleared: the header, FileStamp,
// LastFolder, the command line and the executable path.
void ResetProgram(const Start& start);

// The state line describing a component by name as scripts write it.
std::string ScriptName(const TComponent& c);
// The component a script names, or null when its form does not exist now.
TComponent* Resolve(const std::string& name);

}  // namespace contract
