#include "platform/text/sj.h"

#include <functional>
#include <string_view>
#include <unordered_map>

#include "platform/text/cp932.h"

namespace {

// Looks a text up by its UTF-8 bytes without building a key string.
struct TextHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};

}  // namespace

const std::string& Sj(const char* utf8) {
  static std::unordered_map<std::string, std::string, TextHash, std::equal_to<>> converted;
  const std::string_view key(utf8);
  if (const auto it = converted.find(key); it != converted.end()) return it->second;
  return converted.emplace(key, cp932::FromUtf8(key)).first->second;
}
