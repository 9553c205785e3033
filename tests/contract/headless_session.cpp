#include "tests/contract/headless_session.h"

#include "app/main_window.h"
#include "platform/text/cp932.h"
#include "platform/ui/input.h"
#include "tools/drive/box_line.h"
#include "tools/drive/keys.h"

namespace contract {
namespace {

// Code page 932 characters: a lead byte with the byte after it, or one byte.
std::vector<std::string> Characters(const std::string& text) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < text.size();) {
    const bool pair = cp932::IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size();
    out.push_back(text.substr(i, pair ? 2 : 1));
    i += pair ? 2 : 1;
  }
  return out;
}

}  // namespace

std::string BoxEvent(const std::string& text, const std::string& caption, unsigned flags,
                     int answer) {
  return drive::BoxLine(text, caption, flags, answer);
}

HeadlessSession::HeadlessSession() {
  backend_.frame = kFrame;
  backend_.screenWidth = kScreenWidth;
  backend_.screenHeight = kScreenHeight;
  backend_.onMessageBox = [this](const std::string& text, const std::string& caption,
                                 unsigned flags) {
    std::string gesture = "enter";
    if (!answers_.empty()) {
      gesture = answers_.front();
      answers_.pop_front();
    }
    const int answer = AnswerOf(gesture, flags);
    Event(BoxEvent(text, caption, flags, answer));
    return answer;
  };
  backend_.onOpenDialog = [this](const std::string& dir) {
    std::optional<Choice> choice;
    if (!choices_.empty()) {
      choice = choices_.front();
      choices_.pop_front();
    }
    Event("opendialog " + drive::Quote(dir) + " -> " + (choice ? "chosen" : "cancel"));
    return choice ? std::optional<HeadlessBackend::Choice>({choice->name, choice->system})
                  : std::nullopt;
  };
  backend_.onCursorMoved = [this](int x, int y) {
    PointerMoved(x, y);
  };
  backend_.onRunLoop = [this](TForm& f) {
    if (f.Modal()) Pump(&f);
  };
}

HeadlessSession::~HeadlessSession() { Finish(); }

void HeadlessSession::Launch() {
  InstallBackend(&backend_);
  app_ = std::make_unique<TApplication>();
  Application->Initialize();
  Application->SetTitle("Vexmorel");
  Application->CreateForm(Fm1);
  Application->Guard([] { Fm1->Show(); });
}

void HeadlessSession::Finish() {
  if (!app_) return;
  app_.reset();
  InstallBackend(nullptr);
}

bool HeadlessSession::Act(const Tokens& t) {
  const std::string& cmd = t[0].text;
  if (cmd == "key" && t.size() == 2) {
    const std::optional<drive::KeyStroke> k = drive::ParseKey(t[1].text);
    if (!k) return false;
    input::KeyDown(k->key, k->shift);
    input::KeyUp(k->key, k->shift);
    return true;
  }
  const std::size_t at = cmd == "mouse" ? 2 : 1;
  if (t.size() <= at) return false;
  TComponent* target = Resolve(t[at].text);
  auto* control = dynamic_cast<TControl*>(target);
  auto* form = dynamic_cast<TForm*>(target);
  auto* edit = dynamic_cast<TEdit*>(target);
  if (cmd == "click") {
    if (auto* item = dynamic_cast<TMenuItem*>(target)) return input::ChooseMenuItem(*item), true;
    if (control && !form) input::Click(*control);
    return true;
  }
  if (cmd == "type" && t.size() == 3) {
    if (!edit || !input::Click(*edit)) return true;
    // Each character as its own keystroke; the first replaces the selection.
    bool first = true;
    for (const std::string& ch : Characters(t[2].text)) {
      edit->TypeText(ch, first);
      first = false;
    }
    return true;
  }
  if ((cmd == "paste" || cmd == "commit") && t.size() == 3) {
    if (edit && input::Click(*edit)) edit->TypeText(t[2].text, false);
    return true;
  }
  if (cmd == "drop") return true;  // edits take no dropped text
  if (cmd == "dropfiles") {
    // Files from a file manager, anywhere on the main window.
    std::vector<std::string> names;
    for (std::size_t i = 2; i < t.size(); ++i) names.push_back(t[i].raw);
    if (TForm* main = Application ? Application->MainForm() : nullptr)
      input::DropFiles(*main, names);
    return true;
  }
  if (cmd == "focus") {
    if (auto* w = dynamic_cast<TWinControl*>(target); w && !form) input::Focus(*w);
    return true;
  }
  if (cmd == "mouse" && control && !form) {
    const std::string& what = t[1].text;
    if (what == "enter") input::MouseEnter(*control);
    if (what == "leave") input::MouseLeave(*control);
    if (what == "down" || what == "up") {
      if (t.size() < 4) return false;
      const TMouseButton b = t[3].text == "left" ? TMouseButton::mbLeft : TMouseButton::mbRight;
      if (b == TMouseButton::mbLeft) backend_.leftButton = what == "down";
      if (what == "down") input::MouseDown(*control, b);
      else input::MouseUp(*control, b, t.size() < 5 || t[4].text == "inside");
    }
    return true;
  }
  if (cmd == "mouse") return true;
  if (cmd == "move" && t.size() == 4) {
    if (form) input::Move(*form, std::atoi(t[2].text.c_str()), std::atoi(t[3].text.c_str()));
    return true;
  }
  if (cmd == "close") {
    if (form) input::CloseBox(*form);
    return true;
  }
  return false;
}

}  // namespace contract
