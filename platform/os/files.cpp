#include "platform/os/files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/os/faults.h"
#include "platform/os/filetime.h"
#include "platform/os/regular_file.h"

namespace {

// A HANDLE carries descriptor + 1, so that no handle is null.
HANDLE HandleOf(int fd) { return reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(fd) + 1); }

int DescriptorOf(HANDLE file) {
  if (file == INVALID_HANDLE_VALUE) return -1;
  return static_cast<int>(reinterpret_cast<std::intptr_t>(file) - 1);
}

bool IsHiddenName(std::string_view path) {
  const std::size_t end = path.find_last_not_of('/');
  if (end == std::string_view::npos) return false;
  path = path.substr(0, end + 1);
  const std::size_t slash = path.find_last_of('/');
  const std::string_view last = slash == std::string_view::npos ? path : path.substr(slash + 1);
  return last.front() == '.' && last != "." && last != "..";
}

FILETIME FileTimeOf(const struct timespec& t) { return UnixToFileTime(t.tv_sec, t.tv_nsec); }

struct timespec TimespecOf(const FILETIME& time) {
  const UnixTime unix_time = FileTimeToUnix(time);
  struct timespec t {};
  t.tv_sec = static_cast<time_t>(unix_time.sec);
  t.tv_nsec = static_cast<long>(unix_time.nsec);
  return t;
}

DWORD AttributesOf(unsigned mode, std::string_view path) {
  DWORD attributes = 0;
  if (!(mode & S_IWUSR)) attributes |= FILE_ATTRIBUTE_READONLY;
  if (IsHiddenName(path)) attributes |= FILE_ATTRIBUTE_HIDDEN;
  if (S_ISDIR(mode)) attributes |= FILE_ATTRIBUTE_DIRECTORY;
  if (S_ISREG(mode)) attributes |= FILE_ATTRIBUTE_ARCHIVE;
  return attributes ? attributes : FILE_ATTRIBUTE_NORMAL;
}

}  // namespace

DWORD GetFileAttributesA(const char* name) {
  if (FaultDue(FileOp::GetAttributes) || !name) return INVALID_FILE_ATTRIBUTES;
  thread_local std::string path;
  struct stat st {};
  if (!SystemName(name, path) || stat(path.c_str(), &st) != 0) return INVALID_FILE_ATTRIBUTES;
  return AttributesOf(st.st_mode, path);
}

DWORD FileStatusAttributes(const FileStatus& status, const std::string& name) {
  if (FaultDue(FileOp::GetAttributes)) return INVALID_FILE_ATTRIBUTES;
  return AttributesOf(status.mode, name);
}

BOOL FileStatusTimes(const FileStatus& status, FILETIME* access, FILETIME* lastWrite) {
  if (FaultDue(FileOp::CreateFile) || FaultDue(FileOp::GetFileTime)) return 0;
  if (access) *access = status.access;
  if (lastWrite) *lastWrite = status.lastWrite;
  return 1;
}

bool PathExists(const std::string& name) {
  struct stat st {};
  return name.find('\0') == std::string::npos && stat(name.c_str(), &st) == 0;
}

HANDLE CreateFileA(const char* name, DWORD access, DWORD, void*, DWORD disposition, DWORD,
                   HANDLE) {
  if (FaultDue(FileOp::CreateFile) || !name) return INVALID_HANDLE_VALUE;
  if (disposition != OPEN_EXISTING || (access & ~(GENERIC_READ | GENERIC_WRITE)) != 0) {
    return INVALID_HANDLE_VALUE;
  }
  const int fd = OpenRegularFile(name, access & GENERIC_READ, access & GENERIC_WRITE);
  return fd < 0 ? INVALID_HANDLE_VALUE : HandleOf(fd);
}

BOOL GetFileTime(HANDLE file, FILETIME* creation, FILETIME* access, FILETIME* lastWrite) {
  if (FaultDue(FileOp::GetFileTime)) return 0;
  struct stat st {};
  if (fstat(DescriptorOf(file), &st) != 0) return 0;
  if (creation) *creation = FileTimeOf(st.st_ctim);
  if (access) *access = FileTimeOf(st.st_atim);
  if (lastWrite) *lastWrite = FileTimeOf(st.st_mtim);
  return 1;
}

BOOL SetFileTime(HANDLE file, const FILETIME*, const FILETIME* access,
                 const FILETIME* lastWrite) {
  if (FaultDue(FileOp::SetFileTime)) return 0;
  return SetDescriptorTimes(DescriptorOf(file), access, lastWrite);
}

int SetDescriptorTimes(int fd, const FILETIME* access, const FILETIME* lastWrite) {
  struct timespec times[2] {};
  times[0].tv_nsec = UTIME_OMIT;
  times[1].tv_nsec = UTIME_OMIT;
  if (access) times[0] = TimespecOf(*access);
  if (lastWrite) times[1] = TimespecOf(*lastWrite);
  return futimens(fd, times) == 0;
}

BOOL CloseHandle(HANDLE file) {
  const int fd = DescriptorOf(file);
  return fd >= 0 && close(fd) == 0;
}
