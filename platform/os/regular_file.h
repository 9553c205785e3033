// What the file and stream services share: checking a name in the system's
// form (names.h), and opening an existing regular file without ever blocking.
//
// A name that holds a NUL byte is refused, as a file that does not exist
// would be. Only regular
// files open: a directory, FIFO, device or socket is refused, and a device is
// refused before it is opened at all (opening some has side effects). A file
// whose owner write bit is clear is read-only, and opening it for writing
// fails even for root, as Windows refuses a read-only file to everyone. The
// check and the open are not atomic; the fstat after the open decides.
#pragma once

#include <sys/stat.h>

#include "platform/os/windows_types.h"

#include <string>
#include <string_view>

// `name` for system calls into `path` (whose storage is reused, so a caller
// may keep one buffer); false for a name no system call can take.
bool SystemName(std::string_view name, std::string& path);

// A close-on-exec descriptor of the regular file `name` (O_NONBLOCK, which a
// regular file ignores), open for
// reading and/or writing; -1 on failure. `opened`, when given, receives the
// status of the very file the descriptor refers to.
int OpenRegularFile(std::string_view name, bool read, bool write,
                    struct stat* opened = nullptr);

// Sets what is given on an open descriptor (no fault seam; the callers
// consult theirs). A null time is left as it was. Nonzero on success.
int SetDescriptorTimes(int fd, const FILETIME* access, const FILETIME* lastWrite);
