#include "platform/ui/stdctrls.h"

#include "platform/text/cp932.h"

TEdit::TEdit(TComponent* owner) : TWinControl(owner) { SetTabStop(true); }

void TEdit::TypeText(const std::string& text, bool replaceAll) {
  std::string result = replaceAll ? std::string() : Text();
  // A character that does not fit whole is refused, and so is all after it.
  for (std::size_t i = 0; i < text.size();) {
    const bool pair =
        cp932::IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size();
    const std::size_t len = pair ? 2 : 1;
    if (maxLength_ > 0 && result.size() + len > static_cast<std::size_t>(maxLength_)) break;
    result.append(text, i, len);
    i += len;
  }
  SetText(result);
}

TButton::TButton(TComponent* owner) : TWinControl(owner) { SetTabStop(true); }

void TButton::KeyDown(WORD& key, TShiftState shift) {
  TWinControl::KeyDown(key, shift);
  if ((key == VK_SPACE || key == VK_RETURN) && !shift.Ctrl && !shift.Alt) {
    key = 0;
    Click();
  }
}

bool TButton::CMDialogChar(char ch) {
  const char accel = AcceleratorOf(Caption());
  if (accel == 0 || accel != ch || !CanFocus()) return false;
  Click();
  return true;
}
