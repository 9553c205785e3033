// Turns real input on the form windows into model input (input.h), before
// any widget sees it. Windows that are not forms (message boxes, the open
// dialog, the popup menu) keep Qt's own handling.
//
// Keys: the translated virtual key goes to input::KeyDown / KeyUp and the
// event ends there, except what a focused edit types itself (printable
// characters, Backspace, arrows, input methods) and the Ctrl combinations
// that no menu item claims (clipboard, undo, word moves), which the edit
// also gets. Mouse: presses and releases go to input::MouseDown / MouseUp;
// an edit also gets them to place its cursor. Enter and leave go to
// input::MouseEnter / MouseLeave, also while the left button is held and
// the pointer crosses the pressed control's edge. The context-menu gesture
// opens the form's popup menu when the model lets it (the Menu key and
// Shift+F10 too). Qt's own focus changes are put back to the model's focus.
// Files dragged from a file manager go to input::DropFiles, anywhere on a
// form; dragged text is refused, also by the edits. Leaves out arrow keys
// between controls: the model has no names for them.
#pragma once

#include <QObject>
#include <vector>

class QDropEvent;
class QKeyEvent;
class QMouseEvent;
class QWidget;
class QtBackend;
class TControl;
class TForm;

class InputFilter : public QObject {
 public:
  explicit InputFilter(QtBackend& backend) : backend_(backend) {}

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  bool Key(QWidget& w, TForm& form, QKeyEvent& e);
  bool MousePress(QWidget& w, QMouseEvent& e);
  bool MouseRelease(QWidget& w, QMouseEvent& e);
  void MouseMove(QWidget& w, QMouseEvent& e);
  void Drag(TForm& form, QDropEvent& e);
  void Hover(TControl& c, bool inside);
  void SyncFocusLater(TForm& form);

  QtBackend& backend_;
  QWidget* pressed_ = nullptr;  // where the left button went down
  bool pressedInside_ = false;
  std::vector<TControl*> hovered_;
};
