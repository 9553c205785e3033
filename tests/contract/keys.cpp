#include "tests/contract/keys.h"

#include <cctype>
#include <string>

namespace contract {

std::optional<KeyStroke> ParseKey(std::string_view text) {
  KeyStroke k;
  for (;;) {
    if (text.starts_with("Ctrl+")) {
      k.shift.Ctrl = true;
      text.remove_prefix(5);
    } else if (text.starts_with("Alt+")) {
      k.shift.Alt = true;
      text.remove_prefix(4);
    } else if (text.starts_with("Shift+")) {
      k.shift.Shift = true;
      text.remove_prefix(6);
    } else {
      break;
    }
  }
  if (text == "Enter") k.key = VK_RETURN;
  else if (text == "Escape") k.key = VK_ESCAPE;
  else if (text == "Space") k.key = VK_SPACE;
  else if (text == "Tab") k.key = VK_TAB;
  else if (text.size() == 1 && std::isalnum(static_cast<unsigned char>(text[0])))
    k.key = static_cast<WORD>(std::toupper(static_cast<unsigned char>(text[0])));
  else if (text.size() >= 2 && text[0] == 'F') {
    const int n = std::stoi(std::string(text.substr(1)));
    if (n < 1 || n > 12) return std::nullopt;
    k.key = static_cast<WORD>(VK_F1 + n - 1);
  } else {
    return std::nullopt;
  }
  return k;
}

}  // namespace contract
