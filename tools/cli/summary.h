// The count of what `set` and `apply` did, and the summary line they end
// with on standard error. Its first four numbers are, in this order: files,
// changed, unchanged, failed (files = changed + unchanged + failed).
#pragma once

#include <cstddef>

#include "tools/cli/file_job.h"

namespace cli {

struct Tally {
  std::size_t changed = 0, unchanged = 0, failed = 0, shown = 0;
  void Count(Outcome o);
};

// `signal` is the number of the signal that stopped the run (0: none), and
// `notStarted` the files it left alone.
void PrintSummary(const Tally& t, bool dryRun, int signal, std::size_t notStarted);

}  // namespace cli
