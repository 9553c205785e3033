// What a backend supplies to the widget model: everything that needs a
// screen. The model calls it; the backend feeds input back into the model
// through TApplication/TForm (see input.h).
//
// Two backends exist: headless (scripted boxes and dialogs, for the driver
// and the tests) and Qt (the real window). Modal showing is synchronous in
// both: MessageBox returns the button pressed, RunModal returns only when
// the form has closed.
#pragma once

#include <optional>
#include <string>

#include "platform/ui/controls.h"

class TForm;
class TOpenDialog;

struct FrameExtents {
  int left = 0, top = 0, right = 0, bottom = 0;
};

class Backend {
 public:
  virtual ~Backend() = default;

  // A model property changed; the view follows.
  virtual void Changed(TComponent& c, Change what) = 0;
  // The frame around a form's client area (title bar included in top).
  virtual FrameExtents Frame(const TForm& f) = 0;
  virtual int ScreenWidth() = 0;
  virtual int ScreenHeight() = 0;

  virtual void ShowForm(TForm& f) = 0;
  virtual void HideForm(TForm& f) = 0;
  // Runs the message loop until the main form has closed.
  virtual void RunMainLoop(TForm& main) = 0;
  // Runs a nested loop until `f` is no longer modal.
  virtual void RunModal(TForm& f) = 0;

  virtual int MessageBox(const std::string& text, const std::string& caption,
                         unsigned flags) = 0;
  // Shows the open dialog; on a choice sets its FileName and returns true.
  virtual bool ExecuteOpenDialog(TOpenDialog& d) = 0;

  virtual void SetCursorPos(int x, int y) = 0;
  virtual void CursorPos(int& x, int& y) = 0;
  virtual bool LeftButtonDown() = 0;
  virtual void ReleaseCapture() = 0;
};

// The backend in use; a headless one until another is installed.
Backend& CurrentBackend();
void InstallBackend(Backend* b);
