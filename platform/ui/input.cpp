#include "platform/ui/input.h"

#include <algorithm>
#include <cctype>

#include "platform/ui/backend.h"
#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"

namespace input {
namespace {

TControl* captured = nullptr;  // the control a left press went down on

TForm* ActiveShowingForm() {
  TForm* f = Application ? Application->ActiveForm() : nullptr;
  return f && f->Showing() ? f : nullptr;
}

TForm* FormOf(const TComponent& c) {
  for (const TComponent* o = &c; o; o = o->Owner())
    if (auto* f = dynamic_cast<const TForm*>(o)) return const_cast<TForm*>(f);
  return nullptr;
}

TWinControl* UsableFocus(TForm& f) {
  TWinControl* c = f.ActiveControl();
  return c && c->CanFocus() ? c : nullptr;
}

void SelectNext(TForm& f, bool forward) {
  std::vector<TWinControl*> list = f.TabOrderList();
  std::erase_if(list, [](const TWinControl* c) { return !c->CanFocus(); });
  if (list.empty()) return;
  auto it = std::find(list.begin(), list.end(), f.ActiveControl());
  std::size_t i = 0;
  if (it != list.end()) {
    const std::size_t at = static_cast<std::size_t>(it - list.begin());
    i = forward ? (at + 1) % list.size() : (at + list.size() - 1) % list.size();
  } else if (!forward) {
    i = list.size() - 1;
  }
  list[i]->SetFocus();
}

bool IsCharKey(WORD k) { return (k >= 'A' && k <= 'Z') || (k >= '0' && k <= '9'); }

}  // namespace

bool Usable(const TControl& c) {
  TForm* f = c.ParentForm();
  return f && f == ActiveShowingForm() && c.EnabledChain() && c.VisibleChain();
}

bool PopupCanOpen(const TForm& f) {
  return &f == ActiveShowingForm() && f.PopupMenu() && f.PopupMenu()->AutoPopup() &&
         f.EnabledChain();
}

bool Usable(const TMenuItem& item) {
  TForm* f = FormOf(item);
  return f && f->PopupMenu() && PopupCanOpen(*f) && item.EnabledChain();
}

bool KeyDown(WORD key, TShiftState shift) {
  TForm* f = ActiveShowingForm();
  if (!f) return false;
  if (TPopupMenu* menu = f->PopupMenu()) {
    if (TMenuItem* item = menu->FindShortCut(ShortCut(key, shift))) {
      // Consumed whether or not the item may act.
      if (item->EnabledChain()) Application->Guard([item] { item->Click(); });
      return true;
    }
  }
  TWinControl* focus = UsableFocus(*f);
  WORD k = key;
  if (focus) {
    Application->Guard([&] { focus->KeyDown(k, shift); });
    if (k == 0) return true;
    // The key belonged to the control that had the focus when it went down:
    // a push button has used Space and Enter itself, and a key never goes
    // on to whatever took the focus while the handler ran.
    if (focus->IsPushButton() && (k == VK_SPACE || k == VK_RETURN)) return true;
    if (UsableFocus(*f) != focus) return true;
  }
  if (k == VK_TAB && !shift.Ctrl && !shift.Alt) {
    SelectNext(*f, !shift.Shift);
    return true;
  }
  if (k == VK_RETURN) {
    if (!(focus && focus->IsPushButton())) {
      TControl* d = f->DefaultButton();
      if (d && Usable(*d)) Application->Guard([d] { d->Click(); });
    }
    return true;
  }
  if (!IsCharKey(k) && k != VK_SPACE) return true;
  const bool toEdit = focus && focus->IsEdit() && !shift.Alt;
  if (IsCharKey(k) && !shift.Ctrl && !toEdit) {
    bool used = false;
    std::vector<TControl*> all;
    f->ForEachControl([&](TControl& c) { all.push_back(&c); });
    for (TControl* c : all) {
      Application->Guard([&] { used = c->CMDialogChar(static_cast<char>(k)); });
      if (used) break;
    }
    return true;
  }
  if (toEdit && !shift.Ctrl) {
    char ch = static_cast<char>(k);
    if (k >= 'A' && k <= 'Z' && !shift.Shift) ch = static_cast<char>(std::tolower(ch));
    static_cast<TEdit*>(focus)->TypeText(std::string(1, ch), false);
  }
  return true;
}

bool KeyUp(WORD key, TShiftState shift) {
  TForm* f = ActiveShowingForm();
  if (!f) return false;
  if (TWinControl* focus = UsableFocus(*f)) {
    WORD k = key;
    Application->Guard([&] { focus->KeyUp(k, shift); });
  }
  return true;
}

bool MouseDown(TControl& c, TMouseButton button) {
  if (!Usable(c)) return false;
  if (button == TMouseButton::mbLeft) {
    captured = &c;
    if (c.FocusOnClick()) static_cast<TWinControl&>(c).SetFocus();
  }
  Application->Guard([&] { c.MouseDown(button, {}, c.Width() / 2, c.Height() / 2); });
  return true;
}

bool MouseUp(TControl& c, TMouseButton button, bool inside) {
  if (!Usable(c)) {
    if (button == TMouseButton::mbLeft && captured == &c) captured = nullptr;
    return false;
  }
  const int x = inside ? c.Width() / 2 : c.Width() + 10;
  const int y = inside ? c.Height() / 2 : c.Height() + 10;
  if (button == TMouseButton::mbLeft) {
    const bool pressedHere = captured == &c;
    captured = nullptr;
    // The click comes first; the release step follows it.
    if (pressedHere && inside && c.ClickEvents()) Application->Guard([&] { c.Click(); });
  }
  Application->Guard([&] { c.MouseUp(button, {}, x, y); });
  return true;
}

bool Click(TControl& c) {
  if (!MouseDown(c, TMouseButton::mbLeft)) return false;
  MouseUp(c, TMouseButton::mbLeft, true);
  return true;
}

bool MouseEnter(TControl& c) {
  if (!Usable(c)) return false;
  Application->Guard([&] { c.CMMouseEnter(); });
  return true;
}

bool MouseLeave(TControl& c) {
  if (!Usable(c)) return false;
  Application->Guard([&] { c.CMMouseLeave(); });
  return true;
}

bool Focus(TWinControl& c) {
  if (!Usable(c)) return false;
  c.SetFocus();
  return true;
}

bool Type(TEdit& e, const std::string& text) {
  if (!Usable(e)) return false;
  e.SetFocus();
  e.TypeText(text, true);
  return true;
}

bool EditChanged(TEdit& e, const std::string& text) {
  if (!Usable(e)) return false;
  e.SetText(text);
  return true;
}

bool ChooseMenuItem(TMenuItem& item) {
  if (!Usable(item)) return false;
  Application->Guard([&] { item.Click(); });
  return true;
}

bool CloseBox(TForm& f) {
  if (&f != ActiveShowingForm() || !f.HasSystemMenu()) return false;
  Application->Guard([&] { f.Close(); });
  return true;
}

bool DropFiles(TForm& f, const std::vector<std::string>& names) {
  if (&f != ActiveShowingForm() || !f.Enabled()) return false;
  if (f.OnDropFiles) Application->Guard([&] { f.OnDropFiles(names); });
  return true;
}

bool Move(TForm& f, int left, int top) {
  if (&f != ActiveShowingForm()) return false;
  f.SetBounds(left, top, f.ClientWidth(), f.ClientHeight());
  return true;
}

}  // namespace input
