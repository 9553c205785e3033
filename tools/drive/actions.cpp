// The driver's user actions: each reaches its control only as a person could
// (input.h), and prints `ignored NAME` when it cannot.
#include "platform/ui/forms.h"
#include "platform/ui/input.h"
#include "platform/ui/stdctrls.h"
#include "tools/drive/driver.h"
#include "tools/drive/keys.h"

namespace drive {
namespace {

// A control that is no form: what a click or a mouse event can reach.
TControl* PlainControl(TComponent* c) {
  return dynamic_cast<TForm*>(c) ? nullptr : dynamic_cast<TControl*>(c);
}

}  // namespace

void Driver::Key(const Args& t) {
  std::optional<KeyStroke> k = ParseKey(Word(t, 1));
  if (!k) Fail("unknown key " + t[1].text);
  input::KeyDown(k->key, k->shift);
  input::KeyUp(k->key, k->shift);
}

void Driver::Click(const Args& t) {
  const std::string& name = Word(t, 1);
  TComponent* target = Resolve(name);
  bool done = false;
  if (auto* item = dynamic_cast<TMenuItem*>(target))
    done = input::ChooseMenuItem(*item);
  else if (TControl* control = PlainControl(target))
    done = input::Click(*control);
  if (!done) Ignored(name);
}

void Driver::Type(const Args& t) {
  const std::string& name = Word(t, 1);
  TComponent* target = Resolve(name);
  const std::string& text = Text(t, 2);
  auto* edit = dynamic_cast<TEdit*>(target);
  if (target && !edit) Fail(name + " is not an edit");
  if (!edit || !input::Type(*edit, text)) Ignored(name);
}

void Driver::Focus(const Args& t) {
  const std::string& name = Word(t, 1);
  TComponent* target = Resolve(name);
  auto* win = dynamic_cast<TWinControl*>(target);
  if (!win || dynamic_cast<TForm*>(target) || !input::Focus(*win)) Ignored(name);
}

// mouse enter|leave NAME, mouse down NAME BUTTON, mouse up NAME BUTTON WHERE.
void Driver::Mouse(const Args& t) {
  const std::string& name = Word(t, 2);
  TControl* control = PlainControl(Resolve(name));
  const std::string& what = Word(t, 1);
  bool done = false;
  if (what == "enter" || what == "leave") {
    Expect(t, 3);
    if (control)
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
    if (control)
      done = what == "down" ? input::MouseDown(*control, button)
                            : input::MouseUp(*control, button, inside);
  } else {
    Fail("mouse takes enter, leave, down or up");
  }
  if (!done) Ignored(name);
}

void Driver::Move(const Args& t) {
  const std::string& name = Word(t, 1);
  auto* form = dynamic_cast<TForm*>(Resolve(name));
  const int left = Number(t, 2), top = Number(t, 3);
  if (!form || !input::Move(*form, left, top)) Ignored(name);
}

void Driver::Close(const Args& t) {
  const std::string& name = Word(t, 1);
  auto* form = dynamic_cast<TForm*>(Resolve(name));
  if (!form || !input::CloseBox(*form)) Ignored(name);
}

// drop "PATH" ["PATH2"]: files from a file manager dropped on the main
// window, their names in the system's form.
void Driver::Drop(const Args& t) {
  if (t.size() != 2 && t.size() != 3) Fail("drop takes one or two paths");
  std::vector<std::string> names;
  for (std::size_t i = 1; i < t.size(); ++i) names.push_back(SystemText(t, i));
  TForm* main = Application ? Application->MainForm() : nullptr;
  if (!main || !input::DropFiles(*main, names)) Ignored("Fm1");
}

}  // namespace drive
