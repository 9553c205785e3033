// The JSON the `apply` command reads: one object per line. Each member is
// kept in the order given, with its value's kind and text (a string
// unescaped to UTF-8, a number as written, anything else as its kind only).
// Strict: the whole line must be one object and nothing else, strings must
// be valid UTF-8 without lone surrogates, and a key may appear only once.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

enum class JsonKind { String, Number, Other };

struct JsonMember {
  std::string key;
  JsonKind kind;
  std::string text;  // the string's UTF-8, or the number as written
};

// The members, or nothing with `error` set to what is wrong.
std::optional<std::vector<JsonMember>> ParseJsonObject(std::string_view line, std::string& error);

}  // namespace cli
