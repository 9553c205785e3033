// The backend without a display. Frames and the screen size are settings;
// message boxes, the open dialog and modal loops are answered by hooks that
// the driver (or a test) installs. Without hooks a box gets its default
// button (No on a yes/no box with MB_DEFBUTTON2, else the first), the open
// dialog is cancelled and a modal loop returns at once after closing.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/ui/backend.h"

class HeadlessBackend : public Backend {
 public:
  FrameExtents frame{3, 26, 3, 3};
  int screenWidth = 1920;
  int screenHeight = 1080;
  int cursorX = 0, cursorY = 0;
  bool leftButton = false;

  std::function<int(const std::string& text, const std::string& caption, unsigned flags)>
      onMessageBox;
  // The dialog's answer: nothing to cancel, else the name and whether it is in
  // the system's form (as a real dialog gives it) or already the window's.
  struct Choice {
    std::string name;
    bool systemForm;
  };
  std::function<std::optional<Choice>(const std::string& initialDir)> onOpenDialog;
  std::function<void(TForm& f)> onRunLoop;  // runs until the form closes
  std::function<void(int x, int y)> onCursorMoved;

  void Changed(TComponent&, Change) override {}
  FrameExtents Frame(const TForm&) override { return frame; }
  int ScreenWidth() override { return screenWidth; }
  int ScreenHeight() override { return screenHeight; }
  void ShowForm(TForm&) override {}
  void HideForm(TForm&) override {}
  void RunMainLoop(TForm& main) override;
  void RunModal(TForm& f) override;
  int MessageBox(const std::string& text, const std::string& caption, unsigned flags) override;
  bool ExecuteOpenDialog(TOpenDialog& d) override;
  void SetCursorPos(int x, int y) override;
  void CursorPos(int& x, int& y) override {
    x = cursorX;
    y = cursorY;
  }
  bool LeftButtonDown() override { return leftButton; }
  void ReleaseCapture() override {}
};

// The default answer of a box with these flags.
int DefaultAnswer(unsigned flags);
