// The core of the widget model: components, controls and containers.
//
// The model holds every property the program reads or writes (texts as code
// page 932 bytes, bounds, enabled and visible flags, hints, colours, fonts)
// and implements the semantics the program relies on once, for every
// backend: enabled and visible cascade through containers while each control
// keeps its own flag; focus; the per-control reactions to mouse, key, focus
// and accelerator events (the virtual operations below, in the class
// library's order). A backend only shows the model and feeds input into it.
//
// Every property change is reported to the backend's observer, so a view can
// follow. Components are owned by their owner and destroyed with it.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/types.h"

class TObject {
 public:
  virtual ~TObject() = default;
  virtual const char* ClassName() const { return "TObject"; }
};

using TNotifyEvent = std::function<void(TObject* sender)>;
using TKeyEvent = std::function<void(TObject* sender, WORD& key, TShiftState shift)>;
using TMouseEvent =
    std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;

class TForm;
class TWinControl;

// What changed, for the view.
enum class Change { Text, Bounds, Enabled, Visible, Hint, Look, Focus, Bevel, Menu, Shown };

class TComponent : public TObject {
 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;
  const char* ClassName() const override { return "TComponent"; }

  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  TComponent* Owner() const { return owner_; }
  const std::vector<TComponent*>& Components() const { return components_; }
  TComponent* FindComponent(std::string_view name) const;

 protected:
  void Notify(Change what);

 private:
  std::string name_;
  TComponent* owner_;
  std::vector<TComponent*> components_;  // owned
};

class TControl : public TComponent {
  friend class TWinControl;

 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;
  const char* ClassName() const override { return "TControl"; }

  TWinControl* Parent() const { return parent_; }
  void SetParent(TWinControl* parent);
  // The form the control sits on (itself for a form).
  TForm* ParentForm() const;

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetBounds(int left, int top, int width, int height);
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }

  // Caption and Text are one property, as in the class library.
  const std::string& Caption() const { return text_; }
  void SetCaption(const std::string& text) { SetText(text); }
  const std::string& Text() const { return text_; }
  virtual void SetText(const std::string& text);

  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint);
  bool ShowHint() const;
  void SetShowHint(std::optional<bool> v) { showHint_ = v; }

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);
  bool Visible() const { return visible_; }
  void SetVisible(bool v);
  // Enabled and visible here and in every container up to the form.
  bool EnabledChain() const;
  bool VisibleChain() const;

  TColor Color() const;  // own colour, or the parent's when ParentColor
  void SetColor(TColor c);
  bool ParentColor() const { return !color_.has_value(); }
  const TFont& Font() const;  // own font, or the parent's when ParentFont
  void SetFont(const TFont& f);
  bool ParentFont() const { return !font_.has_value(); }

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment a);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool v) { autoSize_ = v; }

  int TabOrder() const { return tabOrder_; }
  void SetTabOrder(int v) { tabOrder_ = v; }
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool v) { tabStop_ = v; }

  TNotifyEvent OnClick, OnEnter, OnExit;
  TKeyEvent OnKeyDown, OnKeyUp;
  TMouseEvent OnMouseDown, OnMouseUp;

  // Operations the input dispatch calls, in the class library's order.
  virtual void Click();
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void DoEnter();
  virtual void DoExit();
  virtual void KeyDown(WORD& key, TShiftState shift);
  virtual void KeyUp(WORD& key, TShiftState shift);
  virtual void CMMouseEnter() {}
  virtual void CMMouseLeave() {}
  // Offers a typed accelerator character; true when the control used it.
  virtual bool CMDialogChar(char ch);

  // Class traits the dispatch asks about.
  virtual bool IsForm() const { return false; }        // a TForm
  virtual bool IsWinControl() const { return false; }  // can hold the focus
  virtual bool IsPushButton() const { return false; }  // Enter stays with it
  virtual bool IsEdit() const { return false; }        // takes typed characters
  virtual bool ClickEvents() const { return true; }    // mouse up inside clicks
  virtual bool FocusOnClick() const { return false; }  // a click focuses it

 private:
  TWinControl* parent_ = nullptr;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  std::string text_;
  std::string hint_;
  std::optional<bool> showHint_;
  bool enabled_ = true;
  bool visible_ = true;
  std::optional<TColor> color_;
  std::optional<TFont> font_;
  TAlignment alignment_ = TAlignment::taLeftJustify;
  bool autoSize_ = false;
  int tabOrder_ = -1;
  bool tabStop_ = false;
};

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* owner) : TControl(owner) {}
  // The children outlive this list (the form owns them): unlink them first.
  ~TWinControl() override;
  const char* ClassName() const override { return "TWinControl"; }

  const std::vector<TControl*>& Controls() const { return controls_; }
  bool IsWinControl() const override { return true; }

  // Visible and enabled up to the form; the form need not be the active one.
  bool CanFocus() const;
  bool Focused() const;
  void SetFocus();

 private:
  friend class TControl;
  std::vector<TControl*> controls_;  // children, not owned (the form owns them)
};

// The accelerator character of a caption: the character after its first
// "&", in upper case; 0 when there is none.
char AcceleratorOf(const std::string& caption);
