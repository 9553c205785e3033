#include "platform/qt/qt_backend.h"

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QElapsedTimer>
#include <QWindow>
#include <QEventLoop>
#include <QScreen>

#include "platform/qt/convert.h"
#include "platform/qt/edit_widget.h"
#include "platform/qt/form_window.h"
#include "platform/qt/frame_probe.h"
#include "platform/qt/input_filter.h"
#include "platform/qt/mirror.h"
#include "platform/qt/popup_menu.h"
#include "platform/ui/forms.h"

QtBackend::QtBackend() : filter_(new InputFilter(*this)), popup_(new PopupMenuView) {
  qApp->installEventFilter(filter_);
}

QtBackend::~QtBackend() {
  // Widgets going away send events; none of them may reach the model,
  // whose components may be gone by now.
  qApp->removeEventFilter(filter_);
  widgets_.clear();
  controls_.clear();
  // A dialog's window is its owner's child and was made after it: going
  // backwards deletes each window once.
  for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) delete *it;
  delete popup_;
  delete filter_;
}

TForm* QtBackend::FormOf(const QWidget* window) const {
  for (FormWindow* w : windows_)
    if (w == window) return &w->Form();
  return nullptr;
}

TControl* QtBackend::ControlAt(const QWidget* w) const {
  for (; w; w = w->parentWidget()) {
    if (auto it = controls_.find(w); it != controls_.end()) return it->second;
    if (w->isWindow()) break;
  }
  return nullptr;
}

QWidget* QtBackend::WidgetOf(const TComponent& c) const {
  auto it = widgets_.find(&c);
  return it == widgets_.end() ? nullptr : it->second;
}

void QtBackend::Mirror(TWinControl& parent, QWidget& parentWidget) {
  // The class library paints labels on their container, under every
  // windowed control: create them first so that they stay below.
  for (bool windowed : {false, true}) {
    for (TControl* c : parent.Controls()) {
      if (c->IsWinControl() != windowed) continue;
      QWidget* w = CreateWidget(*c, &parentWidget);
      if (!w) continue;
      widgets_[c] = w;
      controls_[w] = c;
      ApplyAll(*c, *w);
      if (windowed) Mirror(static_cast<TWinControl&>(*c), *w);
    }
  }
}

void QtBackend::ShowForm(TForm& f) {
  auto* window = static_cast<FormWindow*>(WidgetOf(f));
  if (!window) {
    TForm* main = Application ? Application->MainForm() : nullptr;
    QWidget* owner = main && main != &f ? WidgetOf(*main) : nullptr;
    window = new FormWindow(f, owner);
    windows_.push_back(window);
    widgets_[&f] = window;
    controls_[window] = &f;
    Mirror(f, *window);
    for (Change what : {Change::Text, Change::Look, Change::Bounds}) FormChanged(f, what);
  }
  const FrameExtents assumed = Frame(f);
  window->setWindowModality(f.Modal() ? Qt::WindowModal : Qt::NonModal);
  window->move(f.Left(), f.Top());
  window->show();
  window->raise();
  window->activateWindow();
  // A window manager that does not answer the frame request (twm) shows
  // its frame only around the mapped window: measure it there, and let the
  // form place itself again before the user's input is let through.
  WaitUntilMapped(*window);
  const FrameExtents real = Frame(f);
  probedFrames_[&f] = real;
  if (real.left != assumed.left || real.top != assumed.top || real.right != assumed.right ||
      real.bottom != assumed.bottom)
    f.FrameMeasured();
}

void QtBackend::WaitUntilMapped(QWidget& window) {
  const QWindow* handle = window.windowHandle();
  QElapsedTimer waited;
  waited.start();
  while (handle && !handle->isExposed() && waited.elapsed() < kMapTimeoutMs)
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
  // The frame window's geometry arrives with the events that follow.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtBackend::HideForm(TForm& f) {
  if (QWidget* w = WidgetOf(f)) w->hide();
  if (TForm* next = Application ? Application->ActiveForm() : nullptr; next && next != &f)
    Reactivate(WidgetOf(*next));
}

void QtBackend::Reactivate(QWidget* window) {
  // Without a window manager nobody hands the keyboard back to the window
  // under a closed box.
  if (window && window->isVisible() && !quitting_) window->activateWindow();
}

void QtBackend::Changed(TComponent& c, Change what) {
  if (what == Change::Menu) {
    popup_->Refresh();
    return;
  }
  if (auto* form = dynamic_cast<TForm*>(&c)) {
    FormChanged(*form, what);
    return;
  }
  auto* control = dynamic_cast<TControl*>(&c);
  QWidget* w = WidgetOf(c);
  if (!control || !w) return;
  Apply(*control, *w, what);
  if (what == Change::Look && control->IsWinControl())
    LookChangedBelow(static_cast<TWinControl&>(*control));
}

void QtBackend::LookChangedBelow(TWinControl& parent) {
  for (TControl* c : parent.Controls()) {
    if (QWidget* w = WidgetOf(*c)) Apply(*c, *w, Change::Look);
    if (c->IsWinControl()) LookChangedBelow(static_cast<TWinControl&>(*c));
  }
}

void QtBackend::FormChanged(TForm& f, Change what) {
  if (what == Change::Shown) {
    for (auto& [form, loop] : modalLoops_)
      if (form == &f && !f.Modal()) loop->exit();
    if (Application && &f == Application->MainForm() && Application->Terminated())
      QCoreApplication::exit(0);
    return;
  }
  auto* window = static_cast<FormWindow*>(WidgetOf(f));
  if (!window) return;
  switch (what) {
    case Change::Text: window->setWindowTitle(ToQString(f.Caption())); break;
    case Change::Bounds:
      window->setFixedSize(f.ClientWidth(), f.ClientHeight());
      if (window->pos() != QPoint(f.Left(), f.Top())) window->move(f.Left(), f.Top());
      break;
    case Change::Look: {
      QPalette pal = window->palette();
      pal.setColor(QPalette::Window, ToQColor(f.Color()));
      window->setPalette(pal);
      window->setFont(ToQFont(f.Font()));
      LookChangedBelow(f);
      break;
    }
    case Change::Enabled: window->setEnabled(f.Enabled()); break;
    case Change::Focus: {
      SyncFocus(f);
      // An edit that gains the focus other than by a click selects all, as
      // the class library's AutoSelect does.
      TWinControl* active = f.ActiveControl();
      auto* edit = active ? dynamic_cast<EditWidget*>(WidgetOf(*active)) : nullptr;
      if (edit && focusReason_ != Qt::MouseFocusReason) edit->selectAll();
      break;
    }
    default: break;
  }
}

void QtBackend::SyncFocus(TForm& f) {
  QWidget* window = WidgetOf(f);
  if (!window) return;
  QWidget* target = f.ActiveControl() ? WidgetOf(*f.ActiveControl()) : nullptr;
  QWidget* current = window->focusWidget();
  if (!target || !target->isEnabled()) {
    // No control has the focus: keys go to the window itself.
    if (current && current != window) current->clearFocus();
    return;
  }
  if (current != target) target->setFocus(focusReason_);
}

void QtBackend::ShowPopup(TForm& f, const QPoint& globalPos) {
  popup_->Show(f, globalPos, WidgetOf(f));
}

void QtBackend::RunMainLoop(TForm&) {
  while (Application && !Application->Terminated() && !quitting_) QApplication::exec();
}

void QtBackend::RunModal(TForm& f) {
  QEventLoop loop;
  modalLoops_.emplace_back(&f, &loop);
  while (f.Modal() && !quitting_ && !Application->Terminated())
    loop.exec(QEventLoop::DialogExec);
  modalLoops_.pop_back();
}

void QtBackend::Quit() {
  quitting_ = true;
  if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible()) d->reject();
  QCoreApplication::exit(0);
}

FrameExtents QtBackend::Frame(const TForm& f) {
  QWidget* w = WidgetOf(f);
  if (!w || !w->isVisible()) {
    auto it = probedFrames_.find(&f);
    if (it == probedFrames_.end())
      it = probedFrames_.emplace(&f, ProbeFrame(FormWindowFlags(f), f.ClientWidth(), f.ClientHeight())).first;
    return it->second;
  }
  const QRect outer = w->frameGeometry();
  const QRect inner = w->geometry();
  return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
          outer.bottom() - inner.bottom()};
}

int QtBackend::ScreenWidth() { return QGuiApplication::primaryScreen()->geometry().width(); }
int QtBackend::ScreenHeight() { return QGuiApplication::primaryScreen()->geometry().height(); }

void QtBackend::SetCursorPos(int x, int y) { QCursor::setPos(x, y); }

void QtBackend::CursorPos(int& x, int& y) {
  const QPoint p = QCursor::pos();
  x = p.x();
  y = p.y();
}

bool QtBackend::LeftButtonDown() {
  return QGuiApplication::mouseButtons().testFlag(Qt::LeftButton);
}

void QtBackend::ReleaseCapture() {
  if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
}
