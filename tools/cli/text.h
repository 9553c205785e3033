// How the command line writes and takes texts that are not plain UTF-8.
//
// Header texts reach the user as UTF-8 in which each byte that does not
// decode as code page 932 is the private-use character U+F700 + byte (the
// conversion of platform/text/cp932.h). Paths get the same treatment for
// each byte that is not part of valid UTF-8, so every name survives a trip
// through JSON or CSV and back. A path that really holds a character
// U+F700..U+F7FF reads back as the byte it stands for: such names are not
// told apart.
#pragma once

#include <string>
#include <string_view>

namespace cli {

// A path in the system's form as UTF-8 text with stand-ins.
std::string PathText(std::string_view systemPath);

// The inverse: UTF-8 text (already known to be valid) with stand-ins back
// to the system's bytes.
std::string SystemPath(std::string_view text);

// For the plain output: a stand-in and every control byte (below 0x20, and
// 0x7F) as \xNN with lower-case digits, a backslash as \\.
std::string PlainText(std::string_view text);

// Appends `text` as a JSON string, quotes included.
void AppendJsonString(std::string& out, std::string_view text);

// Appends `text` as one CSV field (RFC 4180): quoted when it holds a comma,
// a quote, CR or LF, with quotes doubled.
void AppendCsvField(std::string& out, std::string_view text);

}  // namespace cli
