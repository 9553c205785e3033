// Fuzz target: the code page 932 conversions and the delimiter search on
// arbitrary bytes. Checks:
//  - ToUtf8 gives valid UTF-8 that converts back to the same bytes, or, where
//    a character with two codes occurs (doubly_coded.h), to as many bytes;
//  - ToUtf8Exact gives the same text, or nothing exactly when some byte
//    needs a private-use stand-in;
//  - TryFromUtf8 on the bytes as UTF-8 gives, when it succeeds, bytes that
//    survive a further round trip unchanged (again unless a character with
//    two codes occurs), and leaves ASCII as it is;
//  - LastDelimiter finds a delimiter byte or nothing, agrees with a plain
//    search on ASCII, and always finds one appended that is no trail byte.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz/doubly_coded.h"
#include "platform/text/cp932.h"
#include "platform/text/utf8.h"

namespace {

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "cp932_fuzz: %s\n", what);
  std::abort();
}

void Check(bool ok, const char* what) {
  if (!ok) Fail(what);
}

bool IsValidUtf8(std::string_view s, bool& privateUse) {
  privateUse = false;
  for (std::size_t pos = 0; pos < s.size();) {
    const std::optional<char32_t> c = utf8::Next(s, pos);
    if (!c) return false;
    if (*c >= 0xF700 && *c <= 0xF7FF) privateUse = true;
  }
  return true;
}

bool IsAscii(std::string_view s) {
  for (char c : s)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

void CheckDelimiters(std::string_view bytes, std::string_view delimiters, char appended) {
  const std::size_t at = cp932::LastDelimiter(bytes, delimiters);
  Check(at == std::string_view::npos ||
            (at < bytes.size() && delimiters.find(bytes[at]) != std::string_view::npos),
        "LastDelimiter points at no delimiter");
  if (IsAscii(bytes))
    Check(at == bytes.find_last_of(delimiters), "LastDelimiter differs on ASCII");
  const std::string longer = std::string(bytes) + appended;
  Check(cp932::LastDelimiter(longer, delimiters) == bytes.size(),
        "an appended delimiter is not found");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  const std::string unicode = cp932::ToUtf8(bytes);
  bool privateUse = false;
  Check(IsValidUtf8(unicode, privateUse), "ToUtf8 gave invalid UTF-8");
  const std::optional<std::string> back = cp932::TryFromUtf8(unicode);
  Check(back.has_value(), "ToUtf8 gave text that does not convert back");
  Check(back->size() == bytes.size(), "the round trip changed the length");
  if (!fuzz::HasDoublyCodedPair(bytes))
    Check(*back == bytes, "the round trip changed a byte");

  const std::optional<std::string> exact = cp932::ToUtf8Exact(bytes);
  Check(exact.has_value() != privateUse, "ToUtf8Exact refuses exactly the undecodable");
  if (exact) Check(*exact == unicode, "ToUtf8Exact differs from ToUtf8");

  if (const std::optional<std::string> encoded = cp932::TryFromUtf8(bytes)) {
    if (!fuzz::HasDoublyCodedPair(*encoded))
      Check(cp932::TryFromUtf8(cp932::ToUtf8(*encoded)) == encoded, "encoding is not stable");
    if (IsAscii(bytes)) Check(*encoded == bytes, "ASCII changed");
  }

  // "/" and ":" are never the second byte of a double-byte character.
  CheckDelimiters(bytes, cp932::kPathDelimiters, '/');
  CheckDelimiters(bytes, "\\:", ':');
  return 0;
}
