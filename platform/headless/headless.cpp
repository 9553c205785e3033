#include "platform/headless/headless.h"

#include "platform/ui/dialogs.h"
#include "platform/ui/forms.h"

void HeadlessBackend::RunMainLoop(TForm& main) {
  if (onRunLoop) onRunLoop(main);
}

void HeadlessBackend::RunModal(TForm& f) {
  if (onRunLoop) onRunLoop(f);
  if (f.Modal()) f.Close();
}

int DefaultAnswer(unsigned flags) {
  if ((flags & 0xF) == MB_YESNO) return (flags & MB_DEFBUTTON2) ? IDNO : IDYES;
  return IDOK;
}

int HeadlessBackend::MessageBox(const std::string& text, const std::string& caption,
                                unsigned flags) {
  if (onMessageBox) return onMessageBox(text, caption, flags);
  return DefaultAnswer(flags);
}

bool HeadlessBackend::ExecuteOpenDialog(TOpenDialog& d) {
  if (!onOpenDialog) return false;
  const std::optional<Choice> choice = onOpenDialog(d.InitialDir());
  if (!choice) return false;
  d.SetChosen(choice->name, choice->systemForm);
  return true;
}

void HeadlessBackend::SetCursorPos(int x, int y) {
  cursorX = x;
  cursorY = y;
  if (onCursorMoved) onCursorMoved(x, y);
}
