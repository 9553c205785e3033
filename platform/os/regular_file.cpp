#include "platform/os/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/text/cp932.h"

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

std::optional<std::string> SystemName(std::string_view name) {
  std::optional<std::string> utf8 = cp932::ToUtf8Exact(name);
  if (!utf8 || utf8->find('\0') != std::string::npos) {
    errno = ENOENT;
    return std::nullopt;
  }
  return utf8;
}

int OpenRegularFile(std::string_view name, bool read, bool write) {
  if (!read && !write) {
    errno = EINVAL;
    return -1;
  }
  const std::optional<std::string> path = SystemName(name);
  if (!path) return -1;
  struct stat st {};
  if (stat(path->c_str(), &st) != 0 || !Acceptable(st, write)) return -1;

  const int access = read && write ? O_RDWR : write ? O_WRONLY : O_RDONLY;
  // O_NONBLOCK so that a FIFO swapped in after the stat cannot hang the open.
  const int fd = open(path->c_str(), access | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return -1;
  const int flags = fcntl(fd, F_GETFL);
  if (fstat(fd, &st) != 0 || !Acceptable(st, write) || flags < 0 ||
      fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
    const int error = errno;
    close(fd);
    errno = error;
    return -1;
  }
  return fd;
}
