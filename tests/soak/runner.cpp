#include "tests/soak/runner.h"

#include <signal.h>
#include <stdlib.h>

#include <climits>
#include <cstdio>
#include <random>
#include <variant>

#include "platform/text/cp932.h"
#include "tests/scenario/support.h"
#include "tests/soak/actions.h"
#include "tests/soak/drive_process.h"
#include "tests/soak/fixtures.h"
#include "tests/soak/window_state.h"
#include "tools/drive/script.h"

namespace soak {
namespace {

constexpr const char* kSync = "@@sync";

struct Counts {
  long actions = 0, sessions = 0, loads = 0, writes = 0, failedWrites = 0, ends = 0, faults = 0;
};

// What an action printed, as far as the checks care.
struct Printed {
  bool confirmedWrite = false;
  bool writeFailed = false;
  std::string writeError;  // its message, code page 932
  bool ended = false;
};

std::string RealPath(const std::string& cp932Name) {
  const std::optional<std::string> utf8 = cp932::ToUtf8Exact(cp932Name);
  if (!utf8) return {};
  char resolved[PATH_MAX];
  return realpath(utf8->c_str(), resolved) ? resolved : std::string();
}

// A write that failed after writing puts the old last-write time back
// through a FILETIME, which holds whole 100 ns; one that failed before
// writing leaves the time alone.
bool PutBack(const FileState& before, const FileState& now, const std::string& message) {
  if (now.bytes != before.bytes || now.modified.tv_sec != before.modified.tv_sec) return false;
  const bool wrote = message != cp932::FromUtf8("Pic2 ファイルが開けません") &&
                     message != cp932::FromUtf8("Pic2 ファイルではありません!!") &&
                     message != cp932::FromUtf8("読込後にファイルが置き換えられています！");
  if (wrote) return now.modified.tv_nsec / 100 == before.modified.tv_nsec / 100;
  return now.modified.tv_nsec == before.modified.tv_nsec;
}

std::string Difference(const FileState& before, const FileState& now) {
  if (before.bytes != now.bytes) return " (its bytes differ)";
  return " (last-write time " + std::to_string(now.modified.tv_sec) + "." +
         std::to_string(now.modified.tv_nsec) + ", was " + std::to_string(before.modified.tv_sec) +
         "." + std::to_string(before.modified.tv_nsec) + ")";
}

// Nothing when `line` is something the driver's contract lets an action
// print; records what the checks need.
std::optional<std::string> ReadPrinted(const std::string& line, Printed& p) {
  auto parsed = drive::ParseLine(line);
  const auto* t = std::get_if<std::vector<drive::Token>>(&parsed);
  if (!t || t->empty()) return "unreadable output: " + line;
  const std::string& what = (*t)[0].text;
  if (what == "pointer" && t->size() == 3) return std::nullopt;
  if (what == "ignored" && t->size() == 2) return std::nullopt;
  if (what == "opendialog" && t->size() == 4) return std::nullopt;
  if (what == "exit" && t->size() == 2 && (*t)[1].text == "0") {
    p.ended = true;
    return std::nullopt;
  }
  if (what == "box" && t->size() == 7) {
    // The program's own boxes have the information or question icon; the
    // error icon is the exception display.
    if ((*t)[3].text == "error") return "an exception reached the user: " + line;
    if ((*t)[1].text == cp932::FromUtf8("ヘッダの書込") && (*t)[6].text == "yes")
      p.confirmedWrite = true;
    else if (p.confirmedWrite && (*t)[1].text == "Error!")
      p.writeFailed = true, p.writeError = (*t)[2].text;
    return std::nullopt;
  }
  return "output the driver does not print: " + line;
}

class Soak {
 public:
  explicit Soak(const Options& o)
      : options_(o), random_(o.seed), files_(random_), maker_(random_, files_) {}
  int Run();

 private:
  std::optional<std::string> RunSession(long budget);
  std::optional<std::string> Step(DriveProcess& p, const Action& a, bool& ended);
  std::optional<std::string> Answers(DriveProcess& p, Printed& printed);
  std::optional<std::string> CheckFiles(const Printed& printed, const WindowState& before);

  Options options_;
  std::mt19937_64 random_;
  Fixtures files_;
  ActionMaker maker_;
  Counts counts_;
  std::string script_;   // the current session's script, for replaying
  std::string action_;   // the last action
  std::string output_;   // what it printed
  WindowState state_;
  int sessionFaults_ = 0;
};

std::optional<std::string> Soak::Answers(DriveProcess& p, Printed& printed) {
  std::vector<std::string> answers;
  while (answers.size() < StateAnswerCount()) {
    std::optional<std::string> line = p.ReadLine();
    if (!line) return std::string("the driver stopped answering");
    output_ += *line + "\n";
    if (answers.empty() && !line->starts_with(kFirstAnswer)) {
      if (auto problem = ReadPrinted(*line, printed)) return problem;
      continue;
    }
    answers.push_back(*line);
  }
  std::string problem;
  std::optional<WindowState> s = ParseState(answers, problem);
  if (!s) return problem;
  state_ = *s;
  return StateProblem(state_);
}

std::optional<std::string> Soak::CheckFiles(const Printed& printed, const WindowState& previous) {
  if (!files_.SpecialsIntact()) return std::string("the folder or the FIFO changed");
  // A write goes to the file named when the action began (the name cannot
  // change while a header is open, but the action may change it after the
  // write); a load reads the file named now.
  const std::string named = RealPath(previous.fileName);
  const std::vector<std::string> changed = files_.Changed();
  if (!printed.confirmedWrite && !changed.empty())
    return "changed without a confirmed write: " + changed.front();
  if (changed.size() > 1) return "a write changed two files: " + changed[1];
  if (!changed.empty()) {
    const std::string& path = changed.front();
    const FileState now = files_.Current(path), before = files_.Recorded(path);
    if (path != named) return "a write changed a file the window does not name: " + path;
    if (now.bytes.size() != before.bytes.size() || now.bytes.compare(120, std::string::npos,
                                                                     before.bytes, 120) != 0)
      return "a write changed bytes after the header: " + path;
    // Whatever failed, a file whose bytes changed must not look untouched.
    if (printed.writeFailed && now.bytes != before.bytes &&
        now.modified.tv_sec == before.modified.tv_sec &&
        now.modified.tv_nsec == before.modified.tv_nsec)
      return "a failed write changed the bytes and kept the old time: " + path;
    if (printed.writeFailed && sessionFaults_ <= 1 && !PutBack(before, now, printed.writeError))
      return "a failed write did not put the file back: " + path + Difference(before, now);
    files_.Accept(path);
  }
  if (printed.confirmedWrite && !printed.writeFailed &&
      files_.Current(named).bytes.substr(0, 120) != state_.header)
    return "the written file does not hold the window's header: " + named;
  if (!previous.Open() && state_.Open()) {
    ++counts_.loads;
    const std::string loaded = RealPath(state_.fileName);
    if (loaded.empty() || files_.Current(loaded).bytes.substr(0, 120) != state_.header)
      return "the loaded header is not the file's: " + loaded;
  }
  return std::nullopt;
}

std::optional<std::string> Soak::Step(DriveProcess& p, const Action& a, bool& ended) {
  script_ += a.script;
  action_ = a.script;
  output_.clear();
  const WindowState previous = state_;
  Printed printed;
  if (a.mayEnd) {
    // The program may end here, after which no question may follow: a
    // command any phase takes marks the end of what the action printed.
    const std::string sync = std::string("run \"echo ") + kSync + "\"\n";
    script_ += sync;
    if (!p.Send(a.script + sync)) return std::string("the driver stopped reading");
    for (;;) {
      std::optional<std::string> line = p.ReadLine();
      if (!line) return std::string("the driver stopped answering");
      output_ += *line + "\n";
      if (*line == kSync) break;
      if (auto problem = ReadPrinted(*line, printed)) return problem;
    }
    if (printed.ended) {
      ended = true;
      ++counts_.ends;
      return CheckFiles(printed, previous);
    }
  }
  script_ += StateQuestions();
  if (!p.Send((a.mayEnd ? "" : a.script) + StateQuestions()))
    return std::string("the driver stopped reading");
  if (auto problem = Answers(p, printed)) return problem;
  if (printed.ended) return std::string("the program ended on an action that cannot end it");
  if (printed.confirmedWrite) ++counts_.writes;
  if (printed.writeFailed) ++counts_.failedWrites;
  return CheckFiles(printed, previous);
}

std::optional<std::string> Soak::RunSession(long budget) {
  ++counts_.sessions;
  script_.clear();
  DriveProcess p(options_.drive, files_.Folder() + "/.stderr");
  const Action start = maker_.SessionStart();
  sessionFaults_ = start.fault;
  script_ = start.script + StateQuestions();
  action_ = start.script;
  Printed printed;
  if (!p.Send(script_)) return std::string("the driver did not start");
  if (auto problem = Answers(p, printed)) return problem;
  if (state_.Open()) return std::string("the window starts open");
  bool ended = false;
  for (long i = 0; i < budget && !ended; ++i) {
    const Action a = maker_.Next(state_.dialogShown, state_.Open());
    ++counts_.actions;
    sessionFaults_ += a.fault;
    counts_.faults += a.fault;
    if (auto problem = Step(p, a, ended)) return problem;
  }
  std::string rest;
  const int status = p.Finish(rest);
  if (status != 0) return "the driver ended with status " + std::to_string(status);
  if (!rest.empty()) return "the driver printed after its input ended: " + rest;
  return std::nullopt;
}

int Soak::Run() {
  std::printf("soak: seed %llu, %ld actions, fixtures in %s\n",
              static_cast<unsigned long long>(options_.seed), options_.actions,
              files_.Folder().c_str());
  std::fflush(stdout);
  while (counts_.actions < options_.actions) {
    const long budget = std::min<long>(options_.actions - counts_.actions,
                                       50 + static_cast<long>(random_() % 450));
    if (std::optional<std::string> problem = RunSession(budget)) {
      files_.Keep();
      const std::string replay = files_.Folder() + "/failed-session.script";
      scenario::WriteBytes(replay, script_);
      std::printf("soak: FAILED at action %ld (session %ld), seed %llu: %s\n"
                  "the action:\n%swhat it printed, and the answers after it:\n%s"
                  "rerun: soak --seed %llu --actions %ld\n"
                  "the session's script, against the files as the failure left them: "
                  "vexmorel-drive %s (driver errors in %s/.stderr)\n",
                  counts_.actions, counts_.sessions,
                  static_cast<unsigned long long>(options_.seed), problem->c_str(),
                  action_.c_str(), output_.c_str(),
                  static_cast<unsigned long long>(options_.seed), counts_.actions,
                  replay.c_str(), files_.Folder().c_str());
      return 1;
    }
  }
  std::printf("soak: passed: %ld actions in %ld sessions; %ld loads, %ld writes confirmed "
              "(%ld reported failures), %ld faults injected, %ld program ends\n",
              counts_.actions, counts_.sessions, counts_.loads, counts_.writes,
              counts_.failedWrites, counts_.faults, counts_.ends);
  return 0;
}

}  // namespace

int Run(const Options& options) {
  signal(SIGPIPE, SIG_IGN);
  Soak soak(options);
  return soak.Run();
}

}  // namespace soak
