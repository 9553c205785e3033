// Code page 932 (Windows Shift-JIS) helpers.
//
// Every text inside the program is a byte string in code page 932 and every
// length counts bytes. Lead bytes of double-byte characters are 0x81-0x9F and
// 0xE0-0xFC. Conversion to and from Unicode goes through glibc iconv "CP932"
// (never "SHIFT_JIS", which turns 0x5C into a yen sign).
//
// Towards Unicode nothing is ever dropped: a byte that does not decode (a lead
// byte cut off at the end, an invalid pair, a byte that maps to nothing) turns
// into the private-use character U+F700 + byte, which converts back to that
// same byte. So a text survives a round trip through a Unicode widget intact.
// Every function may be called from several threads at once: converters and
// their caches are kept per thread.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace cp932 {

bool IsLeadByte(unsigned char b);

// UTF-8 to code page 932. U+F700..U+F7FF become the single byte they stand
// for. Returns nothing when a character has no code page 932 form or the
// input is not valid UTF-8.
std::optional<std::string> TryFromUtf8(std::string_view utf8);

// For the program's own literals, which are all representable: converts, and
// aborts the process when a literal is not (a programming error).
std::string FromUtf8(std::string_view utf8);

// Code page 932 to UTF-8, lossless (undecodable bytes as U+F700 + byte).
std::string ToUtf8(std::string_view bytes);

// Code page 932 to UTF-8 for handing a name to the operating system: returns
// nothing when any byte does not decode, so no private-use character ever
// reaches a file name.
std::optional<std::string> ToUtf8Exact(std::string_view bytes);
// The same into `out`, replacing its contents and reusing its storage;
// false (with `out` unspecified) when a byte does not decode.
bool ToUtf8Exact(std::string_view bytes, std::string& out);

// The bytes a text holds after the user edited its Unicode rendering
// (ToUtf8 of `old`) into `edited` (UTF-8): the characters the edit left
// alone at either end keep their own bytes, and only what lies between is
// converted. So a character that has two codes (the NEC and IBM forms of
// one kanji) or a stray byte elsewhere in the text survives an edit.
// Nothing when the edited part has no code page 932 form.
std::optional<std::string> ApplyEdit(std::string_view old, std::string_view edited);

// Index of the last byte of `s` that is one of `delimiters` and is not the
// second byte of a double-byte character; npos when there is none. The
// delimiters are single-byte characters ("\\:" on Windows, "/" here).
std::size_t LastDelimiter(std::string_view s, std::string_view delimiters);

// The path delimiters of this platform.
inline constexpr std::string_view kPathDelimiters = "/";

}  // namespace cp932
