#include "tools/cli/commands.h"

#include <cstdio>
#include <cstdlib>

#include "platform/os/process.h"
#include "settings/settings_file.h"
#include "tools/cli/apply_input.h"
#include "tools/cli/messages.h"
#include "tools/cli/paths.h"
#include "tools/cli/progress.h"
#include "tools/cli/run_loop.h"
#include "tools/cli/signals.h"
#include "tools/cli/summary.h"
#include "tools/cli/text.h"

namespace cli {
namespace {

void Print(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stdout); }

// The defaults of the letters A and O: --settings FILE, else the user's
// own file, else vexmorel.cfg beside this program. The reason on failure.
std::optional<std::string> LoadDefaults(const Options& o, PresetDefaults& out) {
  std::string path = o.settings.value_or("");
  if (!o.settings) {
    const std::string exe = ExecutablePath();
    path = SettingsFileToRead(exe.substr(0, exe.rfind('/') + 1) + "vexmorel");
  }
  SettingsRecord record{};
  SettingsNotices notices;
  const SettingsError error = ReadSettingsFile(path, record, &notices);
  for (const SettingsNotice n : notices)
    std::fprintf(stderr, "%s: %s\n", PlainText(PathText(path)).c_str(), Reason(n).c_str());
  if (error != SettingsError::None) return PlainText(PathText(path)) + ": " + Reason(error);
  out = PresetDefaultsOf(record);
  return std::nullopt;
}

std::vector<std::string> ListFiles(const Options& o, const std::atomic<int>& stop,
                                   std::vector<bool>& unlisted) {
  std::vector<PathEntry> entries;
  for (const std::string& operand : o.operands) ListPath(operand, o.recursive, stop, entries);
  std::vector<std::string> paths;
  for (PathEntry& e : entries) {
    paths.push_back(std::move(e.path));
    unlisted.push_back(e.unlistedFolder);
  }
  return paths;
}

FileResult FolderFailure(const std::string& path) {
  return Failure(path, Tr("is a folder (walk it with -r)"));
}

// Runs the loop with progress, printing each result; returns what ran.
std::size_t RunAndPrint(RunLoop& loop, const std::atomic<int>& stop, Tally* tally) {
  Progress progress(loop.count);
  loop.done = [&](std::size_t i, FileResult& r) {
    Print(r.out);
    if (!r.err.empty()) {
      // So that output and errors sent to one place keep their order.
      std::fflush(stdout);
      progress.Error(r.err);
    }
    if (tally) tally->Count(r.outcome);
    progress.Update(i + 1);
  };
  return Run(loop, stop);
}

int StatusOf(const std::atomic<int>& stop, bool failed) {
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    std::fprintf(stderr, "vexmorel-cli: %s\n", Tr("cannot write the output").c_str());
    failed = true;
  }
  if (const int signal = stop.load()) return 128 + signal;
  return failed ? kExitFailed : 0;
}

}  // namespace

int UsageError(const std::string& message) {
  std::fprintf(stderr, "vexmorel-cli: %s\n%s\n", message.c_str(),
               Tr("Try 'vexmorel-cli --help'.").c_str());
  return kExitUsage;
}

int RunShow(const Options& o) {
  const std::atomic<int>& stop = CatchStopSignals();
  std::vector<bool> unlisted;
  const std::vector<std::string> paths = ListFiles(o, stop, unlisted);
  PrepareLabels();
  Print(FormatHead(o.format));
  RunLoop loop;
  loop.count = paths.size();
  loop.jobs = o.jobs;
  if (o.jobs > 1) loop.after.assign(paths.size(), paths.size());  // reading never conflicts
  loop.work = [&](std::size_t i) {
    return unlisted[i] ? FolderFailure(paths[i]) : ShowFile(paths[i], o.format);
  };
  Tally tally;
  RunAndPrint(loop, stop, &tally);
  return StatusOf(stop, tally.failed > 0);
}

int RunSet(const Options& o) {
  SetContext c;
  c.dryRun = o.dryRun;
  c.backup = o.backup;
  c.after = o.keepFileTime ? FileTimeAfterWrite::Kept : FileTimeAfterWrite::Stamp;
  c.tz = std::getenv("TZ");
  if (NeedsDefaults(o.edits))
    if (std::optional<std::string> why = LoadDefaults(o, c.defaults)) return UsageError(*why);
  const std::atomic<int>& stop = CatchStopSignals();
  std::vector<bool> unlisted;
  const std::vector<std::string> paths = ListFiles(o, stop, unlisted);
  RunLoop loop;
  loop.count = paths.size();
  loop.jobs = o.jobs;
  if (o.jobs > 1) loop.after = SameFileOrder(paths);
  loop.work = [&](std::size_t i) {
    return unlisted[i] ? FolderFailure(paths[i]) : SetFile(paths[i], o.edits, c);
  };
  Tally tally;
  const std::size_t ran = RunAndPrint(loop, stop, &tally);
  PrintSummary(tally, o.dryRun, stop.load(), paths.size() - ran);
  return StatusOf(stop, tally.failed > 0);
}

int RunApply(const Options& o) {
  std::vector<ApplyLine> lines;
  if (std::optional<std::string> why = ReadApplyInput(o.operands[0], lines))
    return UsageError(*why);
  SetContext c;
  c.dryRun = o.dryRun;
  c.backup = o.backup;
  c.after = o.keepFileTime ? FileTimeAfterWrite::Kept : FileTimeAfterWrite::Stamp;
  c.tz = std::getenv("TZ");
  bool needsDefaults = false;
  for (const ApplyLine& l : lines) needsDefaults = needsDefaults || NeedsDefaults(l.edits);
  if (needsDefaults)
    if (std::optional<std::string> why = LoadDefaults(o, c.defaults)) return UsageError(*why);
  const std::atomic<int>& stop = CatchStopSignals();
  std::vector<std::string> paths;
  for (const ApplyLine& l : lines) paths.push_back(l.path);
  RunLoop loop;
  loop.count = lines.size();
  loop.jobs = o.jobs;
  if (o.jobs > 1) loop.after = SameFileOrder(paths);
  loop.work = [&](std::size_t i) {
    const ApplyLine& l = lines[i];
    if (!l.error.empty()) {
      FileResult r;
      r.err = Tr("line ") + std::to_string(l.number) + ": " + l.error + "\n";
      return r;
    }
    return SetFile(l.path, l.edits, c);
  };
  Tally tally;
  const std::size_t ran = RunAndPrint(loop, stop, &tally);
  PrintSummary(tally, o.dryRun, stop.load(), lines.size() - ran);
  return StatusOf(stop, tally.failed > 0);
}

}  // namespace cli
