// Standard controls: edit, label, push button, group box.
//
// TEdit's MaxLength counts bytes of code page 932 text (0: no limit); typing
// that would pass it is refused character by character, as a real edit does.
// TButton clicks on a left click, on Space or Enter while focused and on its
// accelerator character; Default marks the form's default button, which
// Enter clicks while the focus is not on another push button.
#pragma once

#include "platform/ui/controls.h"

class TEdit : public TWinControl {
 public:
  explicit TEdit(TComponent* owner);
  const char* ClassName() const override { return "TEdit"; }
  bool IsEdit() const override { return true; }
  bool FocusOnClick() const override { return true; }
  bool ClickEvents() const override { return false; }

  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int v) { maxLength_ = v; }

  // Typing: the longest prefix of `text` whose characters fit whole within
  // MaxLength, counting the bytes that stay. Replace selects all first.
  void TypeText(const std::string& text, bool replaceAll);

 private:
  int maxLength_ = 0;
};

class TLabel : public TControl {
 public:
  explicit TLabel(TComponent* owner) : TControl(owner) {}
  const char* ClassName() const override { return "TLabel"; }
};

class TButton : public TWinControl {
 public:
  explicit TButton(TComponent* owner);
  const char* ClassName() const override { return "TButton"; }
  bool IsPushButton() const override { return true; }
  bool FocusOnClick() const override { return true; }

  bool Default() const { return default_; }
  void SetDefault(bool v) { default_ = v; }

  void KeyDown(WORD& key, TShiftState shift) override;
  bool CMDialogChar(char ch) override;

 private:
  bool default_ = false;
};

class TGroupBox : public TWinControl {
 public:
  explicit TGroupBox(TComponent* owner) : TWinControl(owner) {}
  const char* ClassName() const override { return "TGroupBox"; }
};
