#include "platform/text/cp932.h"

#include <iconv.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

#include "platform/text/utf8.h"

namespace cp932 {
namespace {

constexpr char32_t kPrivateBase = 0xF700;
constexpr char32_t kHalfWidthKatakana = 0xFF61;  // the character of byte 0xA1

bool IsTrailByte(unsigned char b) { return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC); }

bool IsHalfWidthKatakanaByte(unsigned char b) { return b >= 0xA1 && b <= 0xDF; }

// One converter per direction and thread, for the life of the thread: an
// iconv descriptor holds state and must not be shared. Without CP932 in
// iconv every Japanese text would silently turn into private-use characters,
// so a missing converter stops the program at once.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) {
      std::fprintf(stderr, "iconv cannot convert from %s to %s\n", from, to);
      std::abort();
    }
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  operator iconv_t() const { return cd_; }

 private:
  iconv_t cd_;
};

// Converts all of `in` with `cd`; false unless every byte was taken.
bool Convert(iconv_t cd, std::string_view in, std::string& out) {
  char buffer[16];
  char* in_ptr = const_cast<char*>(in.data());
  std::size_t in_left = in.size();
  char* out_ptr = buffer;
  std::size_t out_left = sizeof buffer;
  const std::size_t result = iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left);
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  if (result == static_cast<std::size_t>(-1) || in_left != 0) return false;
  out.assign(buffer, out_ptr);
  return true;
}

// iconv's answer for one character, kept: every text that the view shows
// or takes is converted character by character, and each answer depends on
// that character alone (Convert resets the state). `length` 0 means not
// asked yet; an answer too long for `bytes` is never kept.
struct Answer {
  std::uint8_t length;
  char bytes[3];
};
constexpr std::uint8_t kNoAnswer = 0xFF;  // the character does not convert

// Asks `cd` about `in` unless `a` holds the answer, and appends it to `out`.
bool Ask(iconv_t cd, std::string_view in, Answer& a, std::string& out) {
  if (a.length == 0) {
    std::string answer;
    if (!Convert(cd, in, answer)) {
      a.length = kNoAnswer;
    } else if (answer.size() > sizeof a.bytes) {
      out += answer;
      return true;
    } else {
      a.length = static_cast<std::uint8_t>(answer.size());
      std::memcpy(a.bytes, answer.data(), answer.size());
    }
  }
  if (a.length == kNoAnswer) return false;
  out.append(a.bytes, a.length);
  return true;
}

// Appends the UTF-8 form of a lead byte and a trail byte.
bool DecodePair(unsigned char lead, unsigned char trail, std::string& out) {
  thread_local const Converter cd("UTF-8", "CP932");
  // Lead bytes 0x81-0x9F and 0xE0-0xFC as 0..59, trail bytes 0x40-0xFC.
  // Kept per thread, as the converter is, so threads never share a cache.
  thread_local std::array<Answer, 60 * 189> answers{};
  const std::size_t row = lead <= 0x9F ? lead - 0x81u : lead - 0xE0u + 31u;
  const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
  return Ask(cd, {pair, 2}, answers[row * 189 + (trail - 0x40u)], out);
}

// Sets `bytes` to the code page 932 form of `c`, whose UTF-8 form is `utf8`.
bool EncodeCharacter(char32_t c, std::string_view utf8, std::string& bytes) {
  thread_local const Converter cd("CP932", "UTF-8");
  // The Basic Multilingual Plane in blocks of 256, made when first used;
  // code page 932 has nothing beyond it, so iconv's refusal there is not kept.
  thread_local std::array<std::unique_ptr<std::array<Answer, 256>>, 256> blocks;
  bytes.clear();
  if (c > 0xFFFF) return Convert(cd, utf8, bytes);
  std::unique_ptr<std::array<Answer, 256>>& block = blocks[c >> 8];
  if (!block) block = std::make_unique<std::array<Answer, 256>>();
  return Ask(cd, utf8, (*block)[c & 0xFFu], bytes);
}

// Decodes `bytes` into `out`. Undecodable bytes become U+F700 + byte, or
// end the walk with false when `exact`.
bool Decode(std::string_view bytes, std::string& out, bool exact) {
  for (std::size_t i = 0; i < bytes.size();) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b < 0x80) {
      // ASCII stands for itself: the whole run at once (paths are mostly it).
      std::size_t end = i + 1;
      while (end < bytes.size() && static_cast<unsigned char>(bytes[end]) < 0x80) ++end;
      out.append(bytes, i, end - i);
      i = end;
      continue;
    }
    if (IsHalfWidthKatakanaByte(b)) {
      utf8::Append(out, kHalfWidthKatakana + (b - 0xA1));
      ++i;
      continue;
    }
    if (IsLeadByte(b) && i + 1 < bytes.size() &&
        IsTrailByte(static_cast<unsigned char>(bytes[i + 1])) &&
        DecodePair(b, static_cast<unsigned char>(bytes[i + 1]), out)) {
      i += 2;
      continue;
    }
    if (exact) return false;
    utf8::Append(out, kPrivateBase + b);
    ++i;
  }
  return true;
}

// The length of each character of `bytes` as Decode splits them.
std::vector<std::size_t> CharacterLengths(std::string_view bytes) {
  std::vector<std::size_t> lengths;
  std::string scratch;
  for (std::size_t i = 0; i < bytes.size();) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    std::size_t len = 1;
    if (IsLeadByte(b) && i + 1 < bytes.size() &&
        IsTrailByte(static_cast<unsigned char>(bytes[i + 1])) &&
        DecodePair(b, static_cast<unsigned char>(bytes[i + 1]), scratch))
      len = 2;
    lengths.push_back(len);
    i += len;
  }
  return lengths;
}

std::optional<std::u32string> CodePoints(std::string_view utf8) {
  std::u32string out;
  for (std::size_t pos = 0; pos < utf8.size();) {
    const std::optional<char32_t> c = utf8::Next(utf8, pos);
    if (!c) return std::nullopt;
    out += *c;
  }
  return out;
}

}  // namespace

bool IsLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

std::optional<std::string> TryFromUtf8(std::string_view utf8) {
  std::string bytes;
  // No character takes more bytes in code page 932 than in UTF-8.
  bytes.reserve(utf8.size());
  std::string encoded;
  for (std::size_t pos = 0; pos < utf8.size();) {
    const std::size_t start = pos;
    const std::optional<char32_t> c = utf8::Next(utf8, pos);
    if (!c) return std::nullopt;
    if (*c < 0x80) {
      bytes.push_back(static_cast<char>(*c));
    } else if (*c >= kPrivateBase && *c <= kPrivateBase + 0xFF) {
      bytes.push_back(static_cast<char>(*c - kPrivateBase));
    } else {
      if (!EncodeCharacter(*c, utf8.substr(start, pos - start), encoded)) return std::nullopt;
      // iconv's CP932 turns U+00A5 and U+203E into 0x5C and 0x7E; here those
      // bytes are backslash and tilde only.
      if (encoded.size() == 1 && static_cast<unsigned char>(encoded[0]) < 0x80) return std::nullopt;
      bytes += encoded;
    }
  }
  return bytes;
}

std::string FromUtf8(std::string_view utf8) {
  std::optional<std::string> bytes = TryFromUtf8(utf8);
  if (!bytes) {
    std::fprintf(stderr, "text has no code page 932 form: %.*s\n", static_cast<int>(utf8.size()),
                 utf8.data());
    std::abort();
  }
  return *std::move(bytes);
}

std::string ToUtf8(std::string_view bytes) {
  std::string out;
  // A double-byte character takes three bytes in UTF-8: one allocation.
  out.reserve(bytes.size() + bytes.size() / 2);
  Decode(bytes, out, false);
  return out;
}

std::optional<std::string> ToUtf8Exact(std::string_view bytes) {
  std::string out;
  if (!ToUtf8Exact(bytes, out)) return std::nullopt;
  return out;
}

bool ToUtf8Exact(std::string_view bytes, std::string& out) {
  out.clear();
  out.reserve(bytes.size() + bytes.size() / 2);
  return Decode(bytes, out, true);
}

std::optional<std::string> ApplyEdit(std::string_view old, std::string_view edited) {
  const std::optional<std::u32string> before = CodePoints(ToUtf8(old));
  const std::optional<std::u32string> after = CodePoints(edited);
  if (!before || !after) return std::nullopt;
  // Every character of `old` decodes to exactly one code point.
  const std::vector<std::size_t> lengths = CharacterLengths(old);
  std::size_t head = 0;
  while (head < before->size() && head < after->size() && (*before)[head] == (*after)[head])
    ++head;
  std::size_t tail = 0;
  while (tail < before->size() - head && tail < after->size() - head &&
         (*before)[before->size() - 1 - tail] == (*after)[after->size() - 1 - tail])
    ++tail;
  std::string middle;
  for (std::size_t i = head; i < after->size() - tail; ++i) utf8::Append(middle, (*after)[i]);
  std::optional<std::string> converted = TryFromUtf8(middle);
  if (!converted) return std::nullopt;
  std::size_t headBytes = 0, tailBytes = 0;
  for (std::size_t i = 0; i < head; ++i) headBytes += lengths[i];
  for (std::size_t i = 0; i < tail; ++i) tailBytes += lengths[lengths.size() - 1 - i];
  return std::string(old.substr(0, headBytes)) + *converted +
         std::string(old.substr(old.size() - tailBytes));
}

std::size_t LastDelimiter(std::string_view s, std::string_view delimiters) {
  std::size_t found = std::string_view::npos;
  for (std::size_t i = 0; i < s.size();) {
    const auto b = static_cast<unsigned char>(s[i]);
    if (IsLeadByte(b) && i + 1 < s.size() && IsTrailByte(static_cast<unsigned char>(s[i + 1]))) {
      i += 2;
      continue;
    }
    if (delimiters.find(s[i]) != std::string_view::npos) found = i;
    ++i;
  }
  return found;
}

}  // namespace cp932
