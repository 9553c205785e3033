#include "app/program.h"

#include "platform/ui/backend.h"
#include "platform/ui/forms.h"

Pic2Header Header;
SYSTEMTIME FileStamp;

namespace {

// The application object's box; straight through the backend where no
// application object exists (a unit test of a work routine).
int Box(const std::string& text, const std::string& caption, unsigned flags) {
  if (Application) return Application->MessageBox(text, caption, flags);
  return CurrentBackend().MessageBox(text, caption, flags);
}

}  // namespace

void ErrorBox(const std::string& text) { Box(text, "Error!", MB_OK | MB_ICONINFORMATION); }

bool ConfirmBox(const std::string& text, const std::string& caption) {
  return Box(text, caption, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}
