#include "tools/cli/summary.h"

#include <cstdio>
#include <string>

#include "tools/cli/messages.h"

namespace cli {

void Tally::Count(Outcome o) {
  switch (o) {
    case Outcome::Changed: ++changed; break;
    case Outcome::Unchanged: ++unchanged; break;
    case Outcome::Failed: ++failed; break;
    case Outcome::Shown: ++shown; break;
  }
}

void PrintSummary(const Tally& t, bool dryRun, int signal, std::size_t notStarted) {
  const std::string line = dryRun ? Tr("%zu files, %zu would change, %zu unchanged, %zu failed")
                                  : Tr("%zu files, %zu changed, %zu unchanged, %zu failed");
  std::fprintf(stderr, line.c_str(), t.changed + t.unchanged + t.failed, t.changed, t.unchanged,
               t.failed);
  if (signal) std::fprintf(stderr, Tr("; stopped by signal %d, %zu not started").c_str(), signal,
                           notStarted);
  std::fputc('\n', stderr);
}

}  // namespace cli
