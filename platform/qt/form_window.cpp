#include "platform/qt/form_window.h"

#include <QCloseEvent>
#include <QMoveEvent>

#include "platform/ui/forms.h"
#include "platform/ui/input.h"

Qt::WindowFlags FormWindowFlags(const TForm& f) {
  Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  flags |= f.BorderStyle() == TBorderStyle::bsDialog ? Qt::Dialog : Qt::Window;
  if (f.HasSystemMenu()) {
    flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (f.HasMinimize() && f.BorderStyle() == TBorderStyle::bsSingle)
      flags |= Qt::WindowMinimizeButtonHint;
  }
  return flags;
}

FormWindow::FormWindow(TForm& form, QWidget* owner) : QWidget(owner, FormWindowFlags(form)), form_(form) {
  setFocusPolicy(Qt::NoFocus);
  setAutoFillBackground(true);
  // Files from a file manager; the input filter decides what a drop does.
  setAcceptDrops(true);
}

void FormWindow::closeEvent(QCloseEvent* e) {
  e->ignore();
  if (e->spontaneous()) input::CloseBox(form_);
}

void FormWindow::moveEvent(QMoveEvent* e) {
  QWidget::moveEvent(e);
  if (!e->spontaneous() || !isVisible()) return;
  const QPoint outer = frameGeometry().topLeft();
  if (outer.x() != form_.Left() || outer.y() != form_.Top()) input::Move(form_, outer.x(), outer.y());
}
