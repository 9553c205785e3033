#include "tools/drive/driver.h"

#include <cstdlib>

#include "forms/known_forms.h"
#include "platform/ui/forms.h"

namespace drive {

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
    Args tokens;
    while (NextCommand(tokens)) Execute(tokens);
  } catch (const ScriptError& e) {
    std::fflush(out_);
    std::fprintf(stderr, "line %d: %s\n", e.line, e.message.c_str());
    return 2;
  }
  std::fflush(out_);
  return 0;
}

bool Driver::NextCommand(Args& tokens) {
  std::string line;
  while (std::getline(in_, line)) {
    ++lineNo_;
    auto parsed = ParseLine(line);
    if (auto* error = std::get_if<ParseError>(&parsed)) Fail(error->message);
    tokens = std::get<Args>(std::move(parsed));
    if (!tokens.empty()) return true;
  }
  return false;
}

void Driver::Execute(const Args& t) {
  if (t[0].quoted) Fail("a line must begin with a command");
  const std::string& name = t[0].text;
  for (const Command& c : Commands()) {
    if (name != c.name || !(c.phases & phase_)) continue;
    if (c.args >= 0) Expect(t, static_cast<std::size_t>(c.args) + 1);
    (this->*c.run)(t);
    return;
  }
  switch (phase_) {
    case kSetup: Fail("unknown command before start: " + name);
    case kRunning: Fail("unknown command " + name);
    case kEnded: Fail("the program has ended: only env, unsetenv and run may follow");
  }
}

void Driver::Loop(TForm& form) {
  const bool main = &form == Application->MainForm();
  Args tokens;
  while (main ? !Application->Terminated() : form.Modal()) {
    if (!NextCommand(tokens)) return;
    Execute(tokens);
  }
  if (main) phase_ = kEnded;
}

[[noreturn]] void Driver::Fail(const std::string& message) const {
  throw ScriptError{lineNo_, message};
}

void Driver::Expect(const Args& t, std::size_t count) const {
  if (t.size() != count)
    Fail(t[0].text + " takes " + std::to_string(count - 1) + " argument(s)");
}

const std::string& Driver::Word(const Args& t, std::size_t i) const {
  if (i >= t.size() || t[i].quoted) Fail("argument " + std::to_string(i) + " must be a word");
  return t[i].text;
}

const std::string& Driver::Text(const Args& t, std::size_t i) const {
  if (i >= t.size() || !t[i].quoted) Fail("argument " + std::to_string(i) + " must be a text");
  if (!t[i].holdable) Fail(kNotHoldable);
  return t[i].text;
}

const std::string& Driver::SystemText(const Args& t, std::size_t i) const {
  if (i >= t.size() || !t[i].quoted) Fail("argument " + std::to_string(i) + " must be a text");
  return t[i].raw;
}

bool Driver::SystemForm(const Args& t) {
  return t.size() > 1 && !t[1].quoted && t[1].text == "system";
}

int Driver::Number(const Args& t, std::size_t i) const {
  const std::string& w = Word(t, i);
  char* end = nullptr;
  const long v = std::strtol(w.c_str(), &end, 10);
  if (w.empty() || *end != '\0' || v < -100000 || v > 100000)
    Fail("argument " + std::to_string(i) + " must be a number");
  return static_cast<int>(v);
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

}  // namespace drive
