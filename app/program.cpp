#include "app/program.h"

#include "platform/text/cp932.h"
#include "platform/ui/forms.h"

Pic2Header Header;
SYSTEMTIME FileStamp;
std::string LastFolder;
bool Proceed = false;

std::string Sj(const char* utf8) { return cp932::FromUtf8(utf8); }

void ErrorBox(const std::string& text) {
  Application->MessageBox(text, "Error!", MB_OK | MB_ICONINFORMATION);
}

bool ConfirmBox(const std::string& text, const std::string& caption) {
  return Application->MessageBox(text, caption, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) ==
         IDYES;
}
