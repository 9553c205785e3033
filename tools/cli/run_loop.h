// Runs a list of jobs, on this thread or on several, and hands each result
// back on this thread in the list's order, whatever order they finish in.
// A job that names the same file as an earlier one waits until that one
// is done. Once `stop` is set no further job starts; those already started
// finish and are handed back.
#pragma once

#include <atomic>
#include <cstddef>
#include <functional>
#include <vector>

#include "tools/cli/file_job.h"

namespace cli {

struct RunLoop {
  std::size_t count = 0;
  int jobs = 1;
  // Which earlier job touches the same file (or `count` when none); only
  // read when `jobs` is above 1.
  std::vector<std::size_t> after;
  std::function<FileResult(std::size_t)> work;
  std::function<void(std::size_t, FileResult&)> done;
};

// The number of jobs run.
std::size_t Run(const RunLoop& loop, const std::atomic<int>& stop);

// For RunLoop::after: the previous job on the same file, by device and
// inode where the path can be looked up, else by the path as given. An
// empty path names no file.
std::vector<std::size_t> SameFileOrder(const std::vector<std::string>& paths);

}  // namespace cli
