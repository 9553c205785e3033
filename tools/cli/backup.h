// The --backup copy: the whole file, copied to PATH_original before its
// header is written. The copy is made only when nothing of that name
// exists, is synced before the header is touched, and carries the
// original's permission bits and times. A copy that fails is removed.
#pragma once

#include <optional>
#include <string>

#include "platform/os/stream.h"

namespace cli {

// The reason when no copy was made; refuses a file that is no longer
// `loaded` (another file stands at the path).
std::optional<std::string> MakeBackup(const std::string& path, const FileIdentity& loaded);

}  // namespace cli
