#include "platform/ui/menus.h"

void TMenuItem::SetEnabled(bool v) {
  if (v == enabled_) return;
  enabled_ = v;
  Notify(Change::Menu);
}

void TMenuItem::Add(TMenuItem* item) {
  item->parent_ = this;
  items_.push_back(item);
}

bool TMenuItem::EnabledChain() const {
  for (const TMenuItem* i = this; i; i = i->parent_)
    if (!i->enabled_) return false;
  return true;
}

void TMenuItem::Click() {
  if (OnClick) OnClick(this);
}

TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner), root_(new TMenuItem(this)) {}

void TPopupMenu::SetAutoPopup(bool v) {
  if (v == autoPopup_) return;
  autoPopup_ = v;
  Notify(Change::Menu);
}

static TMenuItem* FindIn(const TMenuItem& item, TShortCut code) {
  for (TMenuItem* i : item.Items()) {
    if (i->ShortCut() == code) return i;
    if (TMenuItem* found = FindIn(*i, code)) return found;
  }
  return nullptr;
}

TMenuItem* TPopupMenu::FindShortCut(TShortCut code) const {
  return code == 0 ? nullptr : FindIn(*root_, code);
}
