// A text of the program's own, written in UTF-8, as code page 932 bytes.
// Each text is converted on its first use and kept for the run, so a text
// shown again costs neither a conversion nor a copy. For the program's
// literals only (every distinct text stays); one thread.
#pragma once

#include <string>

const std::string& Sj(const char* utf8);
