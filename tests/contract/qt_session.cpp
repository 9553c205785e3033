#include "tests/contract/qt_session.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QUrl>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>
#include <QtTest/qtestspontaneevent.h>

#include "app/main_window.h"
#include "platform/qt/convert.h"
#include "platform/qt/qt_backend.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/input.h"
#include "tests/contract/headless_session.h"
#include "tools/drive/keys.h"

namespace contract {

// The Qt backend with the session's ears: what the program shows goes into
// the state, and a modal showing plays the next steps inside its loop.
class ContractBackend : public QtBackend {
 public:
  explicit ContractBackend(QtSession& s) : s_(s) {}

  int MessageBox(const std::string& text, const std::string& caption, unsigned flags) override {
    s_.boxGesture_ = "enter";
    if (!s_.answers_.empty()) {
      s_.boxGesture_ = s_.answers_.front();
      s_.answers_.pop_front();
    }
    s_.boxAnswered_ = false;
    const int answer = QtBackend::MessageBox(text, caption, flags);
    s_.Event(BoxEvent(text, caption, flags, answer));
    return answer;
  }

  bool ExecuteOpenDialog(TOpenDialog& d) override {
    s_.choice_ = std::optional<Session::Choice>();
    if (!s_.choices_.empty()) {
      s_.choice_ = s_.choices_.front();
      s_.choices_.pop_front();
    }
    s_.choiceSubmitted_ = false;
    const std::string dir = d.InitialDir();
    const bool chosen = QtBackend::ExecuteOpenDialog(d);
    s_.choice_.reset();
    s_.Event("opendialog " + drive::Quote(dir) + " -> " + (chosen ? "chosen" : "cancel"));
    return chosen;
  }

  void SetCursorPos(int x, int y) override {
    s_.PointerMoved(x, y);
    QtBackend::SetCursorPos(x, y);
  }

  void RunModal(TForm& f) override {
    QTimer::singleShot(0, qApp, [this, &f] { s_.Pump(&f); });
    QtBackend::RunModal(f);
  }

 private:
  QtSession& s_;
};

namespace {

Qt::Key QtKeyOf(const drive::KeyStroke& k) {
  if (k.key >= 'A' && k.key <= 'Z') return static_cast<Qt::Key>(Qt::Key_A + (k.key - 'A'));
  if (k.key >= '0' && k.key <= '9') return static_cast<Qt::Key>(Qt::Key_0 + (k.key - '0'));
  if (k.key >= VK_F1 && k.key <= VK_F12) return static_cast<Qt::Key>(Qt::Key_F1 + (k.key - VK_F1));
  switch (k.key) {
    case VK_RETURN: return Qt::Key_Return;
    case VK_ESCAPE: return Qt::Key_Escape;
    case VK_SPACE: return Qt::Key_Space;
    case VK_TAB: return k.shift.Shift ? Qt::Key_Backtab : Qt::Key_Tab;
    default: return Qt::Key_unknown;
  }
}

Qt::KeyboardModifiers QtModifiersOf(const TShiftState& s) {
  Qt::KeyboardModifiers m;
  if (s.Shift) m |= Qt::ShiftModifier;
  if (s.Ctrl) m |= Qt::ControlModifier;
  if (s.Alt) m |= Qt::AltModifier;
  return m;
}

// The text a key types, as the X server gives it.
QString TextOf(const drive::KeyStroke& k) {
  if (k.shift.Ctrl || k.shift.Alt) return {};
  if (k.key >= 'A' && k.key <= 'Z')
    return QString(QChar(k.shift.Shift ? k.key : k.key + ('a' - 'A')));
  if ((k.key >= '0' && k.key <= '9') || k.key == VK_SPACE) return QString(QChar(k.key));
  if (k.key == VK_RETURN) return QStringLiteral("\r");
  if (k.key == VK_ESCAPE) return QStringLiteral("\x1b");
  if (k.key == VK_TAB && !k.shift.Shift) return QStringLiteral("\t");
  return {};
}

void SendKey(QWidget* w, Qt::Key key, Qt::KeyboardModifiers mods, const QString& text) {
  QTest::sendKeyEvent(QTest::Press, w, key, text, mods);
  QTest::sendKeyEvent(QTest::Release, w, key, text, mods);
}

QWidget* FocusIn(QWidget& window) {
  QWidget* f = window.focusWidget();
  return f && f->isVisible() ? f : &window;
}

// One typed character: letters, digits and space with their key codes, the
// rest as text alone, as an input method or a keyboard map delivers it.
void TypeCharacter(QWidget* w, QChar ch) {
  Qt::Key key = Qt::Key_unknown;
  Qt::KeyboardModifiers mods;
  if (ch >= u'a' && ch <= u'z') key = static_cast<Qt::Key>(Qt::Key_A + (ch.unicode() - u'a'));
  if (ch >= u'A' && ch <= u'Z') {
    key = static_cast<Qt::Key>(Qt::Key_A + (ch.unicode() - u'A'));
    mods = Qt::ShiftModifier;
  }
  if (ch >= u'0' && ch <= u'9') key = static_cast<Qt::Key>(Qt::Key_0 + (ch.unicode() - u'0'));
  if (ch == u' ') key = Qt::Key_Space;
  SendKey(w, key, mods, QString(ch));
}

}  // namespace

QtSession::QtSession() = default;

QtSession::~QtSession() { Finish(); }

void QtSession::Tick() {
  // A fresh timer each time: a timer does not fire again inside its own
  // slot, and acting on one window may run the loop of another.
  QTimer::singleShot(5, responder_, [this] { Tick(); });
  Respond();
}

QWidget* QtSession::WidgetOf(const std::string& name) const {
  TComponent* c = Resolve(name);
  return c && backend_ ? backend_->WidgetOf(*c) : nullptr;
}

void QtSession::Launch() {
  backend_ = std::make_unique<ContractBackend>(*this);
  InstallBackend(backend_.get());
  responder_ = new QObject(qApp);
  Tick();
  app_ = std::make_unique<TApplication>();
  Application->Initialize();
  Application->SetTitle("Vexmorel");
  Application->CreateForm(Fm1);
  Application->Guard([] { Fm1->Show(); });
  if (QWidget* w = backend_->WidgetOf(*Fm1)) {
    w->activateWindow();
    (void)QTest::qWaitForWindowActive(w, 2000);
  }
  QCoreApplication::processEvents();
}

void QtSession::Finish() {
  if (!backend_) return;
  app_.reset();
  InstallBackend(nullptr);
  backend_.reset();
  delete responder_;
  responder_ = nullptr;
  // A closed main window asks the application to quit, which no loop took
  // here: run one to clear that request, or every later modal loop would
  // end at once.
  QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
  QCoreApplication::exec();
}

bool QtSession::Key(const std::string& keys) {
  const std::optional<drive::KeyStroke> k = drive::ParseKey(keys);
  if (!k || !Application || !Application->ActiveForm()) return false;
  QWidget* window = backend_->WidgetOf(*Application->ActiveForm());
  if (!window) return false;
  SendKey(FocusIn(*window), QtKeyOf(*k), QtModifiersOf(k->shift), TextOf(*k));
  return true;
}

bool QtSession::Insert(const Tokens& t) {
  QWidget* w = WidgetOf(t[1].text);
  auto* edit = qobject_cast<QLineEdit*>(w);
  if (!edit) return true;
  QTest::mouseClick(edit, Qt::LeftButton, {}, edit->rect().center());
  if (QApplication::focusWidget() != edit && edit->window()->focusWidget() != edit) return true;
  const QString text = ToQString(t[2].text);
  const std::string& cmd = t[0].text;
  if (cmd == "type") {
    SendKey(edit, Qt::Key_A, Qt::ControlModifier, {});
    for (QChar ch : text) TypeCharacter(edit, ch);
    return true;
  }
  SendKey(edit, Qt::Key_End, {}, {});
  if (cmd == "paste") {
    QGuiApplication::clipboard()->setText(text);
    SendKey(edit, Qt::Key_V, Qt::ControlModifier, {});
  } else {
    QInputMethodEvent preedit(text, {});
    QApplication::sendEvent(edit, &preedit);
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(edit, &commit);
  }
  return true;
}

bool QtSession::OpenMenuAndChoose(TMenuItem& item) {
  menuPath_.clear();
  for (const TMenuItem* i = &item; i && i->Parent(); i = i->Parent())
    menuPath_.prepend(ToQString(i->Caption()));
  menusActed_.clear();
  TForm* form = Application ? Application->ActiveForm() : nullptr;
  QWidget* window = form ? backend_->WidgetOf(*form) : nullptr;
  if (!window) return true;
  // The context-menu gesture over the middle of the window.
  const QPoint local(window->width() / 2, window->height() / 2);
  lastPopupPoint_ = window->mapToGlobal(local);
  QContextMenuEvent gesture(QContextMenuEvent::Mouse, local, lastPopupPoint_);
  QSpontaneKeyEvent::setSpontaneous(&gesture);
  QApplication::sendEvent(window, &gesture);
  menuPath_.clear();
  return true;
}

bool QtSession::Act(const Tokens& t) {
  const std::string& cmd = t[0].text;
  if (cmd == "key" && t.size() == 2) return Key(t[1].text);
  const std::size_t at = cmd == "mouse" ? 2 : 1;
  if (t.size() <= at) return false;
  TComponent* target = Resolve(t[at].text);
  if (auto* item = dynamic_cast<TMenuItem*>(target); item && cmd == "click")
    return OpenMenuAndChoose(*item);
  if ((cmd == "type" || cmd == "paste" || cmd == "commit") && t.size() == 3) return Insert(t);
  QWidget* w = target ? backend_->WidgetOf(*target) : nullptr;
  const bool form = dynamic_cast<TForm*>(target) != nullptr;
  if (cmd == "click") {
    if (w && !form) QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
    return true;
  }
  if ((cmd == "drop" && t.size() == 3) || (cmd == "dropfiles" && t.size() >= 3)) {
    if (!w) return true;
    // Delivered as the window delivers a drag: to the first widget from the
    // one under the pointer up that takes drops.
    QWidget* taker = w;
    while (taker && !taker->acceptDrops() && !taker->isWindow()) taker = taker->parentWidget();
    if (!taker || !taker->acceptDrops()) return true;
    QMimeData data;
    if (cmd == "drop") {
      data.setText(ToQString(t[2].text));
    } else {
      // As a file manager offers files: their URLs, and their paths as text.
      QList<QUrl> urls;
      for (std::size_t i = 2; i < t.size(); ++i)
        urls.push_back(QUrl::fromLocalFile(QFile::decodeName(QByteArray::fromStdString(t[i].raw))));
      data.setUrls(urls);
    }
    const QPoint at = w->mapTo(taker, w->rect().center());
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(taker, &enter);
    QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(taker, &move);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(taker, &drop);
    return true;
  }
  if (cmd == "focus") {
    // Only an edit takes the focus from a click without clicking.
    if (!qobject_cast<QLineEdit*>(w)) return false;
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
    return true;
  }
  if (cmd == "mouse" && t.size() >= 3) {
    if (!w || form) return true;
    const std::string& what = t[1].text;
    if (what == "enter") {
      QTest::mouseMove(w, w->rect().center());
    } else if (what == "leave") {
      QWidget* window = w->window();
      QTest::mouseMove(window, QPoint(1, window->height() - 2));
    } else if (t.size() >= 4) {
      const Qt::MouseButton b = t[3].text == "left" ? Qt::LeftButton : Qt::RightButton;
      if (what == "down") QTest::mousePress(w, b, {}, w->rect().center());
      const bool inside = t.size() < 5 || t[4].text == "inside";
      if (what == "up")
        QTest::mouseRelease(w, b, {},
                            inside ? w->rect().center() : QPoint(w->width() + 10, w->height() + 10));
    }
    QCoreApplication::processEvents();
    return true;
  }
  if (cmd == "close" && form) {
    if (!w) return true;
    QCloseEvent close;
    QSpontaneKeyEvent::setSpontaneous(&close);
    QApplication::sendEvent(w, &close);
    return true;
  }
  return false;
}

void QtSession::Respond() {
  QWidget* popup = QApplication::activePopupWidget();
  QWidget* modal = QApplication::activeModalWidget();
  QWidget* target = qobject_cast<QMenu*>(popup) ? popup : modal;
  // Acting on a window may bring up another (the open dialog's refusal)
  // whose loop runs inside the act: that one is answered, not this again.
  if (!target || std::find(acting_.begin(), acting_.end(), target) != acting_.end()) return;
  acting_.push_back(target);
  if (target == popup)
    ChooseInMenu(*popup);
  else if (!modal->isActiveWindow())
    modal->activateWindow();  // a person answers a box once it has the keyboard
  else if (qobject_cast<QMessageBox*>(modal))
    AnswerBox(*modal);
  else if (qobject_cast<QFileDialog*>(modal))
    AnswerOpenDialog(*modal);
  acting_.pop_back();
}

void QtSession::AnswerBox(QWidget& w) {
  auto& box = static_cast<QMessageBox&>(w);
  // The file dialog's own refusal: acknowledged, and the dialog goes on.
  if (qobject_cast<QFileDialog*>(box.parentWidget())) {
    SendKey(FocusIn(box), Qt::Key_Return, {}, QStringLiteral("\r"));
    return;
  }
  // A button pressed by its access key clicks a moment later, when its
  // pressed look has shown.
  if (boxAnswered_) return;
  boxAnswered_ = true;
  const std::string& g = boxGesture_;
  if (g == "alt+y" || g == "alt+n") {
    SendKey(FocusIn(box), g == "alt+y" ? Qt::Key_Y : Qt::Key_N, Qt::AltModifier, {});
    return;
  }
  if (g == "enter" || g == "space") {
    const bool enter = g == "enter";
    SendKey(FocusIn(box), enter ? Qt::Key_Return : Qt::Key_Space, {},
            enter ? QStringLiteral("\r") : QStringLiteral(" "));
    return;
  }
  const QMessageBox::ButtonRole role = g == "yes"  ? QMessageBox::YesRole
                                       : g == "no" ? QMessageBox::NoRole
                                                   : QMessageBox::AcceptRole;
  for (QAbstractButton* b : box.buttons())
    if (box.buttonRole(b) == role) {
      QTest::mouseClick(b, Qt::LeftButton);
      return;
    }
  // No such button on this box: its default.
  SendKey(FocusIn(box), Qt::Key_Return, {}, QStringLiteral("\r"));
}

void QtSession::AnswerOpenDialog(QWidget& dialog) {
  const bool choose = choice_ && *choice_ && !choiceSubmitted_;
  choiceSubmitted_ = true;
  auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  if (!choose || !name) {
    SendKey(FocusIn(dialog), Qt::Key_Escape, {}, {});
    return;
  }
  name->setFocus();
  const Choice& c = **choice_;
  name->setText(c.system ? QFile::decodeName(QByteArray::fromStdString(c.name)) : ToQString(c.name));
  SendKey(name, Qt::Key_Return, {}, QStringLiteral("\r"));
}

void QtSession::ChooseInMenu(QWidget& w) {
  auto& menu = static_cast<QMenu&>(w);
  if (menusActed_.empty()) lastPopup_ = menu.geometry();
  const std::size_t level = menusActed_.size();
  const bool acted = std::find(menusActed_.begin(), menusActed_.end(), &menu) != menusActed_.end();
  // A submenu opens a moment after its item is chosen: wait for it.
  if (acted && menu.activeAction() && menu.activeAction()->menu() && menuWaits_++ < 200) return;
  if (acted || level >= static_cast<std::size_t>(menuPath_.size())) {
    // Nothing to choose here (a disabled item, or the path is done): close.
    SendKey(&menu, Qt::Key_Escape, {}, {});
    return;
  }
  menusActed_.push_back(&menu);
  menuWaits_ = 0;
  for (QAction* a : menu.actions()) {
    if (a->text().section(QLatin1Char('\t'), 0, 0) != menuPath_[static_cast<qsizetype>(level)]) continue;
    QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(a).center());
    return;
  }
}

}  // namespace contract
