// Key names of the driver's `key` command: Enter, Escape, Space, Tab, F1 to
// F12, a letter or a digit, each optionally after Ctrl+, Alt+, Shift+.
#pragma once

#include <optional>
#include <string_view>

#include "platform/ui/types.h"

namespace drive {

struct KeyStroke {
  WORD key = 0;
  TShiftState shift;
};

std::optional<KeyStroke> ParseKey(std::string_view text);

}  // namespace drive
