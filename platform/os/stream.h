// Buffered file streams, used in place of fopen and friends.
//
// Opens existing regular files only, in the modes "rb" (read) and "r+b"
// (read and write in place, never creating or truncating); any other mode
// fails. The name is in the system's form and is treated as files.h
// describes: opening never blocks, anything that
// is not a regular file is refused, and "r+b" refuses a read-only file (owner
// write bit clear) even for root.
//
// Reads and writes follow fread and fwrite: they return the number of whole
// items moved, and fewer than asked means end of file or an error. Unlike
// stdio, nothing is buffered (each call moves its bytes at once) and
// switching between reading and writing needs no seek. Closing a stream
// opened "r+b" syncs it to disk first, and a failure there is a failure of
// the close; the stream is released either way. Every call except SeekStream, StreamFailed and
// StreamIdentity consults the fault seam (faults.h). One thread per stream.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "platform/os/files.h"

struct Stream;

// Null on failure.
Stream* OpenStream(const std::string& name, const char* mode);

std::size_t ReadStream(void* buffer, std::size_t size, std::size_t count, Stream* stream);
std::size_t WriteStream(const void* buffer, std::size_t size, std::size_t count, Stream* stream);

// As fseek: origin SEEK_SET, SEEK_CUR or SEEK_END; 0 on success.
int SeekStream(Stream* stream, long offset, int origin);

// 0 on success, EOF on failure.
int CloseStream(Stream* stream);

// As ferror: true once a read or write on the stream has failed, so that a
// short read can be told from the end of the file.
bool StreamFailed(const Stream* stream);

// Which file a stream has open: the same device and inode mean the same file,
// whatever name reached it.
struct FileIdentity {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// The identity of the file as it was opened (no system call).
FileIdentity StreamIdentity(const Stream* stream);

// The file's status as it was opened (no system call); see files.h.
FileStatus StreamStatus(const Stream* stream);

// SetFileTime on the stream's own file: sets what is given (a null time is
// left as it was). Consults the CreateFile seam and then the SetFileTime
// seam, for it stands for opening a handle and setting its times; going
// through the open stream, it can only reach the file the stream has open.
BOOL SetStreamFileTime(Stream* stream, const FILETIME* access, const FILETIME* lastWrite);
