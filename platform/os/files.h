// File services under their Windows names, over POSIX.
//
// Names are in the system's form (names.h), taken as they are; a name with a
// NUL byte fails as a missing file does. Symbolic links are followed.
//
// Attributes are derived from POSIX facts:
//   READONLY   the owner write bit (S_IWUSR) is clear
//   HIDDEN     the last path component begins with "." (not "." or "..")
//   DIRECTORY  the path is a directory
//   ARCHIVE    the path is a regular file
//   NORMAL     none of the above
// SYSTEM and TEMPORARY are never set.
//
// CreateFileA opens existing regular files only (OPEN_EXISTING with
// GENERIC_READ and/or GENERIC_WRITE); any other disposition or access fails.
// It never blocks, refuses directories, FIFOs and devices, and refuses
// GENERIC_WRITE on a read-only file even for root, as Windows refuses it to
// an administrator. Sharing modes, security attributes, flags and template
// handles are ignored. A HANDLE stands for a file descriptor and must be
// closed with CloseHandle.
//
// POSIX keeps no creation time: GetFileTime reports the status change time
// (st_ctim), the nearest thing, in its place, and SetFileTime ignores one.
// Every call except CloseHandle consults the fault seam (faults.h).
// BOOL results are nonzero on success.
#pragma once

#include <string>

#include "platform/os/windows_types.h"

DWORD GetFileAttributesA(const char* name);

// What a stream saw of its file when it opened it (StreamStatus, stream.h):
// enough to answer the attribute and time questions without another system
// call, about the very file that was read.
struct FileStatus {
  unsigned mode = 0;  // st_mode
  FILETIME access{}, lastWrite{};
};

// GetFileAttributesA for the file of `status`, named `name` (for the hidden
// rule). Consults the attributes seam.
DWORD FileStatusAttributes(const FileStatus& status, const std::string& name);

// The access and last-write times (either pointer may be null), as
// GetFileTime gives them on a handle opened for it. Consults the CreateFile
// seam and then the GetFileTime seam: the times read this way stand for
// opening a handle and asking it, and fail as either.
BOOL FileStatusTimes(const FileStatus& status, FILETIME* access, FILETIME* lastWrite);

// Whether anything (following symbolic links) has this name. Not a fault seam:
// it only chooses which file to open, and the open reports what goes wrong.
bool PathExists(const std::string& name);

HANDLE CreateFileA(const char* name, DWORD access, DWORD share, void* security, DWORD disposition,
                   DWORD flags, HANDLE tmpl);

// Any pointer may be null.
BOOL GetFileTime(HANDLE file, FILETIME* creation, FILETIME* access, FILETIME* lastWrite);

// Sets what is given: a null access time leaves the access time as it was.
BOOL SetFileTime(HANDLE file, const FILETIME* creation, const FILETIME* access,
                 const FILETIME* lastWrite);

BOOL CloseHandle(HANDLE file);
