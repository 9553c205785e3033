#include "tools/cli/json.h"

#include "platform/text/utf8.h"
#include "tools/cli/messages.h"

namespace cli {
namespace {

// Nesting deeper than this is refused rather than recursed into.
constexpr int kMaxDepth = 64;

class Parser {
 public:
  explicit Parser(std::string_view s) : s_(s) {}

  std::optional<std::vector<JsonMember>> Object(std::string& error) {
    std::vector<JsonMember> members;
    Space();
    if (!Take('{')) return Fail(error, "not a JSON object");
    Space();
    if (!Take('}')) {
      for (;;) {
        JsonMember m;
        Space();
        if (Peek() != '"' || !String(m.key)) return Fail(error, "malformed JSON");
        for (const JsonMember& other : members)
          if (other.key == m.key) return Fail(error, "a key appears twice");
        Space();
        if (!Take(':') || !Value(m, 1)) return Fail(error, "malformed JSON");
        members.push_back(std::move(m));
        Space();
        if (Take(',')) continue;
        if (Take('}')) break;
        return Fail(error, "malformed JSON");
      }
    }
    Space();
    if (pos_ != s_.size()) return Fail(error, "not a JSON object");
    return members;
  }

 private:
  static std::nullopt_t Fail(std::string& error, const char* english) {
    error = Tr(english);
    return std::nullopt;
  }

  char Peek() const { return pos_ < s_.size() ? s_[pos_] : '\0'; }
  bool Take(char c) {
    if (Peek() != c || pos_ >= s_.size()) return false;
    ++pos_;
    return true;
  }
  void Space() {
    while (pos_ < s_.size() && (s_[pos_] == ' ' || s_[pos_] == '\t' || s_[pos_] == '\r' ||
                                s_[pos_] == '\n'))
      ++pos_;
  }
  bool Word(std::string_view w) {
    if (s_.substr(pos_, w.size()) != w) return false;
    pos_ += w.size();
    return true;
  }

  bool Value(JsonMember& m, int depth) {
    Space();
    const char c = Peek();
    if (c == '"') {
      m.kind = JsonKind::String;
      return String(m.text);
    }
    if (c == '-' || (c >= '0' && c <= '9')) {
      m.kind = JsonKind::Number;
      return Number(m.text);
    }
    m.kind = JsonKind::Other;
    if (depth > kMaxDepth) return false;
    if (c == '{' || c == '[') return Nested(depth);
    return Word("true") || Word("false") || Word("null");
  }

  // An object or array whose content is checked and dropped.
  bool Nested(int depth) {
    const char close = s_[pos_] == '{' ? '}' : ']';
    const bool object = close == '}';
    ++pos_;
    Space();
    if (Take(close)) return true;
    for (;;) {
      JsonMember m;
      Space();
      if (object) {
        std::string key;
        if (Peek() != '"' || !String(key)) return false;
        Space();
        if (!Take(':')) return false;
      }
      if (!Value(m, depth + 1)) return false;
      Space();
      if (Take(',')) continue;
      return Take(close);
    }
  }

  bool Number(std::string& out) {
    const std::size_t start = pos_;
    Take('-');
    if (!Take('0') && !Digits()) return false;
    if (Take('.') && !Digits()) return false;
    if (Peek() == 'e' || Peek() == 'E') {
      ++pos_;
      if (!Take('+')) Take('-');
      if (!Digits()) return false;
    }
    out.assign(s_, start, pos_ - start);
    return true;
  }

  bool Digits() {
    const std::size_t start = pos_;
    while (Peek() >= '0' && Peek() <= '9' && pos_ < s_.size()) ++pos_;
    return pos_ > start;
  }

  bool Hex4(char32_t& v) {
    if (pos_ + 4 > s_.size()) return false;
    v = 0;
    for (int i = 0; i < 4; ++i) {
      const char c = s_[pos_++];
      v <<= 4;
      if (c >= '0' && c <= '9') v |= static_cast<char32_t>(c - '0');
      else if (c >= 'a' && c <= 'f') v |= static_cast<char32_t>(c - 'a' + 10);
      else if (c >= 'A' && c <= 'F') v |= static_cast<char32_t>(c - 'A' + 10);
      else return false;
    }
    return true;
  }

  bool String(std::string& out) {
    out.clear();
    ++pos_;  // the opening quote
    while (pos_ < s_.size()) {
      const auto b = static_cast<unsigned char>(s_[pos_]);
      if (b == '"') {
        ++pos_;
        return true;
      }
      if (b < 0x20) return false;
      if (b != '\\') {
        const std::size_t start = pos_;
        if (!utf8::Next(s_, pos_)) return false;
        out.append(s_, start, pos_ - start);
        continue;
      }
      ++pos_;
      if (pos_ >= s_.size()) return false;
      const char e = s_[pos_++];
      switch (e) {
        case '"': out += '"'; break;
        case '\\': out += '\\'; break;
        case '/': out += '/'; break;
        case 'b': out += '\b'; break;
        case 'f': out += '\f'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'u': {
          char32_t c;
          if (!Hex4(c)) return false;
          if (c >= 0xDC00 && c <= 0xDFFF) return false;
          if (c >= 0xD800 && c <= 0xDBFF) {
            char32_t low;
            if (!Take('\\') || !Take('u') || !Hex4(low) || low < 0xDC00 || low > 0xDFFF)
              return false;
            c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
          }
          utf8::Append(out, c);
          break;
        }
        default: return false;
      }
    }
    return false;
  }

  std::string_view s_;
  std::size_t pos_ = 0;
};

}  // namespace

std::optional<std::vector<JsonMember>> ParseJsonObject(std::string_view line, std::string& error) {
  return Parser(line).Object(error);
}

}  // namespace cli
