// The view of a TEdit: a QLineEdit that shows the model's bytes and hands
// back only what the user edits.
//
// Typing, pasting and input methods are the QLineEdit's own; an edit that
// would hold a character code page 932 cannot represent, or more bytes than
// the TEdit's MaxLength, is refused whole, and the previous text stays. A
// text the program set that is already longer than MaxLength may still be
// shortened. Each accepted change reaches the model as input::EditChanged.
// Leaves out cutting a paste down to what fits: a paste too long for
// MaxLength is refused whole.
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
