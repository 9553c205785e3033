// The real backend: a Qt 6 Widgets view of the widget model.
//
// Each shown form gets a FormWindow and each of its controls one widget
// (mirror.h), created on the form's first showing and kept in step with the
// model through Changed. Input never acts on a widget directly: the input
// filter turns it into model input (input.h), and the model's changes come
// back here. Modal showing is a nested event loop; message boxes and the
// open dialog are Qt's own modal dialogs.
//
// Assumes one QApplication that outlives the backend, and that the model's
// components outlive their widgets (the windows go with the backend, after
// the program's entry has returned). A window not shown has the frame the
// window manager says it will give (frame_probe.h), asked once per form;
// a shown one has its real frame. Showing a form waits (at most a second,
// without user input) until its window is mapped, and reports a frame that
// differs from the one assumed to the form (TForm::FrameMeasured).
#pragma once

#include <QPoint>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/ui/backend.h"

class FormWindow;
class InputFilter;
class PopupMenuView;
class QEventLoop;
class QWidget;
class TWinControl;

class QtBackend : public Backend {
 public:
  QtBackend();
  ~QtBackend() override;

  void Changed(TComponent& c, Change what) override;
  FrameExtents Frame(const TForm& f) override;
  int ScreenWidth() override;
  int ScreenHeight() override;
  void ShowForm(TForm& f) override;
  void HideForm(TForm& f) override;
  void RunMainLoop(TForm& main) override;
  void RunModal(TForm& f) override;
  int MessageBox(const std::string& text, const std::string& caption, unsigned flags) override;
  bool ExecuteOpenDialog(TOpenDialog& d) override;
  void SetCursorPos(int x, int y) override;
  void CursorPos(int& x, int& y) override;
  bool LeftButtonDown() override;
  void ReleaseCapture() override;

  // The form whose window is `window`, or null.
  TForm* FormOf(const QWidget* window) const;
  // The control mirrored by `w` or by its nearest mirrored ancestor.
  TControl* ControlAt(const QWidget* w) const;
  QWidget* WidgetOf(const TComponent& c) const;
  // Gives the Qt focus to the form's active control (or the window) when
  // Qt has it elsewhere; `reason` tells an edit whether to select all.
  void SyncFocus(TForm& f);
  // The reason SyncFocus gives while the input filter hands a click on.
  void SetFocusReason(Qt::FocusReason r) { focusReason_ = r; }
  void ShowPopup(TForm& f, const QPoint& globalPos);
  // Leaves every loop: open boxes are dismissed, later ones get their
  // default answer, and the main loop ends.
  void Quit();

 private:
  void Mirror(TWinControl& parent, QWidget& parentWidget);
  void FormChanged(TForm& f, Change what);
  // Gives the keyboard back to `window` after a modal box over it closed.
  void Reactivate(QWidget* window);
  void LookChangedBelow(TWinControl& parent);
  static void WaitUntilMapped(QWidget& window);
  static constexpr int kMapTimeoutMs = 1000;

  std::unordered_map<const TComponent*, QWidget*> widgets_;
  std::unordered_map<const QWidget*, TControl*> controls_;
  std::vector<FormWindow*> windows_;
  std::unordered_map<const TForm*, FrameExtents> probedFrames_;
  std::vector<std::pair<TForm*, QEventLoop*>> modalLoops_;
  InputFilter* filter_;
  PopupMenuView* popup_;
  bool quitting_ = false;
  Qt::FocusReason focusReason_ = Qt::TabFocusReason;
};
