#include "header/pic2_file.h"

#include "platform/os/files.h"
#include "platform/os/filetime.h"

namespace {

constexpr DWORD kRefusedAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                                     FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_TEMPORARY;

// The last-write time the open saw into `file`, in local and in UTC form.
void RecordLastWriteTime(const FileStatus& status, LoadedPic2& file) {
  FILETIME written, local;
  SYSTEMTIME stamp;
  if (FileStatusTimes(status, nullptr, &written) && FileTimeToLocalFileTime(&written, &local) &&
      FileTimeToSystemTime(&local, &stamp)) {
    file.fileStamp = stamp;
    file.lastWrite = written;
  }
}

// `stamp` read as local time, as a UTC file time.
bool StampToUtc(const SYSTEMTIME& stamp, FILETIME& utc) {
  FILETIME local;
  return SystemTimeToFileTime(&stamp, &local) && LocalFileTimeToFileTime(&local, &utc);
}

// The file's times before a write, so that a failed write can put them back
// and a successful one leaves the access time as it was (reading the old
// header must not count as an access).
struct Times {
  bool known = false;
  FILETIME access, lastWrite;
};

Times TimesBefore(const Stream* stream) {
  Times t;
  t.known = FileStatusTimes(StreamStatus(stream), &t.access, &t.lastWrite) != 0;
  return t;
}

// After a failed write: the old header goes back into the same file, and
// the old times only when it is back whole. A file whose bytes may have
// changed keeps the time the failed write gave it, so nothing that goes by
// the file time takes it for untouched.
void Restore(const std::string& name, const FileIdentity& loaded, const Pic2Header& old,
             const Times& before) {
  Stream* s = OpenStream(name, "r+b");
  if (!s) return;
  if (StreamIdentity(s) != loaded) {
    CloseStream(s);
    return;
  }
  const bool written = WriteStream(old.bytes.data(), 1, kPic2HeaderSize, s) == kPic2HeaderSize;
  // Synced by the close; the times go on only if that worked too.
  if (CloseStream(s) == 0 && written && before.known) {
    if (Stream* again = OpenStream(name, "r+b")) {
      if (StreamIdentity(again) == loaded)
        SetStreamFileTime(again, &before.access, &before.lastWrite);
      CloseStream(again);
    }
  }
}

}  // namespace

LoadResult LoadPic2File(const std::string& name) {
  LoadResult r;
  if (name.empty()) return {LoadError::NoName, {}};
  Stream* stream = OpenStream(name, "rb");
  if (!stream) return {LoadError::Open, {}};
  if (ReadStream(r.file.header.bytes.data(), 1, kPic2HeaderSize, stream) < kPic2HeaderSize) {
    const bool failed = StreamFailed(stream);
    CloseStream(stream);
    return {failed ? LoadError::Read : LoadError::TooShort, {}};
  }
  // The attributes and the time are those the open saw: of the very file
  // read, and with no further system call.
  r.file.identity = StreamIdentity(stream);
  const FileStatus status = StreamStatus(stream);
  if (CloseStream(stream) != 0) return {LoadError::Close, {}};
  const DWORD attributes = FileStatusAttributes(status, name);
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & kRefusedAttributes))
    return {LoadError::SpecialAttributes, {}};
  if (!HasPic2Magic(r.file.header)) return {LoadError::NotPic2, {}};
  RecordLastWriteTime(status, r.file);
  return r;
}

WriteError WritePic2File(const std::string& name, const FileIdentity& loaded,
                         const Pic2Header& header, const SYSTEMTIME& stamp) {
  return WritePic2File(name, loaded, header, stamp, FileTimeAfterWrite::Stamp);
}

WriteError WritePic2File(const std::string& name, const FileIdentity& loaded,
                         const Pic2Header& header, const SYSTEMTIME& stamp,
                         FileTimeAfterWrite after) {
  Stream* stream = OpenStream(name, "r+b");
  if (!stream) return WriteError::Open;
  // Another file at the name, even a Pic2 file, must not get this header:
  // its palette and image size would then describe another image. It is
  // refused before a byte of it is read.
  if (StreamIdentity(stream) != loaded) {
    CloseStream(stream);
    return WriteError::Replaced;
  }
  const Times before = TimesBefore(stream);
  // The old header is kept to undo a write that fails half way.
  Pic2Header old;
  WriteError refused = WriteError::None;
  if (ReadStream(old.bytes.data(), 1, kPic2HeaderSize, stream) < kPic2HeaderSize)
    refused = StreamFailed(stream) ? WriteError::Open : WriteError::NotPic2;
  else if (!HasPic2Magic(old))
    refused = WriteError::NotPic2;
  else if (SeekStream(stream, 0, SEEK_SET) != 0)
    refused = WriteError::Open;
  if (refused != WriteError::None) {
    // Nothing was written, so the last-write time never moved; setting it
    // again would round it to the 100 ns a FILETIME holds.
    if (before.known) SetStreamFileTime(stream, &before.access, nullptr);
    CloseStream(stream);
    return refused;
  }
  if (WriteStream(header.bytes.data(), 1, kPic2HeaderSize, stream) < kPic2HeaderSize) {
    CloseStream(stream);
    Restore(name, loaded, old, before);
    return WriteError::ShortWrite;
  }
  // The new last-write time: `stamp` read as local time, or the one the file
  // had. It is set on the stream, so on the very file written, before the
  // close syncs bytes and time together. Not reported: the bytes are written.
  FILETIME utc;
  if (after == FileTimeAfterWrite::Kept) {
    if (before.known) SetStreamFileTime(stream, &before.access, &before.lastWrite);
  } else if (StampToUtc(stamp, utc)) {
    SetStreamFileTime(stream, before.known ? &before.access : nullptr, &utc);
  }
  if (CloseStream(stream) != 0) {
    Restore(name, loaded, old, before);
    return WriteError::Close;
  }
  return WriteError::None;
}

bool WriteWouldChange(const LoadedPic2& loaded, const Pic2Header& header,
                      const SYSTEMTIME& stamp, FileTimeAfterWrite after) {
  if (header.bytes != loaded.header.bytes) return true;
  if (after == FileTimeAfterWrite::Kept) return false;
  FILETIME utc;
  if (!loaded.lastWrite || !StampToUtc(stamp, utc)) return true;
  return FileTimeTicks(utc) != FileTimeTicks(*loaded.lastWrite);
}
