// The view of a TEdit: a QLineEdit that shows the model's bytes and hands
// back only what the user edits.
//
// Typing, pasting (keys, middle button) and input-method commits are the
// QLineEdit's own; what they insert is cut, as typing is, to the characters
// that fit whole within the TEdit's MaxLength, counting the bytes that stay
// around it, and ends before the first character code page 932 cannot
// represent. A text the program set that is already longer than MaxLength
// may still be shortened. Dropped text is refused: the platform's edits
// take none. Each accepted change reaches the model as input::EditChanged.
#pragma once

#include <QLineEdit>

class TEdit;

class EditWidget : public QLineEdit {
 public:
  EditWidget(TEdit& edit, QWidget* parent);
  TEdit& Edit() const { return edit_; }
  // Shows the model's text unless the widget already shows those bytes, so
  // the cursor stays where the user left it.
  void ShowModelText();

 private:
  void UserEdited(const QString& text);
  TEdit& edit_;
};
