// vexmorel-cli: the window's header rules for many Pic2 files at once.
#include <unistd.h>

#include <cstdio>

#include "platform/os/process.h"
#include "tools/cli/commands.h"
#include "tools/cli/messages.h"
#include "tools/cli/options.h"

#ifndef VEXMOREL_VERSION
#define VEXMOREL_VERSION "0"
#endif

int main(int argc, char** argv) {
  cli::InitMessages(ExecutablePath());
  const cli::Parsed parsed = cli::ParseArguments(argc, argv);
  if (!parsed.error.empty()) return cli::UsageError(parsed.error);
  // Output is gathered per file; into a pipe or a file a large buffer keeps
  // the writes few, while a terminal shows each line as it comes.
  static char buffer[1 << 16];
  if (!isatty(STDOUT_FILENO)) std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
  const cli::Options& o = parsed.options;
  switch (o.command) {
    case cli::Command::Help: std::fputs(cli::UsageText().c_str(), stdout); return 0;
    case cli::Command::Version: std::puts("vexmorel-cli " VEXMOREL_VERSION); return 0;
    case cli::Command::Show: return cli::RunShow(o);
    case cli::Command::Set: return cli::RunSet(o);
    case cli::Command::Apply: return cli::RunApply(o);
  }
  return cli::kExitUsage;
}
