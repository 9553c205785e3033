#include "tools/cli/text.h"

#include "platform/text/utf8.h"

namespace cli {
namespace {

constexpr char32_t kStandIn = 0xF700;

bool IsStandIn(char32_t c) { return c >= kStandIn && c <= kStandIn + 0xFF; }

void AppendHexByte(std::string& out, unsigned b) {
  static constexpr char kDigits[] = "0123456789abcdef";
  out += "\\x";
  out += kDigits[(b >> 4) & 0xF];
  out += kDigits[b & 0xF];
}

}  // namespace

std::string PathText(std::string_view systemPath) {
  std::string out;
  out.reserve(systemPath.size());
  for (std::size_t pos = 0; pos < systemPath.size();) {
    const std::size_t start = pos;
    if (const std::optional<char32_t> c = utf8::Next(systemPath, pos)) {
      out.append(systemPath, start, pos - start);
    } else {
      utf8::Append(out, kStandIn + static_cast<unsigned char>(systemPath[pos]));
      ++pos;
    }
  }
  return out;
}

std::string SystemPath(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t start = pos;
    const std::optional<char32_t> c = utf8::Next(text, pos);
    if (!c) {  // not reached for valid input; keep the byte rather than lose it
      out += text[pos++];
    } else if (IsStandIn(*c)) {
      out += static_cast<char>(*c - kStandIn);
    } else {
      out.append(text, start, pos - start);
    }
  }
  return out;
}

std::string PlainText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t start = pos;
    const std::optional<char32_t> c = utf8::Next(text, pos);
    if (!c) {
      AppendHexByte(out, static_cast<unsigned char>(text[pos++]));
    } else if (IsStandIn(*c)) {
      AppendHexByte(out, *c - kStandIn);
    } else if (*c < 0x20 || *c == 0x7F) {
      AppendHexByte(out, *c);
    } else if (*c == '\\') {
      out += "\\\\";
    } else {
      out.append(text, start, pos - start);
    }
  }
  return out;
}

void AppendJsonString(std::string& out, std::string_view text) {
  static constexpr char kDigits[] = "0123456789abcdef";
  out += '"';
  for (const char ch : text) {
    const auto b = static_cast<unsigned char>(ch);
    switch (ch) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (b < 0x20) {
          out += "\\u00";
          out += kDigits[b >> 4];
          out += kDigits[b & 0xF];
        } else {
          out += ch;
        }
    }
  }
  out += '"';
}

void AppendCsvField(std::string& out, std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
    out += text;
    return;
  }
  out += '"';
  for (const char ch : text) {
    if (ch == '"') out += '"';
    out += ch;
  }
  out += '"';
}

}  // namespace cli
