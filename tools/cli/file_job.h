// The work on one file: show it, or put the edits in and write it as the
// window's Write does. Safe to run on several files at once on different
// threads; two jobs on the same file must not overlap.
#pragma once

#include <string>
#include <vector>

#include "header/pic2_file.h"
#include "header/presets.h"
#include "tools/cli/edits.h"
#include "tools/cli/output.h"

namespace cli {

enum class Outcome { Shown, Changed, Unchanged, Failed };

struct FileResult {
  Outcome outcome = Outcome::Failed;
  std::string out;  // for standard output
  std::string err;  // for standard error
};

FileResult ShowFile(const std::string& path, Format format);

struct SetContext {
  bool dryRun = false;
  bool backup = false;
  FileTimeAfterWrite after = FileTimeAfterWrite::Stamp;
  const char* tz = nullptr;  // TZ, read once
  PresetDefaults defaults;
};

FileResult SetFile(const std::string& path, const std::vector<Edit>& edits, const SetContext& c);

// A failure of `path` for `reason`.
FileResult Failure(const std::string& path, const std::string& reason);

}  // namespace cli
