// The driver's script syntax: one command a line, words separated by
// spaces, texts in double quotes with the escapes \" \\ \r \n \t and \xNN.
// Texts are UTF-8 in the script and come out as code page 932 bytes; \xNN
// bytes go in unchanged. Pure code, no I/O: the fuzz target uses it too.
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace drive {

struct Token {
  bool quoted = false;
  std::string text;  // a word as written, or a text's code page 932 bytes
};

struct ParseError {
  std::string message;
};

// The tokens of one line; empty for a blank line or a comment.
std::variant<std::vector<Token>, ParseError> ParseLine(std::string_view line);

// A text for output: valid code page 932 characters as UTF-8; every other
// byte, and every control byte, as \xNN; " and \ escaped; in double quotes.
std::string Quote(std::string_view bytes);

}  // namespace drive
