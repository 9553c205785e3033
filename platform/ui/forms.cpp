#include "platform/ui/forms.h"

#include <algorithm>

#include "platform/ui/backend.h"
#include "platform/ui/stdctrls.h"

TScreen* Screen = nullptr;
TApplication* Application = nullptr;

TForm::TForm(TComponent* owner) : TWinControl(owner) {}

TForm::~TForm() {
  if (showing_) CurrentBackend().HideForm(*this);
}

int TForm::Width() const {
  const FrameExtents fr = CurrentBackend().Frame(*this);
  return ClientWidth() + fr.left + fr.right;
}

int TForm::Height() const {
  const FrameExtents fr = CurrentBackend().Frame(*this);
  return ClientHeight() + fr.top + fr.bottom;
}

void TForm::Place(std::function<void()> place) {
  place_ = std::move(place);
  place_();
}

void TForm::FrameMeasured() {
  if (!place_) return;
  const std::function<void()> place = std::move(place_);
  place_ = nullptr;
  if (Application)
    Application->Guard(place);
  else
    place();
}

void TForm::Show() {
  if (showing_) return;
  showing_ = true;
  CurrentBackend().ShowForm(*this);
  Notify(Change::Shown);
  // A shown form focuses the first control in tab order that can take it.
  if (!active_ || !active_->CanFocus()) FocusControl(FirstFocusable());
}

int TForm::ShowModal() {
  modal_ = true;
  Application->PushModal(this);
  Show();
  CurrentBackend().RunModal(*this);
  Application->PopModal();
  modal_ = false;
  showing_ = false;
  CurrentBackend().HideForm(*this);
  Notify(Change::Shown);
  return 1;
}

void TForm::Close() {
  if (modal_) {
    // Ends the modal showing; the backend's nested loop sees it.
    modal_ = false;
    Notify(Change::Shown);
    return;
  }
  if (this == Application->MainForm()) {
    Application->terminated_ = true;
    Notify(Change::Shown);
    return;
  }
  if (showing_) {
    showing_ = false;
    CurrentBackend().HideForm(*this);
    Notify(Change::Shown);
  }
}

void TForm::FocusControl(TWinControl* c) {
  if (c == active_) return;
  TWinControl* old = active_;
  active_ = c;
  if (old) old->DoExit();
  if (c) c->DoEnter();
  Notify(Change::Focus);
}

static void CollectTabOrder(const TWinControl& parent, std::vector<TWinControl*>& out) {
  std::vector<TWinControl*> kids;
  for (TControl* c : parent.Controls())
    if (c->IsWinControl()) kids.push_back(static_cast<TWinControl*>(c));
  std::stable_sort(kids.begin(), kids.end(),
                   [](const TWinControl* a, const TWinControl* b) {
                     return a->TabOrder() < b->TabOrder();
                   });
  for (TWinControl* k : kids) {
    out.push_back(k);
    CollectTabOrder(*k, out);
  }
}

std::vector<TWinControl*> TForm::TabOrderList() const {
  std::vector<TWinControl*> all;
  CollectTabOrder(*this, all);
  std::erase_if(all, [](const TWinControl* c) { return !c->TabStop(); });
  return all;
}

// The first control below `parent` in the order of TabOrderList that can
// take the focus, for a parent whose chain up to the form is enabled and
// visible. It runs whenever enabling moves the focus, so it builds no list:
// it picks the children in tab order one by one, each before its own
// children, and skips what lies below a disabled or hidden child.
static TWinControl* FirstFocusableBelow(const TWinControl& parent) {
  const std::vector<TControl*>& kids = parent.Controls();
  // Tab order is TabOrder, ties in creation order, as the stable sort gives.
  auto before = [&kids](std::size_t a, std::size_t b) {
    return kids[a]->TabOrder() < kids[b]->TabOrder() ||
           (kids[a]->TabOrder() == kids[b]->TabOrder() && a < b);
  };
  std::size_t previous = kids.size();
  for (;;) {
    std::size_t next = kids.size();
    for (std::size_t i = 0; i < kids.size(); ++i) {
      if (!kids[i]->IsWinControl() || (previous < kids.size() && !before(previous, i))) continue;
      if (next == kids.size() || before(i, next)) next = i;
    }
    if (next == kids.size()) return nullptr;
    auto* c = static_cast<TWinControl*>(kids[next]);
    if (c->Enabled() && c->Visible()) {
      if (c->TabStop()) return c;
      if (TWinControl* below = FirstFocusableBelow(*c)) return below;
    }
    previous = next;
  }
}

TWinControl* TForm::FirstFocusable() const {
  if (!ParentForm() || !EnabledChain() || !VisibleChain()) return nullptr;
  return FirstFocusableBelow(*this);
}

void TForm::FixFocus() {
  if (!showing_) return;
  if (active_ && active_->CanFocus()) return;
  FocusControl(FirstFocusable());
}

static void Walk(const TWinControl& parent, const std::function<void(TControl&)>& f) {
  for (TControl* c : parent.Controls()) {
    f(*c);
    if (c->IsWinControl()) Walk(*static_cast<TWinControl*>(c), f);
  }
}

void TForm::ForEachControl(const std::function<void(TControl&)>& f) const { Walk(*this, f); }

TControl* TForm::DefaultButton() const {
  TControl* found = nullptr;
  ForEachControl([&](TControl& c) {
    if (auto* b = dynamic_cast<TButton*>(&c); b && b->Default() && !found) found = b;
  });
  return found;
}

int TScreen::Width() const { return CurrentBackend().ScreenWidth(); }
int TScreen::Height() const { return CurrentBackend().ScreenHeight(); }

TApplication::TApplication() : TComponent(nullptr) {
  Application = this;
  static TScreen screen;
  Screen = &screen;
}

TApplication::~TApplication() {
  if (Application == this) Application = nullptr;
}

void TApplication::FormCreated(TForm* f) {
  if (!mainForm_) mainForm_ = f;
}

void TApplication::AfterConstruction(TForm* f) {
  if (f->OnCreate) Guard([f] { f->OnCreate(f); });
}

void TApplication::Run() {
  if (!mainForm_) return;
  Guard([this] { mainForm_->Show(); });
  if (mainForm_->OnActivate) Guard([this] { mainForm_->OnActivate(mainForm_); });
  CurrentBackend().RunMainLoop(*mainForm_);
}

int TApplication::MessageBox(const std::string& text, const std::string& caption,
                             unsigned flags) {
  return CurrentBackend().MessageBox(text, caption, flags);
}

void TApplication::ShowException(const std::exception& e) {
  std::string text = e.what();
  text += '.';
  MessageBox(text, title_, MB_OK | MB_ICONERROR);
}

TForm* TApplication::ActiveForm() const {
  if (!modal_.empty()) return modal_.back();
  return mainForm_;
}

void TApplication::Guard(const std::function<void()>& f) {
  try {
    f();
  } catch (const std::exception& e) {
    ShowException(e);
  }
}
