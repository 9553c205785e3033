// Key names of the steps: Enter, Escape, Space, Tab, F1 to F12, a letter or
// a digit, each after any of Ctrl+, Alt+, Shift+ ("Ctrl+F12", "Shift+Tab").
#pragma once

#include <optional>
#include <string_view>

#include "platform/ui/types.h"

namespace contract {

struct KeyStroke {
  WORD key = 0;
  TShiftState shift;
};

std::optional<KeyStroke> ParseKey(std::string_view text);

}  // namespace contract
