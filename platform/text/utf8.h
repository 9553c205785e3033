// UTF-8 in and out, one code point at a time, for the code page 932
// conversions beside this file.
//
// Decoding is strict: overlong forms, surrogates and code points above
// U+10FFFF are errors, so nothing malformed reaches iconv. Encoding assumes a
// valid code point (it never sees anything else here).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace utf8 {

// The code point starting at `pos`, advancing `pos` past it; nothing (and
// `pos` unchanged) when the bytes there are not one valid UTF-8 character.
std::optional<char32_t> Next(std::string_view s, std::size_t& pos);

void Append(std::string& out, char32_t c);

}  // namespace utf8
