#include "tests/contract/session.h"

#include <cstdlib>
#include <ctime>
#include <sstream>

#include "app/program.h"
#include "platform/os/faults.h"
#include "platform/os/process.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"
#include "settings/config_dialog.h"

namespace contract {
namespace {

const char* BevelName(TPanelBevel b) {
  switch (b) {
    case TPanelBevel::bvLowered: return "lowered";
    case TPanelBevel::bvRaised: return "raised";
    default: return "none";
  }
}

TForm* FindForm(const std::string& name) {
  if (!Application) return nullptr;
  for (TComponent* c : Application->Components())
    if (auto* f = dynamic_cast<TForm*>(c); f && f->Name() == name) return f;
  return nullptr;
}

void Items(const TMenuItem& parent, std::string& out) {
  for (const TMenuItem* i : parent.Items()) {
    out += "item " + i->Name() + (i->Enabled() ? " enabled" : " disabled") + "\n";
    Items(*i, out);
  }
}

}  // namespace

TComponent* Resolve(const std::string& name) {
  if (name == "Fm1" || name == "FConfig") return FindForm(name);
  if (name.starts_with("FConfig.")) {
    TForm* f = FindForm("FConfig");
    return f ? f->FindComponent(name.substr(8)) : nullptr;
  }
  if (TForm* main = FindForm("Fm1"))
    if (TComponent* c = main->FindComponent(name)) return c;
  TForm* f = FindForm("FConfig");
  return f ? f->FindComponent(name) : nullptr;
}

std::string ScriptName(const TComponent& c) {
  const TComponent* owner = c.Owner();
  if (owner && owner->Name() == "FConfig") {
    TForm* main = FindForm("Fm1");
    if (main && main->FindComponent(c.Name())) return "FConfig." + c.Name();
  }
  return c.Name();
}

void ResetProgram(const Start& start) {
  Header = {};
  FileStamp = {};
  LastFolder.clear();
  ClearFaults();
  SetExecutablePath(start.exe);
  SetCommandLine(start.arg ? std::vector<std::string>{*start.arg} : std::vector<std::string>{});
}

int Session::AnswerOf(const std::string& gesture, unsigned flags) {
  const bool yesNo = (flags & 0xF) == MB_YESNO;
  if (!yesNo) return IDOK;
  if (gesture == "yes" || gesture == "alt+y") return IDYES;
  if (gesture == "no" || gesture == "alt+n") return IDNO;
  return (flags & MB_DEFBUTTON2) ? IDNO : IDYES;
}

bool Session::Common(const Tokens& t) {
  const std::string& cmd = t[0].text;
  if (cmd == "answer" && t.size() == 2) {
    answers_.push_back(t[1].text);
  } else if (cmd == "choose" && t.size() == 3 && t[1].text == "system") {
    choices_.push_back(Choice{t[2].raw, true});
  } else if (cmd == "choose" && t.size() == 2) {
    if (t[1].quoted)
      choices_.push_back(Choice{t[1].text, false});
    else
      choices_.push_back(std::nullopt);
  } else if (cmd == "env" && t.size() == 3) {
    setenv(t[1].text.c_str(), t[2].text.c_str(), 1);
    tzset();
  } else if (cmd == "unsetenv" && t.size() == 2) {
    unsetenv(t[1].text.c_str());
    tzset();
  } else if (cmd == "run" && (t.size() == 2 || (t.size() == 3 && t[1].text == "system"))) {
    const int status = std::system((t.size() == 3 ? t[2].raw : t[1].text).c_str());
    (void)status;
  } else if (cmd == "fault" && t.size() == 3) {
    static const std::pair<const char*, FileOp> kOps[] = {
        {"open", FileOp::StreamOpen},          {"read", FileOp::StreamRead},
        {"write", FileOp::StreamWrite},        {"close", FileOp::StreamClose},
        {"attributes", FileOp::GetAttributes}, {"createfile", FileOp::CreateFile},
        {"getfiletime", FileOp::GetFileTime},  {"setfiletime", FileOp::SetFileTime}};
    for (const auto& [name, op] : kOps)
      if (t[1].text == name) InjectFault(op, std::atoi(t[2].text.c_str()));
  } else {
    return false;
  }
  return true;
}

std::vector<std::string> Session::Play(const Start& start, const std::vector<std::string>& steps) {
  steps_ = steps;
  states_.assign(steps.size() + 1, std::string());
  events_.clear();
  pointer_.clear();
  answers_.clear();
  choices_.clear();
  next_ = 0;
  current_ = 0;
  ResetProgram(start);
  Launch();
  Record();
  Pump(nullptr);
  Finish();
  return states_;
}

void Session::Pump(TForm* modal) {
  // The step that showed this form is complete once its loop runs.
  Record();
  while ((next_ < steps_.size() || MoreSteps()) && (!modal || modal->Modal())) {
    if (Application->Terminated()) {
      // The program has ended: later steps find nothing.
      current_ = ++next_;
      states_[current_] = "ended\n";
      continue;
    }
    const std::size_t index = next_++;
    current_ = index + 1;
    auto parsed = drive::ParseLine(steps_[index]);
    const Tokens* t = std::get_if<Tokens>(&parsed);
    if (!t || t->empty() || (!Common(*t) && !Act(*t)))
      Event("cannot give: " + steps_[index]);
    // A step that closed the form this loop runs for is recorded by the
    // loop below, once the modal showing has ended.
    if (modal && !modal->Modal()) return;
    Record();
  }
  if (modal && modal->Modal()) modal->Close();
}

bool Session::MoreSteps() {
  if (!nextSteps) return false;
  const std::optional<std::string> action = nextSteps();
  if (!action) return false;
  std::istringstream in(*action);
  for (std::string line; std::getline(in, line);)
    if (!line.empty()) {
      steps_.push_back(line);
      states_.emplace_back();
    }
  return next_ < steps_.size();
}

void Session::Record() {
  if (current_ >= states_.size() || !states_[current_].empty()) return;
  states_[current_] = Snapshot();
  if (afterStep && current_ > 0) afterStep(steps_[current_ - 1], states_[current_]);
}

std::string Session::Snapshot() {
  std::string s;
  if (!Application) return "no application\n";
  TForm* active = Application->ActiveForm();
  s += "active " + (active ? active->Name() : std::string("none")) +
       (Application->Terminated() ? " terminated" : "") + "\n";
  for (TComponent* c : Application->Components()) {
    auto* f = dynamic_cast<TForm*>(c);
    if (!f) continue;
    TWinControl* focus = f->ActiveControl();
    s += "form " + f->Name() + (f->Showing() ? " shown" : " hidden") +
         (f->Modal() ? " modal" : "") + " at " + std::to_string(f->Left()) + "," +
         std::to_string(f->Top());
    if (f->Showing())
      s += " size " + std::to_string(f->Width()) + "x" + std::to_string(f->Height());
    s += " focus " + (focus ? ScriptName(*focus) : "none") + "\n";
    f->ForEachControl([&](TControl& k) {
      s += ScriptName(k) + " " + drive::Quote(k.Text()) + (k.Enabled() ? "" : " disabled") +
           (k.Visible() ? "" : " hidden");
      if (auto* p = dynamic_cast<TCustomPanel*>(&k))
        s += std::string(" bevels ") + BevelName(p->BevelOuter()) + "/" + BevelName(p->BevelInner());
      s += "\n";
    });
    if (TPopupMenu* m = f->PopupMenu()) {
      s += std::string("popup ") + (m->AutoPopup() ? "auto" : "off") + "\n";
      Items(m->Items(), s);
    }
  }
  s += "header " + HeaderHex(Header) + "\n";
  s += "lastfolder " + drive::Quote(LastFolder) + "\n";
  for (const std::string& e : events_) s += e + "\n";
  events_.clear();
  if (!pointer_.empty()) s += pointer_ + "\n";
  pointer_.clear();
  return s;
}

}  // namespace contract
