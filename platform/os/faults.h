// Fault injection for the file services, in the manner of a test VFS: a test
// asks for the nth call of an operation to fail, and that call then fails the
// way the real operation fails, so error paths run without a broken disk.
//
// How each injected failure looks:
//   StreamOpen, CreateFile   nothing is opened (null / INVALID_HANDLE_VALUE)
//   StreamRead, StreamWrite  a short transfer of half the bytes asked for,
//                            the rest not read or written; as with fread and
//                            fwrite the count returned is of whole items, so
//                            half the items, and a lone item comes back as 0
//                            with its first half moved
//   StreamClose              the stream is synced and released as
//                            usual, but the call reports failure
//   GetAttributes            INVALID_FILE_ATTRIBUTES
//   GetFileTime, SetFileTime FALSE, nothing read or changed
//
// Counting is safe from several threads, but "the nth call" is only
// meaningful with one. Faults and counts live for the process until
// ClearFaults; tests call it first.
#pragma once

enum class FileOp {
  StreamOpen,
  StreamRead,
  StreamWrite,
  StreamClose,
  GetAttributes,
  CreateFile,
  GetFileTime,
  SetFileTime,
};

// The nth call of `op` from now fails (1 = the next one). Several faults may
// be pending at once; nth below 1 is ignored.
void InjectFault(FileOp op, int nth);

// Drops every pending fault and zeroes the call counts.
void ClearFaults();

// Calls of `op` since the last ClearFaults.
int FaultCalls(FileOp op);

// For the services: counts one call of `op` and tells whether it is to fail.
bool FaultDue(FileOp op);
