#include "platform/os/names.h"

#include "platform/text/cp932.h"

namespace {

// ASCII is the same in both forms (code page 932 keeps 0x5C and 0x7E as
// backslash and tilde), so most names need no conversion at all.
bool Ascii(std::string_view s) {
  for (const char c : s)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

}  // namespace

std::optional<std::string> SystemFileName(std::string_view windowName) {
  if (Ascii(windowName)) {
    if (windowName.find('\0') != std::string_view::npos) return std::nullopt;
    return std::string(windowName);
  }
  std::optional<std::string> name = cp932::ToUtf8Exact(windowName);
  if (!name || name->find('\0') != std::string::npos) return std::nullopt;
  return name;
}

std::optional<std::string> WindowFileName(std::string_view systemName) {
  if (systemName.find('\0') != std::string_view::npos) return std::nullopt;
  if (Ascii(systemName)) return std::string(systemName);
  std::optional<std::string> name = cp932::TryFromUtf8(systemName);
  if (!name) return std::nullopt;
  const std::optional<std::string> back = cp932::ToUtf8Exact(*name);
  if (!back || *back != systemName) return std::nullopt;
  return name;
}
