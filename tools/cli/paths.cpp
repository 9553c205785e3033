#include "tools/cli/paths.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>

namespace cli {
namespace {

bool EndsInP2(const char* name) {
  const std::string_view n(name);
  return n.size() >= 3 && n[n.size() - 3] == '.' && (n[n.size() - 2] | 0x20) == 'p' &&
         n[n.size() - 1] == '2';
}

// What an entry of a folder is, following a link one step.
enum class Kind { File, Folder, Dangling, Other };

Kind KindOf(int folder, const dirent& e) {
  switch (e.d_type) {
    case DT_REG: return Kind::File;
    case DT_DIR: return Kind::Folder;
    case DT_LNK: {
      struct stat st {};
      if (fstatat(folder, e.d_name, &st, 0) != 0) return Kind::Dangling;
      // A link to a folder is not followed; one to a file is.
      return S_ISREG(st.st_mode) ? Kind::File : Kind::Other;
    }
    case DT_UNKNOWN: {
      struct stat st {};
      if (fstatat(folder, e.d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) return Kind::Other;
      if (S_ISDIR(st.st_mode)) return Kind::Folder;
      if (S_ISREG(st.st_mode)) return Kind::File;
      if (!S_ISLNK(st.st_mode)) return Kind::Other;
      if (fstatat(folder, e.d_name, &st, 0) != 0) return Kind::Dangling;
      return S_ISREG(st.st_mode) ? Kind::File : Kind::Other;
    }
    default: return Kind::Other;
  }
}

void Walk(const std::string& root, const std::atomic<int>& stop, std::vector<std::string>& files) {
  std::vector<std::string> folders{root};
  while (!folders.empty() && !stop.load()) {
    const std::string folder = std::move(folders.back());
    folders.pop_back();
    DIR* d = opendir(folder.c_str());
    if (!d) continue;
    const std::string prefix = folder.ends_with('/') ? folder : folder + "/";
    while (const dirent* e = readdir(d)) {
      if (e->d_name[0] == '.') continue;  // hidden, and "." and ".."
      switch (KindOf(dirfd(d), *e)) {
        case Kind::Folder: folders.push_back(prefix + e->d_name); break;
        case Kind::File:
        case Kind::Dangling:
          if (EndsInP2(e->d_name)) files.push_back(prefix + e->d_name);
          break;
        case Kind::Other: break;
      }
    }
    closedir(d);
  }
}

}  // namespace

void ListPath(const std::string& operand, bool recursive, const std::atomic<int>& stop,
              std::vector<PathEntry>& out) {
  struct stat st {};
  const bool folder = stat(operand.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
  if (!folder) {
    out.push_back({operand, false});
    return;
  }
  if (!recursive) {
    out.push_back({operand, true});
    return;
  }
  std::vector<std::string> files;
  Walk(operand, stop, files);
  // std::string compares as unsigned bytes.
  std::sort(files.begin(), files.end());
  for (std::string& f : files) out.push_back({std::move(f), false});
}

}  // namespace cli
