// The files a PATH stands for. A file stands for itself; with -r a folder
// stands for every regular file below it whose name ends in ".p2" (any
// case), in byte order of the whole path. Names beginning with "." are
// skipped, files and folders alike; links to files are followed, links to
// folders are not; a dangling link is listed, so that it fails when read.
// Without -r a folder is a failure of its own.
#pragma once

#include <atomic>
#include <string>
#include <vector>

namespace cli {

struct PathEntry {
  std::string path;       // in the system's form
  bool unlistedFolder;    // a folder given without -r: fails
};

// Appends the entries of `operand`; stops early once `stop` is set.
void ListPath(const std::string& operand, bool recursive, const std::atomic<int>& stop,
              std::vector<PathEntry>& out);

}  // namespace cli
