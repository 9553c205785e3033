// Characters with two codes in code page 932: the NEC-selected IBM
// extensions (rows 0xED and 0xEE), the NEC symbols of row 0x87 that row 0x81
// also has, and IBM's own copies in rows 0xFA to 0xFC. Unicode has one code
// point for both codes, so a round trip through Unicode gives the code iconv
// prefers and the bytes change. The fuzz targets ask for exact round trips
// only where no such pair occurs.
#pragma once

#include <string_view>

#include "platform/text/cp932.h"

namespace fuzz {

// Whether some two bytes of `bytes`, wherever they start, are a character
// that comes back from Unicode with the other code.
inline bool HasDoublyCodedPair(std::string_view bytes) {
  for (std::size_t i = 0; i + 1 < bytes.size(); ++i) {
    if (!cp932::IsLeadByte(static_cast<unsigned char>(bytes[i]))) continue;
    const std::string_view pair = bytes.substr(i, 2);
    const auto unicode = cp932::ToUtf8Exact(pair);
    if (unicode && cp932::TryFromUtf8(*unicode) != pair) return true;
  }
  return false;
}

}  // namespace fuzz
