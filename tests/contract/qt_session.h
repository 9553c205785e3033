// The program on the Qt backend, driven as a person would drive it: every
// step is real input to the real widgets (QTest mouse and key events, the
// clipboard, input-method and drag-and-drop events, the context-menu event),
// which the backend's input filter turns into model input. Message boxes,
// the open dialog and the popup menu are answered by a responder that acts
// on them while their modal loops run, with the same queued answers as the
// headless session.
//
// Assumes one QApplication for the process, made with the offscreen
// platform (or xcb), and that no other session runs at the same time.
#pragma once

#include <QPoint>
#include <QRect>
#include <QStringList>
#include <memory>

#include "tests/contract/session.h"

class QObject;
class QWidget;
class TApplication;
class TMenuItem;

namespace contract {

class ContractBackend;

class QtSession : public Session {
 public:
  QtSession();
  ~QtSession() override;
  const char* Name() const override { return "qt"; }

  // Where the popup menu opened last (outer geometry) and the point it was
  // opened at, in screen coordinates.
  QRect LastPopup() const { return lastPopup_; }
  QPoint LastPopupPoint() const { return lastPopupPoint_; }
  // The widget that mirrors a component now, or null.
  QWidget* WidgetOf(const std::string& name) const;

 protected:
  void Launch() override;
  bool Act(const Tokens& t) override;
  void Finish() override;

 private:
  friend class ContractBackend;
  void Tick();
  void Respond();
  void AnswerBox(QWidget& box);
  void AnswerOpenDialog(QWidget& dialog);
  void ChooseInMenu(QWidget& menu);
  bool Key(const std::string& keys);
  bool Insert(const Tokens& t);
  bool OpenMenuAndChoose(TMenuItem& item);

  std::unique_ptr<ContractBackend> backend_;
  std::unique_ptr<TApplication> app_;
  QObject* responder_ = nullptr;  // the context of the responder's timers
  std::vector<QWidget*> acting_;  // the windows the responder is acting on
  // What the responder does with the box or dialog now up.
  std::string boxGesture_;
  bool boxAnswered_ = false;
  std::optional<std::optional<Choice>> choice_;
  bool choiceSubmitted_ = false;
  QStringList menuPath_;
  std::vector<QWidget*> menusActed_;
  int menuWaits_ = 0;
  QRect lastPopup_;
  QPoint lastPopupPoint_;
};

}  // namespace contract
