// The driver's questions about the screen: each prints one line that begins
// with the name as the command wrote it.
#include <sstream>

#include "app/program.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/forms.h"
#include "platform/ui/input.h"
#include "settings/config_dialog.h"
#include "tools/drive/driver.h"

namespace drive {
namespace {

const char* BevelName(TPanelBevel b) {
  switch (b) {
    case TPanelBevel::bvLowered: return "bvLowered";
    case TPanelBevel::bvRaised: return "bvRaised";
    default: return "bvNone";
  }
}

}  // namespace

void Driver::Focused(const Args&) {
  TForm* f = Application ? Application->ActiveForm() : nullptr;
  TWinControl* c = f ? f->ActiveControl() : nullptr;
  Print("focused " + (c ? NameOf(*c) : std::string("none")));
}

void Driver::Pointer(const Args&) {
  Print("pointer " + std::to_string(backend_.cursorX) + " " + std::to_string(backend_.cursorY));
}

void Driver::Autopopup(const Args&) {
  TForm* f = Application ? Application->MainForm() : nullptr;
  const bool on = f && f->PopupMenu() && f->PopupMenu()->AutoPopup();
  Print(std::string("autopopup ") + (on ? "1" : "0"));
}

void Driver::HeaderBytes(const Args&) { Print("header " + HeaderHex(Header)); }

void Driver::Filestamp(const Args&) {
  std::ostringstream s;
  s << "filestamp " << FileStamp.wYear << ' ' << FileStamp.wMonth << ' ' << FileStamp.wDayOfWeek
    << ' ' << FileStamp.wDay << ' ' << FileStamp.wHour << ' ' << FileStamp.wMinute << ' '
    << FileStamp.wSecond << ' ' << FileStamp.wMilliseconds;
  Print(s.str());
}

void Driver::Lastfolder(const Args&) { Print("lastfolder " + Quote(LastFolder)); }

void Driver::Exists(const Args& t) {
  const std::string& name = Word(t, 1);
  Print(name + (Resolve(name) ? " exists" : " absent"));
}

TComponent* Driver::Asked(const std::string& name) {
  TComponent* c = Resolve(name);
  if (!c) Print(name + " absent");
  return c;
}

void Driver::TextOf(const Args& t) {
  const std::string& name = Word(t, 1);
  TComponent* c = Asked(name);
  if (!c) return;
  auto* control = dynamic_cast<TControl*>(c);
  auto* item = dynamic_cast<TMenuItem*>(c);
  Print(name + " " + Quote(item ? item->Caption() : control ? control->Text() : std::string()));
}

void Driver::HintOf(const Args& t) {
  const std::string& name = Word(t, 1);
  TComponent* c = Asked(name);
  if (!c) return;
  auto* control = dynamic_cast<TControl*>(c);
  Print(name + " hint " + Quote(control ? control->Hint() : std::string()));
}

void Driver::EnabledOf(const Args& t) {
  const std::string& name = Word(t, 1);
  TComponent* c = Asked(name);
  if (!c) return;
  auto* control = dynamic_cast<TControl*>(c);
  auto* item = dynamic_cast<TMenuItem*>(c);
  const bool own = item ? item->Enabled() : control && control->Enabled();
  const bool usable = item ? input::Usable(*item) : control && input::Usable(*control);
  Print(name + " enabled=" + (own ? "1" : "0") + " usable=" + (usable ? "1" : "0"));
}

void Driver::BoundsOf(const Args& t) {
  const std::string& name = Word(t, 1);
  TComponent* c = Asked(name);
  if (!c) return;
  auto* form = dynamic_cast<TForm*>(c);
  auto* control = dynamic_cast<TControl*>(c);
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
}

void Driver::BevelOf(const Args& t) {
  const std::string& name = Word(t, 1);
  TComponent* c = Asked(name);
  if (!c) return;
  auto* panel = dynamic_cast<TCustomPanel*>(c);
  if (!panel) Fail(name + " has no bevels");
  Print(name + " outer=" + BevelName(panel->BevelOuter()) +
        " inner=" + BevelName(panel->BevelInner()));
}

void Driver::Shown(const Args& t) {
  const std::string& name = Word(t, 1);
  TComponent* c = Asked(name);
  if (!c) return;
  auto* form = dynamic_cast<TForm*>(c);
  if (!form) Fail(name + " is not a window");
  Print(name + (form->Showing() ? " shown" : " hidden"));
}

}  // namespace drive
