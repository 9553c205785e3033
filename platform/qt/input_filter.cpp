#include "platform/qt/input_filter.h"

#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "platform/qt/convert.h"
#include "platform/qt/edit_widget.h"
#include "platform/qt/qt_backend.h"
#include "platform/ui/forms.h"
#include "platform/ui/input.h"

namespace {

std::optional<TMouseButton> ButtonOf(Qt::MouseButton b) {
  switch (b) {
    case Qt::LeftButton: return TMouseButton::mbLeft;
    case Qt::RightButton: return TMouseButton::mbRight;
    case Qt::MiddleButton: return TMouseButton::mbMiddle;
    default: return std::nullopt;
  }
}

bool IsMenuShortCut(const TForm& form, WORD vk, TShiftState shift) {
  return vk != 0 && form.PopupMenu() && form.PopupMenu()->FindShortCut(ShortCut(vk, shift));
}

// Keys an edit handles as typing: everything the model has no name for
// (arrows, Backspace, punctuation, input-method keys), letters, digits
// and Space.
bool IsTypingKey(WORD vk) {
  return vk == 0 || vk == VK_SPACE || (vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z');
}

// The keyboard's context-menu gesture: the Menu key, or Shift+F10.
bool IsMenuGesture(const QKeyEvent& e) {
  return e.key() == Qt::Key_Menu ||
         (e.key() == Qt::Key_F10 && (e.modifiers() & ~Qt::KeypadModifier) == Qt::ShiftModifier);
}

// The dragged files' names in the system's form; nothing unless the data
// is local files only.
std::optional<std::vector<std::string>> LocalFiles(const QMimeData* data) {
  if (!data || !data->hasUrls() || data->urls().isEmpty()) return std::nullopt;
  std::vector<std::string> names;
  for (const QUrl& url : data->urls()) {
    if (!url.isLocalFile()) return std::nullopt;
    names.push_back(QFile::encodeName(url.toLocalFile()).toStdString());
  }
  return names;
}

bool PointerStillOver(const QWidget& w) {
  return w.isVisible() && w.rect().contains(w.mapFromGlobal(QCursor::pos()));
}

}  // namespace

bool InputFilter::eventFilter(QObject* o, QEvent* e) {
  auto* w = qobject_cast<QWidget*>(o);
  if (!w) return false;
  TForm* form = backend_.FormOf(w->window());
  if (!form) return false;
  switch (e->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: return Key(*w, *form, static_cast<QKeyEvent&>(*e));
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: return MousePress(*w, static_cast<QMouseEvent&>(*e));
    case QEvent::MouseButtonRelease: return MouseRelease(*w, static_cast<QMouseEvent&>(*e));
    case QEvent::MouseMove: MouseMove(*w, static_cast<QMouseEvent&>(*e)); return false;
    case QEvent::Enter:
    case QEvent::Leave:
      // A modal box taking the input sends a leave while the pointer stays:
      // a bevel button stays sunk through everything its click does, a box
      // included.
      if (e->type() == QEvent::Leave && PointerStillOver(*w)) return false;
      if (TControl* c = backend_.ControlAt(w); c && backend_.WidgetOf(*c) == w)
        Hover(*c, e->type() == QEvent::Enter);
      return false;
    case QEvent::ContextMenu:
      if (input::PopupCanOpen(*form))
        backend_.ShowPopup(*form, static_cast<QContextMenuEvent&>(*e).globalPos());
      return true;
    case QEvent::FocusIn:
    case QEvent::WindowActivate: SyncFocusLater(*form); return false;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: Drag(*form, static_cast<QDropEvent&>(*e)); return true;
    default: return false;
  }
}

bool InputFilter::Key(QWidget& w, TForm& form, QKeyEvent& e) {
  // The window's own focus widget: a key may arrive before Qt has taken
  // the window for the active one.
  QWidget* focus = w.window()->focusWidget();
  // A key the focused widget ignored travels on to its containers: the
  // model has had it already.
  if (focus ? &w != focus : !w.isWindow()) return true;
  const WORD vk = VirtualKeyOf(e);
  const TShiftState shift = ShiftOf(e.modifiers());
  if (e.type() == QEvent::KeyPress && IsMenuGesture(e)) {
    // Shift+F10 is a key the model may take first; the Menu key is not.
    if (vk != 0) input::KeyDown(vk, shift);
    if (input::PopupCanOpen(form)) {
      const QWidget& at = focus ? *focus : w;
      backend_.ShowPopup(form, at.mapToGlobal(at.rect().center()));
    }
    return true;
  }
  TWinControl* active = form.ActiveControl();
  const bool edit = active && focus && backend_.WidgetOf(*active) == focus &&
                    dynamic_cast<EditWidget*>(focus);
  if (edit && !shift.Ctrl && !shift.Alt && IsTypingKey(vk)) return false;
  if (vk != 0) {
    if (e.type() == QEvent::KeyPress)
      input::KeyDown(vk, shift);
    else
      input::KeyUp(vk, shift);
  }
  return !(edit && shift.Ctrl && !shift.Alt && !IsMenuShortCut(form, vk, shift));
}

bool InputFilter::MousePress(QWidget& w, QMouseEvent& e) {
  TControl* c = backend_.ControlAt(&w);
  const std::optional<TMouseButton> button = ButtonOf(e.button());
  if (!c || !button) return true;
  backend_.SetFocusReason(Qt::MouseFocusReason);
  const bool usable = input::MouseDown(*c, *button);
  backend_.SetFocusReason(Qt::TabFocusReason);
  if (*button == TMouseButton::mbLeft && usable) {
    pressed_ = &w;
    pressedInside_ = true;
    if (auto* b = qobject_cast<QPushButton*>(&w)) b->setDown(true);
  }
  return !(usable && dynamic_cast<EditWidget*>(&w));
}

bool InputFilter::MouseRelease(QWidget& w, QMouseEvent& e) {
  TControl* c = backend_.ControlAt(&w);
  const std::optional<TMouseButton> button = ButtonOf(e.button());
  if (!c || !button) return true;
  if (*button == TMouseButton::mbLeft && pressed_ == &w) {
    pressed_ = nullptr;
    if (auto* b = qobject_cast<QPushButton*>(&w)) b->setDown(false);
  }
  const bool usable = input::MouseUp(*c, *button, w.rect().contains(e.position().toPoint()));
  return !(usable && dynamic_cast<EditWidget*>(&w));
}

void InputFilter::MouseMove(QWidget& w, QMouseEvent& e) {
  // Qt sends no enter or leave while a button is held; the model wants
  // them (a pressed bevel button pops up when the pointer leaves it).
  if (pressed_ != &w || !e.buttons().testFlag(Qt::LeftButton)) return;
  const bool inside = w.rect().contains(e.position().toPoint());
  if (inside == pressedInside_) return;
  pressedInside_ = inside;
  if (TControl* c = backend_.ControlAt(&w)) Hover(*c, inside);
  if (auto* b = qobject_cast<QPushButton*>(&w)) b->setDown(inside);
}

// A drag over a form: files are offered to the model, which decides what a
// drop does; text is refused everywhere, so an edit never takes it.
void InputFilter::Drag(TForm& form, QDropEvent& e) {
  const std::optional<std::vector<std::string>> names = LocalFiles(e.mimeData());
  if (!names) {
    e.ignore();
    return;
  }
  if (e.type() != QEvent::Drop) {
    e.acceptProposedAction();
    return;
  }
  e.acceptProposedAction();
  input::DropFiles(form, *names);
}

void InputFilter::Hover(TControl& c, bool inside) {
  const auto it = std::find(hovered_.begin(), hovered_.end(), &c);
  if (inside == (it != hovered_.end())) return;
  if (inside) {
    hovered_.push_back(&c);
    input::MouseEnter(c);
  } else {
    hovered_.erase(it);
    input::MouseLeave(c);
  }
}

void InputFilter::SyncFocusLater(TForm& form) {
  QMetaObject::invokeMethod(this, [this, &form] { backend_.SyncFocus(form); }, Qt::QueuedConnection);
}
