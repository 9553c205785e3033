// The driver's script syntax: one command a line, words separated by
// spaces, texts in double quotes with the escapes \" \\ \r \n \t and \xNN.
// Texts are UTF-8 in the script and come out as code page 932 bytes; \xNN
// bytes go in unchanged. A text also keeps its bytes as written (escapes
// applied, not converted), the system's form of a name. Pure code, no I/O:
// the fuzz target uses it too.
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace drive {

struct Token {
  bool quoted = false;
  std::string text;  // a word as written, or a text's code page 932 bytes
  std::string raw;   // a text's bytes as written
  // False for a text with a character code page 932 cannot hold; `text` is
  // then empty, and only a command that takes the raw bytes may use it.
  bool holdable = true;
};

// Why a text is not holdable, for the command that needs it.
inline constexpr const char* kNotHoldable = "text has a character that code page 932 cannot hold";

struct ParseError {
  std::string message;
};

// The tokens of one line; empty for a blank line or a comment.
std::variant<std::vector<Token>, ParseError> ParseLine(std::string_view line);

// A text for output: valid code page 932 characters as UTF-8; every other
// byte, and every control byte, as \xNN; " and \ escaped; in double quotes.
std::string Quote(std::string_view bytes);

}  // namespace drive
