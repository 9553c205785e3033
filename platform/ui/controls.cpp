#include "platform/ui/controls.h"

#include <algorithm>
#include <cctype>

#include "platform/ui/backend.h"
#include "platform/ui/forms.h"

TComponent::TComponent(TComponent* owner) : owner_(owner) {
  if (owner_) owner_->components_.push_back(this);
}

TComponent::~TComponent() {
  // Owned components go in reverse creation order, children before parents.
  while (!components_.empty()) {
    TComponent* c = components_.back();
    components_.pop_back();
    c->owner_ = nullptr;
    delete c;
  }
  if (owner_) std::erase(owner_->components_, this);
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  for (TComponent* c : components_)
    if (c->name_ == name) return c;
  return nullptr;
}

void TComponent::Notify(Change what) { CurrentBackend().Changed(*this, what); }

TControl::TControl(TComponent* owner) : TComponent(owner) {}

TControl::~TControl() {
  if (parent_) std::erase(parent_->controls_, this);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent_) std::erase(parent_->controls_, this);
  parent_ = parent;
  if (parent_) parent_->controls_.push_back(this);
}

TForm* TControl::ParentForm() const {
  const TControl* c = this;
  while (c->parent_) c = c->parent_;
  // A trait, not a dynamic_cast: this runs on every enabling and focus change.
  return c->IsForm() ? static_cast<TForm*>(const_cast<TControl*>(c)) : nullptr;
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Notify(Change::Bounds);
}

void TControl::SetText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  Notify(Change::Text);
}

void TControl::SetHint(const std::string& hint) {
  if (hint == hint_) return;
  hint_ = hint;
  Notify(Change::Hint);
}

bool TControl::ShowHint() const {
  if (showHint_) return *showHint_;
  return parent_ ? parent_->ShowHint() : false;
}

static void FixFocusOf(TControl& c) {
  if (TForm* f = c.ParentForm()) f->FixFocus();
}

void TControl::SetEnabled(bool v) {
  if (v == enabled_) return;
  enabled_ = v;
  Notify(Change::Enabled);
  FixFocusOf(*this);
}

void TControl::SetVisible(bool v) {
  if (v == visible_) return;
  visible_ = v;
  Notify(Change::Visible);
  FixFocusOf(*this);
}

bool TControl::EnabledChain() const {
  for (const TControl* c = this; c; c = c->parent_)
    if (!c->enabled_) return false;
  return true;
}

bool TControl::VisibleChain() const {
  for (const TControl* c = this; c; c = c->parent_)
    if (!c->visible_) return false;
  return true;
}

TColor TControl::Color() const {
  if (color_) return *color_;
  return parent_ ? parent_->Color() : clBtnFace;
}

void TControl::SetColor(TColor c) {
  color_ = c;
  Notify(Change::Look);
}

const TFont& TControl::Font() const {
  static const TFont kDefault;
  if (font_) return *font_;
  return parent_ ? parent_->Font() : kDefault;
}

void TControl::SetFont(const TFont& f) {
  font_ = f;
  Notify(Change::Look);
}

void TControl::SetAlignment(TAlignment a) {
  alignment_ = a;
  Notify(Change::Look);
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TControl::DoEnter() {
  if (OnEnter) OnEnter(this);
}

void TControl::DoExit() {
  if (OnExit) OnExit(this);
}

void TControl::KeyDown(WORD& key, TShiftState shift) {
  if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TControl::KeyUp(WORD& key, TShiftState shift) {
  if (OnKeyUp) OnKeyUp(this, key, shift);
}

bool TControl::CMDialogChar(char) { return false; }

TWinControl::~TWinControl() {
  for (TControl* c : controls_) c->parent_ = nullptr;
}

bool TWinControl::CanFocus() const {
  const TForm* f = ParentForm();
  return f && EnabledChain() && VisibleChain();
}

bool TWinControl::Focused() const {
  const TForm* f = ParentForm();
  return f && f->ActiveControl() == this;
}

void TWinControl::SetFocus() {
  if (TForm* f = ParentForm(); f && CanFocus()) f->FocusControl(this);
}

char AcceleratorOf(const std::string& caption) {
  const auto amp = caption.find('&');
  if (amp == std::string::npos || amp + 1 >= caption.size()) return 0;
  return static_cast<char>(std::toupper(static_cast<unsigned char>(caption[amp + 1])));
}
