#include "tools/drive/driver.h"

#include <cstdlib>
#include <ctime>
#include <sstream>

#include "app/entry.h"
#include "app/program.h"
#include "settings/config_dialog.h"
#include "forms/known_forms.h"
#include "platform/os/faults.h"
#include "platform/os/names.h"
#include "platform/os/process.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/forms.h"
#include "platform/ui/input.h"
#include "platform/ui/stdctrls.h"
#include "tools/drive/keys.h"

namespace drive {
namespace {

const char* IconName(unsigned flags) {
  switch (flags & 0xF0) {
    case MB_ICONQUESTION: return "question";
    case MB_ICONWARNING: return "warning";
    case MB_ICONERROR: return "error";
    default: return "information";
  }
}

const char* BevelName(TPanelBevel b) {
  switch (b) {
    case TPanelBevel::bvLowered: return "bvLowered";
    case TPanelBevel::bvRaised: return "bvRaised";
    default: return "bvNone";
  }
}

std::string Hex(const Pic2Header& h) {
  static const char digits[] = "0123456789abcdef";
  std::string s;
  for (std::uint8_t b : h.bytes) {
    s += digits[b >> 4];
    s += digits[b & 15];
  }
  return s;
}

}  // namespace

Driver::Driver(std::istream& in, std::FILE* out, std::string selfPath)
    : in_(in), out_(out), exePath_(std::move(selfPath)) {
  backend_.onMessageBox = [this](const std::string& text, const std::string& caption,
                                 unsigned flags) { return OnMessageBox(text, caption, flags); };
  backend_.onOpenDialog = [this](const std::string& dir) { return OnOpenDialog(dir); };
  backend_.onCursorMoved = [this](int x, int y) {
    Print("pointer " + std::to_string(x) + " " + std::to_string(y));
  };
  backend_.onRunLoop = [this](TForm& f) { Loop(f); };
  InstallBackend(&backend_);
}

void Driver::Print(const std::string& line) {
  std::fputs(line.c_str(), out_);
  std::fputc('\n', out_);
  // Line by line, so that a program driving us through a pipe sees each
  // answer as soon as it is printed.
  std::fflush(out_);
}

int Driver::Run() {
  try {
    std::vector<Token> tokens;
    while (NextCommand(tokens)) Execute(tokens);
  } catch (const ScriptError& e) {
    std::fflush(out_);
    std::fprintf(stderr, "line %d: %s\n", e.line, e.message.c_str());
    return 2;
  }
  std::fflush(out_);
  return 0;
}

bool Driver::NextCommand(std::vector<Token>& tokens) {
  std::string line;
  while (std::getline(in_, line)) {
    ++lineNo_;
    auto parsed = ParseLine(line);
    if (auto* error = std::get_if<ParseError>(&parsed)) Fail(error->message);
    tokens = std::get<std::vector<Token>>(std::move(parsed));
    if (!tokens.empty()) return true;
  }
  eof_ = true;
  return false;
}

[[noreturn]] void Driver::Fail(const std::string& message) const {
  throw ScriptError{lineNo_, message};
}

void Driver::Expect(const std::vector<Token>& t, std::size_t count) const {
  if (t.size() != count)
    Fail(t[0].text + " takes " + std::to_string(count - 1) + " argument(s)");
}

const std::string& Driver::Word(const std::vector<Token>& t, std::size_t i) const {
  if (i >= t.size() || t[i].quoted) Fail("argument " + std::to_string(i) + " must be a word");
  return t[i].text;
}

const std::string& Driver::Text(const std::vector<Token>& t, std::size_t i) const {
  if (i >= t.size() || !t[i].quoted) Fail("argument " + std::to_string(i) + " must be a text");
  return t[i].text;
}

int Driver::Number(const std::vector<Token>& t, std::size_t i) const {
  const std::string& w = Word(t, i);
  char* end = nullptr;
  const long v = std::strtol(w.c_str(), &end, 10);
  if (w.empty() || *end != '\0' || v < -100000 || v > 100000)
    Fail("argument " + std::to_string(i) + " must be a number");
  return static_cast<int>(v);
}

void Driver::Execute(const std::vector<Token>& t) {
  if (t[0].quoted) Fail("a line must begin with a command");
  if (ExecuteAnyTime(t)) return;
  switch (phase_) {
    case Phase::Setup: ExecuteSetup(t); break;
    case Phase::Running: ExecuteRunning(t); break;
    case Phase::Ended: Fail("the program has ended: only env, unsetenv and run may follow");
  }
}

bool Driver::ExecuteAnyTime(const std::vector<Token>& t) {
  const std::string& cmd = t[0].text;
  if (cmd == "run") {
    Expect(t, 2);
    std::fflush(out_);
    const int status = std::system(Text(t, 1).c_str());
    (void)status;
    return true;
  }
  if (cmd == "env") {
    Expect(t, 3);
    setenv(Word(t, 1).c_str(), Text(t, 2).c_str(), 1);
    tzset();
    return true;
  }
  if (cmd == "fault") {
    // fault OP N: the Nth call of a file service from now fails as it would
    // for real (open, read, write, close, attributes, createfile,
    // getfiletime, setfiletime).
    Expect(t, 3);
    static const std::pair<const char*, FileOp> kOps[] = {
        {"open", FileOp::StreamOpen},         {"read", FileOp::StreamRead},
        {"write", FileOp::StreamWrite},       {"close", FileOp::StreamClose},
        {"attributes", FileOp::GetAttributes}, {"createfile", FileOp::CreateFile},
        {"getfiletime", FileOp::GetFileTime}, {"setfiletime", FileOp::SetFileTime}};
    const std::string& op = Word(t, 1);
    const int nth = Number(t, 2);
    for (const auto& [name, value] : kOps)
      if (op == name) {
        if (nth < 1) Fail("fault takes a count from 1");
        InjectFault(value, nth);
        return true;
      }
    Fail("unknown file operation " + op);
  }
  if (cmd == "unsetenv") {
    Expect(t, 2);
    unsetenv(Word(t, 1).c_str());
    tzset();
    return true;
  }
  return false;
}

void Driver::ExecuteSetup(const std::vector<Token>& t) {
  const std::string& cmd = t[0].text;
  if (cmd == "exe") {
    Expect(t, 2);
    // The path as the system names it; the script's text is UTF-8 already.
    exePath_ = SystemFileName(Text(t, 1)).value_or(Text(t, 1));
  } else if (cmd == "arg") {
    Expect(t, 2);
    arg_ = Text(t, 1);
  } else if (cmd == "screen") {
    Expect(t, 3);
    backend_.screenWidth = Number(t, 1);
    backend_.screenHeight = Number(t, 2);
  } else if (cmd == "frame") {
    Expect(t, 5);
    backend_.frame = {Number(t, 1), Number(t, 2), Number(t, 3), Number(t, 4)};
  } else if (cmd == "start") {
    Expect(t, 1);
    Start();
  } else {
    Fail("unknown command before start: " + cmd);
  }
}

void Driver::Start() {
  SetExecutablePath(exePath_);
  std::vector<std::string> args;
  if (arg_) args.push_back(*arg_);
  SetCommandLine(args);
  phase_ = Phase::Running;
  const int code = ProgramEntry();
  if (phase_ == Phase::Ended) Print("exit " + std::to_string(code));
}

void Driver::Loop(TForm& form) {
  const bool main = &form == Application->MainForm();
  std::vector<Token> tokens;
  while (main ? !Application->Terminated() : form.Modal()) {
    if (!NextCommand(tokens)) return;
    Execute(tokens);
  }
  if (main) phase_ = Phase::Ended;
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
  const char* name = answer == IDYES ? "yes" : answer == IDNO ? "no" : "ok";
  Print("box " + Quote(caption) + " " + Quote(text) + " " + IconName(flags) + " " +
        (yesNo ? "yes/no" : "ok") + " -> " + name);
  return answer;
}

std::optional<std::string> Driver::OnOpenDialog(const std::string& initialDir) {
  std::optional<std::string> choice;
  if (!choices_.empty()) {
    choice = choices_.front();
    choices_.pop_front();
  }
  Print("opendialog " + Quote(initialDir) + " -> " + (choice ? Quote(*choice) : "cancel"));
  return choice;
}

TForm* Driver::FindForm(const std::string& name) const {
  if (!Application) return nullptr;
  for (TComponent* c : Application->Components())
    if (auto* f = dynamic_cast<TForm*>(c); f && f->Name() == name) return f;
  return nullptr;
}

TComponent* Driver::Resolve(const std::string& name) const {
  std::string form = "Fm1", component = name;
  if (name == "Fm1" || name == "FConfig") {
    if (!KnownComponent(name, "")) Fail("unknown name " + name);
    return FindForm(name);
  }
  if (name.starts_with("FConfig.")) {
    form = "FConfig";
    component = name.substr(8);
  } else if (!KnownComponent("Fm1", component)) {
    form = "FConfig";
  }
  if (!KnownComponent(form, component)) Fail("unknown name " + name);
  TForm* f = FindForm(form);
  return f ? f->FindComponent(component) : nullptr;
}

std::string Driver::NameOf(const TComponent& c) const {
  TComponent* owner = c.Owner();
  const bool inConfig = owner && owner->Name() == "FConfig";
  if (inConfig && KnownComponent("Fm1", c.Name())) return "FConfig." + c.Name();
  return c.Name();
}

void Driver::ExecuteRunning(const std::vector<Token>& t) {
  if (ExecuteQuestion(t)) return;
  const std::string& cmd = t[0].text;
  if (cmd == "answer") {
    Expect(t, 2);
    const std::string& a = Word(t, 1);
    if (a != "yes" && a != "no" && a != "ok") Fail("answer takes yes, no or ok");
    answers_.push_back(a);
    return;
  }
  if (cmd == "choose") {
    Expect(t, 2);
    if (!t[1].quoted && t[1].text == "cancel")
      choices_.push_back(std::nullopt);
    else
      choices_.push_back(Text(t, 1));
    return;
  }
  if (cmd == "key") {
    Expect(t, 2);
    std::optional<KeyStroke> k = ParseKey(Word(t, 1));
    if (!k) Fail("unknown key " + t[1].text);
    input::KeyDown(k->key, k->shift);
    input::KeyUp(k->key, k->shift);
    return;
  }
  const std::size_t nameAt = cmd == "mouse" ? 2 : 1;
  if (cmd != "click" && cmd != "type" && cmd != "focus" && cmd != "mouse" && cmd != "move" &&
      cmd != "close")
    Fail("unknown command " + cmd);
  const std::string& name = Word(t, nameAt);
  TComponent* target = Resolve(name);
  auto ignored = [&] { Print("ignored " + name); };
  auto* control = dynamic_cast<TControl*>(target);
  auto* form = dynamic_cast<TForm*>(target);

  if (cmd == "click") {
    Expect(t, 2);
    bool done = false;
    if (auto* item = dynamic_cast<TMenuItem*>(target))
      done = input::ChooseMenuItem(*item);
    else if (control && !form)
      done = input::Click(*control);
    if (!done) ignored();
  } else if (cmd == "type") {
    Expect(t, 3);
    const std::string& text = Text(t, 2);
    auto* edit = dynamic_cast<TEdit*>(target);
    if (target && !edit) Fail(name + " is not an edit");
    if (!edit || !input::Type(*edit, text)) ignored();
  } else if (cmd == "focus") {
    Expect(t, 2);
    auto* win = dynamic_cast<TWinControl*>(target);
    if (!win || form || !input::Focus(*win)) ignored();
  } else if (cmd == "mouse") {
    const std::string& what = Word(t, 1);
    bool done = false;
    if (what == "enter" || what == "leave") {
      Expect(t, 3);
      if (control && !form)
        done = what == "enter" ? input::MouseEnter(*control) : input::MouseLeave(*control);
    } else if (what == "down" || what == "up") {
      Expect(t, what == "down" ? 4 : 5);
      const std::string& b = Word(t, 3);
      if (b != "left" && b != "right") Fail("mouse button must be left or right");
      const TMouseButton button = b == "left" ? TMouseButton::mbLeft : TMouseButton::mbRight;
      bool inside = true;
      if (what == "up") {
        const std::string& where = Word(t, 4);
        if (where != "inside" && where != "outside") Fail("mouse up takes inside or outside");
        inside = where == "inside";
      }
      if (button == TMouseButton::mbLeft) backend_.leftButton = what == "down";
      if (control && !form)
        done = what == "down" ? input::MouseDown(*control, button)
                              : input::MouseUp(*control, button, inside);
    } else {
      Fail("mouse takes enter, leave, down or up");
    }
    if (!done) ignored();
  } else if (cmd == "move") {
    Expect(t, 4);
    const int left = Number(t, 2), top = Number(t, 3);
    if (!form || !input::Move(*form, left, top)) ignored();
  } else if (cmd == "close") {
    Expect(t, 2);
    if (!form || !input::CloseBox(*form)) ignored();
  }
}

bool Driver::ExecuteQuestion(const std::vector<Token>& t) {
  const std::string& cmd = t[0].text;
  if (cmd == "focused") {
    Expect(t, 1);
    TForm* f = Application ? Application->ActiveForm() : nullptr;
    TWinControl* c = f ? f->ActiveControl() : nullptr;
    Print("focused " + (c ? NameOf(*c) : std::string("none")));
    return true;
  }
  if (cmd == "pointer") {
    Expect(t, 1);
    Print("pointer " + std::to_string(backend_.cursorX) + " " + std::to_string(backend_.cursorY));
    return true;
  }
  if (cmd == "autopopup") {
    Expect(t, 1);
    TForm* f = Application ? Application->MainForm() : nullptr;
    const bool on = f && f->PopupMenu() && f->PopupMenu()->AutoPopup();
    Print(std::string("autopopup ") + (on ? "1" : "0"));
    return true;
  }
  if (cmd == "header") {
    Expect(t, 1);
    Print("header " + Hex(Header));
    return true;
  }
  if (cmd == "filestamp") {
    Expect(t, 1);
    std::ostringstream s;
    s << "filestamp " << FileStamp.wYear << ' ' << FileStamp.wMonth << ' ' << FileStamp.wDayOfWeek
      << ' ' << FileStamp.wDay << ' ' << FileStamp.wHour << ' ' << FileStamp.wMinute << ' '
      << FileStamp.wSecond << ' ' << FileStamp.wMilliseconds;
    Print(s.str());
    return true;
  }
  if (cmd == "lastfolder") {
    Expect(t, 1);
    Print("lastfolder " + Quote(LastFolder));
    return true;
  }
  if (cmd != "text" && cmd != "hint" && cmd != "enabled" && cmd != "bounds" && cmd != "bevel" &&
      cmd != "exists" && cmd != "shown")
    return false;
  Expect(t, 2);
  const std::string& name = Word(t, 1);
  TComponent* c = Resolve(name);
  if (cmd == "exists") {
    Print(name + (c ? " exists" : " absent"));
    return true;
  }
  if (!c) {
    Print(name + " absent");
    return true;
  }
  auto* control = dynamic_cast<TControl*>(c);
  auto* item = dynamic_cast<TMenuItem*>(c);
  auto* form = dynamic_cast<TForm*>(c);
  if (cmd == "text") {
    Print(name + " " + Quote(item ? item->Caption() : control ? control->Text() : std::string()));
  } else if (cmd == "hint") {
    Print(name + " hint " + Quote(control ? control->Hint() : std::string()));
  } else if (cmd == "enabled") {
    const bool own = item ? item->Enabled() : control && control->Enabled();
    const bool usable = item ? input::Usable(*item) : control && input::Usable(*control);
    Print(name + " enabled=" + (own ? "1" : "0") + " usable=" + (usable ? "1" : "0"));
  } else if (cmd == "bounds") {
    if (form) {
      Print(name + " " + std::to_string(form->Left()) + " " + std::to_string(form->Top()) + " " +
            std::to_string(form->Width()) + " " + std::to_string(form->Height()) + " client " +
            std::to_string(form->ClientWidth()) + " " + std::to_string(form->ClientHeight()));
    } else if (control) {
      Print(name + " " + std::to_string(control->Left()) + " " + std::to_string(control->Top()) +
            " " + std::to_string(control->Width()) + " " + std::to_string(control->Height()));
    } else {
      Fail(name + " has no bounds");
    }
  } else if (cmd == "bevel") {
    auto* panel = dynamic_cast<TCustomPanel*>(c);
    if (!panel) Fail(name + " has no bevels");
    Print(name + " outer=" + BevelName(panel->BevelOuter()) +
          " inner=" + BevelName(panel->BevelInner()));
  } else if (cmd == "shown") {
    if (!form) Fail(name + " is not a window");
    Print(name + (form->Showing() ? " shown" : " hidden"));
  }
  return true;
}

}  // namespace drive
