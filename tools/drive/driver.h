// vexmorel-drive: runs the whole program on the headless backend and plays
// a script of user actions against it, printing what a person at the screen
// would see. The command set and output are a contract for scripts written
// by others: commands are only ever added.
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

 private:
  enum class Phase { Setup, Running, Ended };

  bool NextCommand(std::vector<Token>& tokens);
  void Execute(const std::vector<Token>& t);
  bool ExecuteAnyTime(const std::vector<Token>& t);
  void ExecuteSetup(const std::vector<Token>& t);
  void ExecuteRunning(const std::vector<Token>& t);
  bool ExecuteQuestion(const std::vector<Token>& t);
  void Start();
  void Loop(TForm& form);

  [[noreturn]] void Fail(const std::string& message) const;
  void Expect(const std::vector<Token>& t, std::size_t count) const;
  const std::string& Word(const std::vector<Token>& t, std::size_t i) const;
  const std::string& Text(const std::vector<Token>& t, std::size_t i) const;
  int Number(const std::vector<Token>& t, std::size_t i) const;

  // A name as a script writes it: "Fm1", "FConfig", "FConfig.X" or "X".
  // Fails on a name no window definition has; null when its form does not
  // exist now.
  TComponent* Resolve(const std::string& name) const;
  TForm* FindForm(const std::string& name) const;
  std::string NameOf(const TComponent& c) const;

  void Print(const std::string& line);
  int OnMessageBox(const std::string& text, const std::string& caption, unsigned flags);
  std::optional<std::string> OnOpenDialog(const std::string& initialDir);

  std::istream& in_;
  std::FILE* out_;
  int lineNo_ = 0;
  Phase phase_ = Phase::Setup;
  bool eof_ = false;
  HeadlessBackend backend_;
  std::deque<std::string> answers_;
  std::deque<std::optional<std::string>> choices_;
  std::string exePath_;
  std::optional<std::string> arg_;
};

}  // namespace drive
