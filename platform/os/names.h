// File names in their two forms. The window holds a name as code page 932
// bytes (the window's form: what EFileName shows and the user types); the
// system names files by bytes of its own (UTF-8 on Linux), which is what the
// file services take. Each conversion is exact or refused, so a name reaches
// the file system only as the very name it stood for.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The system's form of a name the window holds: nothing when a byte does not
// decode, or the name holds a NUL byte.
std::optional<std::string> SystemFileName(std::string_view windowName);

// The window's form of a name the system gave (the open dialog, the command
// line, a drop): nothing unless code page 932 holds it exactly, that is,
// unless its bytes turn back into the very same name. "〜" (U+301C) does not:
// its code 0x8160 reads back as "～" (U+FF5E), the name of another file.
std::optional<std::string> WindowFileName(std::string_view systemName);
