// The top-level window of a TForm: a fixed client size, the form's colour,
// and the title-bar buttons its border style asks for. A single-border form
// has a title bar with minimise (when the form has it) and close; a dialog
// without a system menu has a title bar and no buttons at all.
//
// The close box and moves the user makes go to the model (input::CloseBox,
// input::Move); the window itself never closes: the model hides it.
#pragma once

#include <QWidget>

class TForm;

// The window flags a form's window gets from its border style.
Qt::WindowFlags FormWindowFlags(const TForm& f);

class FormWindow : public QWidget {
 public:
  // `owner` is the window a dialog belongs to, null for the main form.
  FormWindow(TForm& form, QWidget* owner);
  TForm& Form() const { return form_; }

 protected:
  void closeEvent(QCloseEvent* e) override;
  void moveEvent(QMoveEvent* e) override;

 private:
  TForm& form_;
};
