// The three commands, each returning the exit status: 0 every file done,
// 1 at least one failed, 2 a usage error (nothing touched), 128 + N when
// stopped by signal N.
#pragma once

#include "tools/cli/options.h"

namespace cli {

inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

int RunShow(const Options& o);
int RunSet(const Options& o);
int RunApply(const Options& o);

// Prints a usage error and returns kExitUsage.
int UsageError(const std::string& message);

}  // namespace cli
