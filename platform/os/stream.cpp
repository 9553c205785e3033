#include "platform/os/stream.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>

#include "platform/os/faults.h"
#include "platform/os/filetime.h"
#include "platform/os/regular_file.h"

// Unbuffered: every transfer of the program is one block (a 120-byte header,
// a settings file of at most 8192 bytes), which one system call moves, so a
// buffer would only add copies, and stdio an allocation and a flag query per
// open.
struct Stream {
  int fd = -1;
  bool writable = false;
  bool failed = false;  // as ferror
  FileIdentity identity;
  FileStatus status;
};

namespace {

// The stream last closed on this thread, kept for the next open: a header
// is read or written through one stream at a time, so opening one then
// allocates nothing.
thread_local std::unique_ptr<Stream> spare;

// Moves up to `bytes`, through short transfers and interruptions, as fread
// and fwrite do; stops at the end of the file or an error (then `failed`).
template <class Op>
std::size_t Transfer(Stream* stream, std::size_t bytes, Op op) {
  std::size_t done = 0;
  while (done < bytes) {
    const ssize_t n = op(done, bytes - done);
    if (n > 0) {
      done += static_cast<std::size_t>(n);
    } else if (n == 0) {
      break;
    } else if (errno != EINTR) {
      stream->failed = true;
      break;
    }
  }
  return done;
}

std::size_t Read(Stream* s, void* buffer, std::size_t bytes) {
  auto* out = static_cast<char*>(buffer);
  return Transfer(s, bytes, [&](std::size_t at, std::size_t n) { return read(s->fd, out + at, n); });
}

std::size_t Write(Stream* s, const void* buffer, std::size_t bytes) {
  const auto* in = static_cast<const char*>(buffer);
  return Transfer(s, bytes, [&](std::size_t at, std::size_t n) { return write(s->fd, in + at, n); });
}

}  // namespace

Stream* OpenStream(const std::string& name, const char* mode) {
  if (FaultDue(FileOp::StreamOpen) || !mode) return nullptr;
  const bool writable = std::strcmp(mode, "r+b") == 0;
  if (!writable && std::strcmp(mode, "rb") != 0) return nullptr;
  struct stat opened {};
  const int fd = OpenRegularFile(name, true, writable, &opened);
  if (fd < 0) return nullptr;
  Stream* stream = spare ? spare.release() : new Stream;
  stream->fd = fd;
  stream->writable = writable;
  stream->failed = false;
  stream->identity = {static_cast<std::uint64_t>(opened.st_dev),
                      static_cast<std::uint64_t>(opened.st_ino)};
  stream->status = {static_cast<unsigned>(opened.st_mode),
                    UnixToFileTime(opened.st_atim.tv_sec, opened.st_atim.tv_nsec),
                    UnixToFileTime(opened.st_mtim.tv_sec, opened.st_mtim.tv_nsec)};
  return stream;
}

std::size_t ReadStream(void* buffer, std::size_t size, std::size_t count, Stream* stream) {
  const bool fault = FaultDue(FileOp::StreamRead);
  if (!stream || size == 0) return 0;
  if (fault) {
    stream->failed = true;
    return Read(stream, buffer, size * count / 2) / size;
  }
  return Read(stream, buffer, size * count) / size;
}

std::size_t WriteStream(const void* buffer, std::size_t size, std::size_t count, Stream* stream) {
  const bool fault = FaultDue(FileOp::StreamWrite);
  if (!stream || size == 0 || !stream->writable) return 0;
  if (fault) {
    stream->failed = true;
    return Write(stream, buffer, size * count / 2) / size;
  }
  return Write(stream, buffer, size * count) / size;
}

int SeekStream(Stream* stream, long offset, int origin) {
  if (!stream) return -1;
  return lseek(stream->fd, offset, origin) < 0 ? -1 : 0;
}

bool StreamFailed(const Stream* stream) { return !stream || stream->failed; }

FileIdentity StreamIdentity(const Stream* stream) { return stream ? stream->identity : FileIdentity{}; }

FileStatus StreamStatus(const Stream* stream) { return stream ? stream->status : FileStatus{}; }

BOOL SetStreamFileTime(Stream* stream, const FILETIME* access, const FILETIME* lastWrite) {
  if (FaultDue(FileOp::CreateFile) || FaultDue(FileOp::SetFileTime) || !stream) return 0;
  return SetDescriptorTimes(stream->fd, access, lastWrite);
}

int CloseStream(Stream* stream) {
  const bool fault = FaultDue(FileOp::StreamClose);
  if (!stream) return EOF;
  bool ok = true;
  if (stream->writable) ok = fsync(stream->fd) == 0;
  ok = close(stream->fd) == 0 && ok;
  if (spare)
    delete stream;
  else
    spare.reset(stream);
  return ok && !fault ? 0 : EOF;
}
