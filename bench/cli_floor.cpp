// The floor of vexmorel-cli's work: the same file work with bare system
// calls and nothing else, over every ".p2" file of one folder.
//
//   vexmorel-cli-floor make N FOLDER SAMPLE   N copies of SAMPLE as FOLDER/NNNNNN.p2
//   vexmorel-cli-floor show FOLDER            open, read 120, fstat, close
//   vexmorel-cli-floor set FOLDER             the same, then write the 120 bytes back
//                                             at 0, fsync, close, utimensat
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Files(const std::string& folder) {
  std::vector<std::string> files;
  DIR* d = opendir(folder.c_str());
  if (!d) return files;
  while (const dirent* e = readdir(d)) {
    const std::size_t n = std::strlen(e->d_name);
    if (e->d_name[0] != '.' && n > 3 && std::strcmp(e->d_name + n - 3, ".p2") == 0)
      files.push_back(folder + "/" + e->d_name);
  }
  closedir(d);
  return files;
}

int Make(long count, const std::string& folder, const char* sample) {
  char bytes[4096];
  const int in = open(sample, O_RDONLY);
  const ssize_t size = in < 0 ? -1 : read(in, bytes, sizeof bytes);
  if (size < 120) return 1;
  close(in);
  mkdir(folder.c_str(), 0755);
  for (long i = 0; i < count; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "/%06ld.p2", i);
    const int out = open((folder + name).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (out < 0 || write(out, bytes, static_cast<std::size_t>(size)) != size) return 1;
    close(out);
  }
  return 0;
}

int Show(const std::string& folder) {
  unsigned sum = 0;
  for (const std::string& f : Files(folder)) {
    const int fd = open(f.c_str(), O_RDONLY | O_CLOEXEC);
    char header[120];
    struct stat st {};
    if (fd < 0 || read(fd, header, sizeof header) != 120 || fstat(fd, &st) != 0) return 1;
    close(fd);
    sum += static_cast<unsigned char>(header[4]) + static_cast<unsigned>(st.st_mtime);
  }
  return sum == 1 ? 2 : 0;  // keeps the reads from being optimised away
}

int Set(const std::string& folder) {
  for (const std::string& f : Files(folder)) {
    const int fd = open(f.c_str(), O_RDWR | O_CLOEXEC);
    char header[120];
    struct stat st {};
    if (fd < 0 || read(fd, header, sizeof header) != 120 || fstat(fd, &st) != 0) return 1;
    if (pwrite(fd, header, sizeof header, 0) != 120 || fsync(fd) != 0 || close(fd) != 0) return 1;
    const struct timespec times[2] = {{0, UTIME_OMIT}, {st.st_mtime, 0}};
    if (utimensat(AT_FDCWD, f.c_str(), times, 0) != 0) return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "make" && argc == 5) return Make(std::atol(argv[2]), argv[3], argv[4]);
  if (command == "show" && argc == 3) return Show(argv[2]);
  if (command == "set" && argc == 3) return Set(argv[2]);
  std::fprintf(stderr, "usage: vexmorel-cli-floor make N FOLDER SAMPLE | show FOLDER | set FOLDER\n");
  return 2;
}
