// The soak's files, made on the spot in a temporary folder from the seed:
// Pic2 files that load (odd text bytes, extreme numbers, a large image part,
// a name in kanji, a symbolic link), files the loader must refuse (short,
// empty, wrong magic, read-only, hidden, not Pic2), a folder and a FIFO
// named .p2, and settings files in folders of their own (one that loads, one
// with odd values and over-long lines, one that fails, none at all).
//
// Every regular file's bytes and last-write time are recorded; a step of
// the soak compares them with what is on disk now, and accepts a change
// only where its rules allow one. The last-write times are whole seconds,
// so that a time put back through a FILETIME is exactly the old one.
#pragma once

#include <sys/stat.h>

#include <map>
#include <random>
#include <string>
#include <vector>

namespace soak {

struct FileState {
  std::string bytes;
  timespec modified{};
  friend bool operator==(const FileState& a, const FileState& b) {
    return a.bytes == b.bytes && a.modified.tv_sec == b.modified.tv_sec &&
           a.modified.tv_nsec == b.modified.tv_nsec;
  }
};

class Fixtures {
 public:
  // Makes the folder and every file; the folder goes at exit unless kept.
  explicit Fixtures(std::mt19937_64& random);
  ~Fixtures();
  Fixtures(const Fixtures&) = delete;
  Fixtures& operator=(const Fixtures&) = delete;
  void Keep() { keep_ = true; }

  const std::string& Folder() const { return folder_; }
  // Paths (UTF-8) to choose or type: every fixture, spellings of the same
  // file through "//", "/./" and "..", and a name of nothing.
  const std::vector<std::string>& Paths() const { return paths_; }
  // Those of them that load (while their read-only flag is off).
  const std::vector<std::string>& Loadable() const { return loadable_; }
  // Files whose read-only flag the soak may switch: ASCII names, good
  // Pic2 files.
  const std::vector<std::string>& Switchable() const { return switchable_; }
  // The executable paths whose settings file is each variant.
  const std::vector<std::string>& Executables() const { return executables_; }

  // The regular files whose bytes or last-write time differ from the
  // record, by their real path.
  std::vector<std::string> Changed() const;
  FileState Current(const std::string& realPath) const;
  const FileState& Recorded(const std::string& realPath) const;
  void Accept(const std::string& realPath);
  // The folder and the FIFO are still what they were.
  bool SpecialsIntact() const;

 private:
  void Add(const std::string& name, const std::string& bytes);

  std::string folder_;
  bool keep_ = false;
  std::map<std::string, FileState> files_;  // by real path
  std::vector<std::string> paths_, loadable_, switchable_, executables_;
};

// The file's bytes and last-write time; empty when it cannot be read.
FileState ReadState(const std::string& path);

}  // namespace soak
