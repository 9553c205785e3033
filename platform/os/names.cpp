#include "platform/os/names.h"

#include "platform/text/cp932.h"

std::optional<std::string> SystemFileName(std::string_view windowName) {
  std::optional<std::string> name = cp932::ToUtf8Exact(windowName);
  if (!name || name->find('\0') != std::string::npos) return std::nullopt;
  return name;
}

std::optional<std::string> WindowFileName(std::string_view systemName) {
  if (systemName.find('\0') != std::string_view::npos) return std::nullopt;
  std::optional<std::string> name = cp932::TryFromUtf8(systemName);
  if (!name) return std::nullopt;
  const std::optional<std::string> back = cp932::ToUtf8Exact(*name);
  if (!back || *back != systemName) return std::nullopt;
  return name;
}
