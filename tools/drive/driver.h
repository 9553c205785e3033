// vexmorel-drive: runs the whole program on the headless backend and plays
// a script of user actions against it, printing what a person at the screen
// would see. The command set and output are a contract for scripts written
// by others: commands are only ever added.
//
// Every command is one row of a table (commands.cpp): its name, the phases
// it may run in, how many arguments it takes, and its handler. Setup
// commands come before `start`; actions and questions while the program
// runs; a few at any time, also after it ended.
#pragma once

#include <cstdio>
#include <deque>
#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "platform/headless/headless.h"
#include "tools/drive/script.h"

class TComponent;
class TControl;
class TForm;

namespace drive {

// A script error: reported with its line number; nothing further runs.
struct ScriptError {
  int line;
  std::string message;
};

class Driver {
 public:
  Driver(std::istream& in, std::FILE* out, std::string selfPath);
  // Runs the script; returns the exit status (0, or 2 on a script error).
  int Run();

  enum Phase : unsigned { kSetup = 1, kRunning = 2, kEnded = 4 };
  using Args = std::vector<Token>;
  using Handler = void (Driver::*)(const Args&);
  struct Command {
    const char* name;
    unsigned phases;
    int args;  // the count after the name; -1 when the handler checks
    Handler run;
  };

 private:
  bool NextCommand(Args& tokens);
  void Execute(const Args& t);
  void Loop(TForm& form);

  // At any time.
  void Run(const Args& t);
  void Env(const Args& t);
  void Unsetenv(const Args& t);
  void Fault(const Args& t);
  // Setting up.
  void Exe(const Args& t);
  void Arg(const Args& t);
  void Screen(const Args& t);
  void Frame(const Args& t);
  void Start(const Args& t);
  // Answers queued for boxes and the open dialog.
  void Answer(const Args& t);
  void Choose(const Args& t);
  // User actions.
  void Key(const Args& t);
  void Click(const Args& t);
  void Type(const Args& t);
  void Focus(const Args& t);
  void Mouse(const Args& t);
  void Move(const Args& t);
  void Close(const Args& t);
  void Drop(const Args& t);
  // Questions about the screen.
  void Focused(const Args& t);
  void Pointer(const Args& t);
  void Autopopup(const Args& t);
  void HeaderBytes(const Args& t);
  void Filestamp(const Args& t);
  void Lastfolder(const Args& t);
  void TextOf(const Args& t);
  void HintOf(const Args& t);
  void EnabledOf(const Args& t);
  void BoundsOf(const Args& t);
  void BevelOf(const Args& t);
  void Exists(const Args& t);
  void Shown(const Args& t);

  [[noreturn]] void Fail(const std::string& message) const;
  void Expect(const Args& t, std::size_t count) const;
  const std::string& Word(const Args& t, std::size_t i) const;
  const std::string& Text(const Args& t, std::size_t i) const;
  // A text's bytes as written: a name in the system's form.
  const std::string& SystemText(const Args& t, std::size_t i) const;
  // Whether the command's first argument is the word `system`.
  static bool SystemForm(const Args& t);
  int Number(const Args& t, std::size_t i) const;

  // A name as a script writes it: "Fm1", "FConfig", "FConfig.X" or "X".
  // Fails on a name no window definition has; null when its form does not
  // exist now.
  TComponent* Resolve(const std::string& name) const;
  TForm* FindForm(const std::string& name) const;
  std::string NameOf(const TComponent& c) const;
  void Ignored(const std::string& name) { Print("ignored " + name); }
  // The component a question names; null, after printing "NAME absent", when
  // its form does not exist now.
  TComponent* Asked(const std::string& name);

  void Print(const std::string& line);
  int OnMessageBox(const std::string& text, const std::string& caption, unsigned flags);
  std::optional<HeadlessBackend::Choice> OnOpenDialog(const std::string& initialDir);

  static const std::vector<Command>& Commands();

  std::istream& in_;
  std::FILE* out_;
  int lineNo_ = 0;
  Phase phase_ = kSetup;
  HeadlessBackend backend_;
  std::deque<std::string> answers_;
  std::deque<std::optional<HeadlessBackend::Choice>> choices_;
  std::string exePath_;
  std::optional<std::string> arg_;
  bool argSystem_ = false;
};

}  // namespace drive
