#include "platform/os/stream.h"

#include <unistd.h>

#include <cstring>
#include <memory>

#include "platform/os/faults.h"
#include "platform/os/filetime.h"
#include "platform/os/regular_file.h"

struct Stream {
  enum class Direction { None, Reading, Writing };

  std::FILE* file = nullptr;
  bool writable = false;
  bool failed = false;  // an injected fault, which stdio's error flag does not see
  FileIdentity identity;
  FileStatus status;
  Direction last = Direction::None;
  // stdio's own buffer would cost an fstat and an allocation on the first
  // transfer; the header is 120 bytes, and longer reads bypass the buffer.
  char buffer[512];
};

namespace {

// The stream last closed on this thread, kept for the next open: a header
// is read or written through one stream at a time, so opening one then
// allocates nothing of ours (stdio still allocates its FILE).
thread_local std::unique_ptr<Stream> spare;

// stdio wants a seek between reading and writing; returns false if it fails.
bool Turn(Stream* stream, Stream::Direction next) {
  const bool turning = stream->last != Stream::Direction::None && stream->last != next;
  if (turning && std::fseek(stream->file, 0, SEEK_CUR) != 0) return false;
  stream->last = next;
  return true;
}

}  // namespace

Stream* OpenStream(const std::string& name, const char* mode) {
  if (FaultDue(FileOp::StreamOpen) || !mode) return nullptr;
  const bool writable = std::strcmp(mode, "r+b") == 0;
  if (!writable && std::strcmp(mode, "rb") != 0) return nullptr;
  struct stat opened {};
  const int fd = OpenRegularFile(name, true, writable, &opened);
  if (fd < 0) return nullptr;
  std::FILE* file = fdopen(fd, mode);
  if (!file) {
    close(fd);
    return nullptr;
  }
  Stream* stream = spare ? spare.release() : new Stream;
  stream->file = file;
  stream->writable = writable;
  stream->last = Stream::Direction::None;
  stream->failed = false;
  stream->identity = {static_cast<std::uint64_t>(opened.st_dev),
                      static_cast<std::uint64_t>(opened.st_ino)};
  stream->status = {static_cast<unsigned>(opened.st_mode),
                    UnixToFileTime(opened.st_atim.tv_sec, opened.st_atim.tv_nsec),
                    UnixToFileTime(opened.st_mtim.tv_sec, opened.st_mtim.tv_nsec)};
  // A failure leaves stdio's own buffer, which works as well.
  setvbuf(file, stream->buffer, _IOFBF, sizeof stream->buffer);
  return stream;
}

std::size_t ReadStream(void* buffer, std::size_t size, std::size_t count, Stream* stream) {
  const bool fault = FaultDue(FileOp::StreamRead);
  if (!stream || size == 0 || !Turn(stream, Stream::Direction::Reading)) return 0;
  if (fault) {
    stream->failed = true;
    return std::fread(buffer, 1, size * count / 2, stream->file) / size;
  }
  return std::fread(buffer, size, count, stream->file);
}

std::size_t WriteStream(const void* buffer, std::size_t size, std::size_t count, Stream* stream) {
  const bool fault = FaultDue(FileOp::StreamWrite);
  if (!stream || size == 0 || !stream->writable || !Turn(stream, Stream::Direction::Writing)) {
    return 0;
  }
  if (fault) {
    stream->failed = true;
    return std::fwrite(buffer, 1, size * count / 2, stream->file) / size;
  }
  return std::fwrite(buffer, size, count, stream->file);
}

int SeekStream(Stream* stream, long offset, int origin) {
  if (!stream) return -1;
  stream->last = Stream::Direction::None;
  return std::fseek(stream->file, offset, origin);
}

bool StreamFailed(const Stream* stream) {
  return !stream || stream->failed || std::ferror(stream->file) != 0;
}

FileIdentity StreamIdentity(const Stream* stream) { return stream ? stream->identity : FileIdentity{}; }

FileStatus StreamStatus(const Stream* stream) { return stream ? stream->status : FileStatus{}; }

int CloseStream(Stream* stream) {
  const bool fault = FaultDue(FileOp::StreamClose);
  if (!stream) return EOF;
  bool ok = true;
  if (stream->writable) {
    ok = std::fflush(stream->file) == 0 && fsync(fileno(stream->file)) == 0;
  }
  ok = std::fclose(stream->file) == 0 && ok;
  if (spare)
    delete stream;
  else
    spare.reset(stream);
  return ok && !fault ? 0 : EOF;
}
