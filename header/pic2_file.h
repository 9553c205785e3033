// Reading and writing the header of a Pic2 file: a path in, a header and its
// file time, or a kind of error, out. Which text a person reads for an error
// is the caller's choice.
//
// Names are in the system's form (platform/os/names.h). A load
// refuses what is not a plain, writable Pic2 file, checked in a fixed order:
// the open, the length, the close, the attributes (read-only, hidden, system,
// temporary), the magic. A write goes only to the very file that was loaded
// (its device and inode), still a Pic2 file of at least 120 bytes; it writes
// bytes 0 to 119 and nothing else, sets the last-write time through the same
// descriptor, and syncs both before the close: a successful write opens the
// file once, so nothing it does can reach another file put there meanwhile
// (the undo below opens it again, and checks it is still the same file).
// A write that fails after touching the file puts the old
// 120 bytes back, and the old times only once those bytes are back, so a
// changed file never carries its old last-write time. Best effort: when the
// undo fails too, the error is still the write's own. A caller that writes
// many files may keep the old last-write time instead, and may ask first
// whether a write would change anything at all.
#pragma once

#include <optional>
#include <string>

#include "header/pic2_header.h"
#include "platform/os/stream.h"
#include "platform/os/windows_types.h"

enum class LoadError {
  None,
  NoName,             // the name is empty: nothing to do, nothing to say
  Open,               // missing, not a regular file, or not to be opened
  TooShort,           // fewer than 120 bytes
  Read,               // the read failed before 120 bytes
  Close,
  SpecialAttributes,  // read-only, hidden, system or temporary
  NotPic2,            // no "P2DT" at the start
};

struct LoadedPic2 {
  Pic2Header header;
  // The last-write time in local time; empty when it could not be read.
  std::optional<SYSTEMTIME> fileStamp;
  // The same time in UTC, to the 100 ns a FILETIME holds; empty likewise.
  std::optional<FILETIME> lastWrite;
  FileIdentity identity;
};

struct LoadResult {
  LoadError error = LoadError::None;
  LoadedPic2 file;  // meaningful only without an error
};

LoadResult LoadPic2File(const std::string& name);

enum class WriteError {
  None,
  Open,        // cannot be opened for update, or the check read failed
  Replaced,    // another file stands at the name since it was loaded
  NotPic2,     // no longer "P2DT", or shorter than 120 bytes
  ShortWrite,  // fewer than 120 bytes written (the old ones put back)
  Close,       // the flush, sync or close failed (the old bytes put back)
};

// Writes `header` over the first 120 bytes of `name`, which must still be the
// file `loaded`, and sets its last-write time to `stamp` read as local time.
// The time step is not reported: the bytes are already written.
WriteError WritePic2File(const std::string& name, const FileIdentity& loaded,
                         const Pic2Header& header, const SYSTEMTIME& stamp);

// What a successful write does to the last-write time: set it to the stamp,
// as the window does, or put back the time the file had just before the
// write (to the 100 ns a FILETIME holds).
enum class FileTimeAfterWrite { Stamp, Kept };

WriteError WritePic2File(const std::string& name, const FileIdentity& loaded,
                         const Pic2Header& header, const SYSTEMTIME& stamp,
                         FileTimeAfterWrite after);

// Whether writing `header` with `stamp` would change the file as it was
// loaded: its 120 bytes, or (for FileTimeAfterWrite::Stamp) its last-write
// time. A time that was not read, or a stamp that does not convert, counts
// as a change.
bool WriteWouldChange(const LoadedPic2& loaded, const Pic2Header& header,
                      const SYSTEMTIME& stamp, FileTimeAfterWrite after);
