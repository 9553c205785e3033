// The driver's command table, and the commands that set up a run, queue
// answers or act at any time.
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "app/entry.h"
#include "platform/os/faults.h"
#include "platform/os/names.h"
#include "platform/os/process.h"
#include "platform/text/cp932.h"
#include "platform/ui/forms.h"
#include "tools/drive/box_line.h"
#include "tools/drive/driver.h"

namespace drive {
namespace {

constexpr unsigned kAnyTime = Driver::kSetup | Driver::kRunning | Driver::kEnded;

// A name in the system's form as a script would write it: as text where the
// window can hold it exactly, else every byte past ASCII as \xNN.
std::string QuoteSystemName(const std::string& name) {
  if (const std::optional<std::string> window = WindowFileName(name)) return Quote(*window);
  std::string out = "\"";
  for (const char c : name) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 0x20 && b < 0x7F && b != '"' && b != '\\') {
      out += c;
    } else if (b == '"' || b == '\\') {
      out += '\\';
      out += c;
    } else {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02x", b);
      out += hex;
    }
  }
  return out + "\"";
}

}  // namespace

const std::vector<Driver::Command>& Driver::Commands() {
  using D = Driver;
  static const std::vector<Command> kCommands = {
      {"run", kAnyTime, -1, &D::Run},
      {"env", kAnyTime, 2, &D::Env},
      {"unsetenv", kAnyTime, 1, &D::Unsetenv},
      {"fault", kAnyTime, 2, &D::Fault},
      {"exe", kSetup, 1, &D::Exe},
      {"arg", kSetup, -1, &D::Arg},
      {"screen", kSetup, 2, &D::Screen},
      {"frame", kSetup, 4, &D::Frame},
      {"start", kSetup, 0, &D::Start},
      {"answer", kRunning, 1, &D::Answer},
      {"choose", kRunning, -1, &D::Choose},
      {"key", kRunning, 1, &D::Key},
      {"click", kRunning, 1, &D::Click},
      {"type", kRunning, 2, &D::Type},
      {"focus", kRunning, 1, &D::Focus},
      {"mouse", kRunning, -1, &D::Mouse},
      {"move", kRunning, 3, &D::Move},
      {"close", kRunning, 1, &D::Close},
      {"drop", kRunning, -1, &D::Drop},
      {"focused", kRunning, 0, &D::Focused},
      {"pointer", kRunning, 0, &D::Pointer},
      {"autopopup", kRunning, 0, &D::Autopopup},
      {"header", kRunning, 0, &D::HeaderBytes},
      {"filestamp", kRunning, 0, &D::Filestamp},
      {"lastfolder", kRunning, 0, &D::Lastfolder},
      {"text", kRunning, 1, &D::TextOf},
      {"hint", kRunning, 1, &D::HintOf},
      {"enabled", kRunning, 1, &D::EnabledOf},
      {"bounds", kRunning, 1, &D::BoundsOf},
      {"bevel", kRunning, 1, &D::BevelOf},
      {"exists", kRunning, 1, &D::Exists},
      {"shown", kRunning, 1, &D::Shown},
  };
  return kCommands;
}

// run "COMMAND", or run system "COMMAND" with the command's bytes as written.
void Driver::Run(const Args& t) {
  const bool system = SystemForm(t);
  Expect(t, system ? 3 : 2);
  const std::string& command = system ? SystemText(t, 2) : Text(t, 1);
  std::fflush(out_);
  const int status = std::system(command.c_str());
  (void)status;
}

void Driver::Env(const Args& t) {
  setenv(Word(t, 1).c_str(), Text(t, 2).c_str(), 1);
  tzset();
}

void Driver::Unsetenv(const Args& t) {
  unsetenv(Word(t, 1).c_str());
  tzset();
}

// fault OP N: the Nth call of a file service from now fails as it would for
// real.
void Driver::Fault(const Args& t) {
  static const std::pair<const char*, FileOp> kOps[] = {
      {"open", FileOp::StreamOpen},          {"read", FileOp::StreamRead},
      {"write", FileOp::StreamWrite},        {"close", FileOp::StreamClose},
      {"attributes", FileOp::GetAttributes}, {"createfile", FileOp::CreateFile},
      {"getfiletime", FileOp::GetFileTime},  {"setfiletime", FileOp::SetFileTime}};
  const std::string& op = Word(t, 1);
  const int nth = Number(t, 2);
  for (const auto& [name, value] : kOps)
    if (op == name) {
      if (nth < 1) Fail("fault takes a count from 1");
      InjectFault(value, nth);
      return;
    }
  Fail("unknown file operation " + op);
}

void Driver::Exe(const Args& t) {
  // The path as the system names it: the script's text is UTF-8 already.
  exePath_ = SystemText(t, 1);
}

// arg "TEXT" in the window's form, or arg system "TEXT" as a real command
// line gives it.
void Driver::Arg(const Args& t) {
  argSystem_ = SystemForm(t);
  Expect(t, argSystem_ ? 3 : 2);
  arg_ = argSystem_ ? SystemText(t, 2) : Text(t, 1);
}

void Driver::Screen(const Args& t) {
  backend_.screenWidth = Number(t, 1);
  backend_.screenHeight = Number(t, 2);
}

void Driver::Frame(const Args& t) {
  backend_.frame = {Number(t, 1), Number(t, 2), Number(t, 3), Number(t, 4)};
}

void Driver::Start(const Args&) {
  SetExecutablePath(exePath_);
  std::vector<std::string> args;
  if (arg_) args.push_back(*arg_);
  if (argSystem_)
    SetSystemCommandLine(args);
  else
    SetCommandLine(args);
  phase_ = kRunning;
  const int code = ProgramEntry();
  if (phase_ == kEnded) Print("exit " + std::to_string(code));
}

void Driver::Answer(const Args& t) {
  const std::string& a = Word(t, 1);
  if (a != "yes" && a != "no" && a != "ok") Fail("answer takes yes, no or ok");
  answers_.push_back(a);
}

// choose "PATH" (the window's form), choose system "PATH", or choose cancel.
void Driver::Choose(const Args& t) {
  if (SystemForm(t)) {
    Expect(t, 3);
    choices_.push_back(HeadlessBackend::Choice{SystemText(t, 2), true});
    return;
  }
  Expect(t, 2);
  if (!t[1].quoted && t[1].text == "cancel")
    choices_.push_back(std::nullopt);
  else
    choices_.push_back(HeadlessBackend::Choice{Text(t, 1), false});
}

int Driver::OnMessageBox(const std::string& text, const std::string& caption, unsigned flags) {
  const bool yesNo = (flags & 0xF) == MB_YESNO;
  int answer = DefaultAnswer(flags);
  if (!answers_.empty()) {
    const std::string a = answers_.front();
    answers_.pop_front();
    if (yesNo && a == "yes") answer = IDYES;
    if (yesNo && a == "no") answer = IDNO;
  }
  Print(BoxLine(text, caption, flags, answer));
  return answer;
}

std::optional<HeadlessBackend::Choice> Driver::OnOpenDialog(const std::string& initialDir) {
  std::optional<HeadlessBackend::Choice> choice;
  if (!choices_.empty()) {
    choice = choices_.front();
    choices_.pop_front();
  }
  std::string shown = "cancel";
  if (choice) shown = choice->systemForm ? QuoteSystemName(choice->name) : Quote(choice->name);
  Print("opendialog " + Quote(initialDir) + " -> " + shown);
  return choice;
}

}  // namespace drive
