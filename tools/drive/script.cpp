#include "tools/drive/script.h"

#include <cstdio>
#include <optional>

#include "platform/text/cp932.h"

namespace drive {
namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

struct ReadTextResult {
  std::string text, raw;
  bool holdable = true;
};

// Reads a quoted text starting after its opening quote; `i` ends after the
// closing quote.
std::optional<ReadTextResult> ReadText(std::string_view line, std::size_t& i, std::string& error) {
  ReadTextResult r;
  std::string utf8;
  auto flush = [&] {
    if (utf8.empty()) return;
    std::optional<std::string> bytes = cp932::TryFromUtf8(utf8);
    if (bytes)
      r.text += *bytes;
    else
      r.holdable = false;
    utf8.clear();
  };
  auto add = [&](char c) {
    utf8 += c;
    r.raw += c;
  };
  while (i < line.size()) {
    const char c = line[i++];
    if (c == '"') {
      flush();
      if (!r.holdable) r.text.clear();
      return r;
    }
    if (c != '\\') {
      add(c);
      continue;
    }
    if (i >= line.size()) break;
    const char e = line[i++];
    switch (e) {
      case '"': add('"'); break;
      case '\\': add('\\'); break;
      case 'r': add('\r'); break;
      case 'n': add('\n'); break;
      case 't': add('\t'); break;
      case 'x': {
        const int hi = i < line.size() ? HexDigit(line[i]) : -1;
        const int lo = i + 1 < line.size() ? HexDigit(line[i + 1]) : -1;
        if (hi < 0 || lo < 0) {
          error = "\\x needs two hex digits";
          return std::nullopt;
        }
        i += 2;
        flush();
        r.text += static_cast<char>(hi * 16 + lo);
        r.raw += static_cast<char>(hi * 16 + lo);
        break;
      }
      default:
        error = std::string("unknown escape \\") + e;
        return std::nullopt;
    }
  }
  error = "unterminated text";
  return std::nullopt;
}

}  // namespace

std::variant<std::vector<Token>, ParseError> ParseLine(std::string_view line) {
  std::vector<Token> tokens;
  std::size_t i = 0;
  while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) ++i;
  if (i == line.size() || line[i] == '#') return tokens;
  while (i < line.size()) {
    const char c = line[i];
    if (c == ' ' || c == '\t' || c == '\r') {
      ++i;
      continue;
    }
    if (c == '"') {
      ++i;
      std::string error;
      std::optional<ReadTextResult> text = ReadText(line, i, error);
      if (!text) return ParseError{error};
      if (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r')
        return ParseError{"text must be followed by a space"};
      tokens.push_back({true, std::move(text->text), std::move(text->raw), text->holdable});
      continue;
    }
    const std::size_t start = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') {
      if (line[i] == '"') return ParseError{"quote inside a word"};
      ++i;
    }
    tokens.push_back({false, std::string(line.substr(start, i - start)), {}, true});
  }
  return tokens;
}

std::string Quote(std::string_view bytes) {
  std::string out = "\"";
  auto hex = [&](unsigned char b) {
    char buf[5];
    std::snprintf(buf, sizeof buf, "\\x%02x", b);
    out += buf;
  };
  for (std::size_t i = 0; i < bytes.size();) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b < 0x20 || b == 0x7F) {
      hex(b);
      ++i;
      continue;
    }
    if (b == '"' || b == '\\') {
      out += '\\';
      out += static_cast<char>(b);
      ++i;
      continue;
    }
    if (b < 0x80) {
      out += static_cast<char>(b);
      ++i;
      continue;
    }
    const std::size_t len = cp932::IsLeadByte(b) && i + 1 < bytes.size() ? 2 : 1;
    std::optional<std::string> utf8 = cp932::ToUtf8Exact(bytes.substr(i, len));
    if (utf8) {
      out += *utf8;
      i += len;
    } else {
      hex(b);
      ++i;
    }
  }
  out += '"';
  return out;
}

}  // namespace drive
