// Forms, the screen and the application object.
//
// A form's Left and Top are its outer position on the screen; its client
// size is fixed by its definition, and its outer size adds the frame that
// the backend reports. A backend may learn the true frame only once the
// window is on the screen: a placement that reads the outer size goes
// through Place, and runs again when the backend reports another frame. The form keeps the control that has its keyboard
// focus; when that control can no longer take it (a container above it was
// disabled), the focus moves to the first control in tab order that can.
//
// Input from a backend enters here, through the active form (the top modal
// form, or the main form): shortcuts first, then the focused control, then
// Tab, Enter for the default button, then accelerator characters, then
// typing into a focused edit. Every entry point shows an exception that a
// handler lets escape with the application's exception display.
#pragma once

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/controls.h"
#include "platform/ui/menus.h"

enum class TBorderStyle { bsSingle, bsDialog };

class TForm : public TWinControl {
 public:
  explicit TForm(TComponent* owner);
  ~TForm() override;
  const char* ClassName() const override { return "TForm"; }
  bool IsForm() const override { return true; }

  // Outer bounds on the screen; client size.
  int Left() const { return TControl::Left(); }
  int Top() const { return TControl::Top(); }
  int Width() const;
  int Height() const;
  int ClientWidth() const { return TControl::Width(); }
  int ClientHeight() const { return TControl::Height(); }
  void SetClientSize(int w, int h) { SetBounds(Left(), Top(), w, h); }

  // Runs `place` (which sets the form's position, and may move the pointer,
  // from formulas over the outer size) and keeps it for FrameMeasured.
  void Place(std::function<void()> place);
  // The backend found, once the form was shown, a frame other than the one
  // it reported before: the kept placement runs once more, before any
  // input reaches the form.
  void FrameMeasured();

  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle s) { borderStyle_ = s; }
  bool HasSystemMenu() const { return systemMenu_; }
  bool HasMinimize() const { return minimize_; }
  void SetBorderIcons(bool systemMenu, bool minimize) {
    systemMenu_ = systemMenu;
    minimize_ = minimize;
  }

  TPopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TPopupMenu* m) { popupMenu_ = m; }
  TNotifyEvent OnCreate;
  // After the main form is first shown, before the user can act.
  TNotifyEvent OnActivate;
  // Files dropped on the form from a file manager: their names in the
  // system's form (names.h), as the drop gave them.
  std::function<void(const std::vector<std::string>& names)> OnDropFiles;

  bool Showing() const { return showing_; }
  bool Modal() const { return modal_; }
  void Show();
  // Shows the form modally; returns when it closes.
  int ShowModal();
  void Close();

  TWinControl* ActiveControl() const { return active_; }
  // Moves the focus to `c` (no check); the previous control loses it.
  void FocusControl(TWinControl* c);
  // The controls that Tab visits, in tab order.
  std::vector<TWinControl*> TabOrderList() const;
  // The first control in tab order that can take the focus, or null.
  TWinControl* FirstFocusable() const;
  // Keeps the focus on a control that can take it (after enabling changes).
  void FixFocus();

  // The default push button, or null.
  TControl* DefaultButton() const;
  // All components of the form in creation order, depth-first by parent.
  void ForEachControl(const std::function<void(TControl&)>& f) const;

 private:
  friend class TApplication;
  TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
  bool systemMenu_ = true;
  bool minimize_ = true;
  TPopupMenu* popupMenu_ = nullptr;
  bool showing_ = false;
  bool modal_ = false;
  TWinControl* active_ = nullptr;
  std::function<void()> place_;
};

class TScreen {
 public:
  int Width() const;
  int Height() const;
};
extern TScreen* Screen;

// The platform's base exception class.
class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : message_(std::move(message)) {}
  const char* what() const noexcept override { return message_.c_str(); }
  const std::string& Message() const { return message_; }

 private:
  std::string message_;
};

class TApplication : public TComponent {
 public:
  TApplication();
  ~TApplication() override;
  const char* ClassName() const override { return "TApplication"; }

  void Initialize() {}
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& t) { title_ = t; }

  // Creates a form owned by the application; the first becomes the main form.
  // `ref` is set before the constructor runs, as in the class library.
  template <class F>
  void CreateForm(F*& ref);
  TForm* MainForm() const { return mainForm_; }

  // Shows the main form and runs the message loop until it closes.
  void Run();
  bool Terminated() const { return terminated_; }

  // A modal message box; returns IDOK, IDYES or IDNO.
  int MessageBox(const std::string& text, const std::string& caption, unsigned flags);
  // The exception display: the message followed by ".", the title as caption.
  void ShowException(const std::exception& e);

  // The form that takes input now: the top modal form, else the main form.
  TForm* ActiveForm() const;
  // Runs `f`, showing any exception that escapes it.
  void Guard(const std::function<void()>& f);

 private:
  friend class TForm;
  void FormCreated(TForm* f);
  void PushModal(TForm* f) { modal_.push_back(f); }
  void PopModal() { modal_.pop_back(); }
  void AfterConstruction(TForm* f);

  std::string title_;
  TForm* mainForm_ = nullptr;
  std::vector<TForm*> modal_;
  bool terminated_ = false;
};
extern TApplication* Application;

template <class F>
void TApplication::CreateForm(F*& ref) {
  ref = static_cast<F*>(::operator new(sizeof(F)));
  // Construct in place so that `ref` already names the form while its
  // constructor runs (the settings loader reaches the main form through it).
  new (ref) F(this);
  FormCreated(ref);
  AfterConstruction(ref);
}
