#include "tools/cli/backup.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "tools/cli/messages.h"
#include "tools/cli/text.h"

namespace cli {
namespace {

bool CopyAll(int from, int to) {
  char buffer[1 << 16];
  for (;;) {
    const ssize_t n = read(from, buffer, sizeof buffer);
    if (n == 0) return true;
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    for (ssize_t done = 0; done < n;) {
      const ssize_t w = write(to, buffer + done, static_cast<std::size_t>(n - done));
      if (w < 0 && errno == EINTR) continue;
      if (w <= 0) return false;
      done += w;
    }
  }
}

}  // namespace

std::optional<std::string> MakeBackup(const std::string& path, const FileIdentity& loaded) {
  const std::string copy = path + "_original";
  const int from = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  struct stat st {};
  if (from < 0 || fstat(from, &st) != 0 || !S_ISREG(st.st_mode)) {
    if (from >= 0) close(from);
    return Reason(WriteError::Open);
  }
  if (FileIdentity{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)} !=
      loaded) {
    close(from);
    return Reason(WriteError::Replaced);
  }
  const int to = open(copy.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, st.st_mode & 07777);
  if (to < 0) {
    const int error = errno;
    close(from);
    if (error == EEXIST) return Tr("the backup copy already exists: ") + PlainText(PathText(copy));
    return Tr("cannot make the backup copy: ") + PlainText(PathText(copy));
  }
  const struct timespec times[2] = {st.st_atim, st.st_mtim};
  const bool copied = fcntl(from, F_SETFL, 0) == 0 && CopyAll(from, to) &&
                      futimens(to, times) == 0 && fsync(to) == 0;
  close(from);
  if (close(to) != 0 || !copied) {
    unlink(copy.c_str());
    return Tr("cannot make the backup copy: ") + PlainText(PathText(copy));
  }
  return std::nullopt;
}

}  // namespace cli
