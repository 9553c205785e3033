#include "platform/os/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>


namespace {

// Refuses a descriptor that is not a regular file, or a read-only file when
// writing; errno as the matching open would set it.
bool Acceptable(const struct stat& st, bool write) {
  if (!S_ISREG(st.st_mode)) {
    errno = S_ISDIR(st.st_mode) ? EISDIR : ENXIO;
    return false;
  }
  if (write && !(st.st_mode & S_IWUSR)) {
    errno = EACCES;
    return false;
  }
  return true;
}

}  // namespace

bool SystemName(std::string_view name, std::string& path) {
  if (name.find('\0') != std::string_view::npos) {
    errno = ENOENT;
    return false;
  }
  path.assign(name);
  return true;
}

int OpenRegularFile(std::string_view name, bool read, bool write, struct stat* opened) {
  if (!read && !write) {
    errno = EINVAL;
    return -1;
  }
  // One buffer per thread: every file service opens through here.
  thread_local std::string path;
  if (!SystemName(name, path)) return -1;
  struct stat st {};
  if (stat(path.c_str(), &st) != 0 || !Acceptable(st, write)) return -1;

  const int access = read && write ? O_RDWR : write ? O_WRONLY : O_RDONLY;
  // O_NONBLOCK so that a FIFO swapped in after the stat cannot hang the open.
  const int fd = open(path.c_str(), access | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return -1;
  // O_NONBLOCK stays set: it means nothing for a regular file, and only a
  // regular file is kept open, so clearing it would be a system call for
  // nothing on every load.
  if (fstat(fd, &st) != 0 || !Acceptable(st, write)) {
    const int error = errno;
    close(fd);
    errno = error;
    return -1;
  }
  if (opened) *opened = st;
  return fd;
}
