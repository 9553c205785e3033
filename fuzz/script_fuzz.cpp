// Fuzz target: the driver's script syntax. Each line of the input goes
// through drive::ParseLine, every word through ParseKey, and the whole input
// through drive::Quote. Checks:
//  - a word is never empty and holds no space, tab, CR or quote;
//  - Quote's output of any bytes reads back, as a script text, into the
//    same bytes; where a character with two codes occurs (doubly_coded.h),
//    into as many bytes;
//  - so does every text token a line held.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>

#include "fuzz/doubly_coded.h"
#include "tools/drive/keys.h"
#include "tools/drive/script.h"

namespace {

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "script_fuzz: %s\n", what);
  std::abort();
}

void Check(bool ok, const char* what) {
  if (!ok) Fail(what);
}

void CheckQuoteReadsBack(std::string_view bytes) {
  const std::string quoted = drive::Quote(bytes);
  auto parsed = drive::ParseLine("type " + quoted);
  const auto* tokens = std::get_if<std::vector<drive::Token>>(&parsed);
  Check(tokens != nullptr, "a quoted text does not parse");
  Check(tokens->size() == 2 && (*tokens)[1].quoted, "a quoted text is not one text token");
  const std::string& text = (*tokens)[1].text;
  Check(text.size() == bytes.size(), "a quoted text reads back with another length");
  if (!fuzz::HasDoublyCodedPair(bytes))
    Check(text == bytes, "a quoted text reads back changed");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  CheckQuoteReadsBack(input);

  // Lines as the driver reads them (std::getline splits at LF).
  for (std::size_t start = 0; start <= input.size();) {
    std::size_t end = input.find('\n', start);
    if (end == std::string_view::npos) end = input.size();
    auto parsed = drive::ParseLine(input.substr(start, end - start));
    if (const auto* tokens = std::get_if<std::vector<drive::Token>>(&parsed)) {
      for (const drive::Token& t : *tokens) {
        if (t.quoted) {
          CheckQuoteReadsBack(t.text);
          continue;
        }
        Check(!t.text.empty() && t.text.find_first_of(" \t\r\"") == std::string::npos,
              "a malformed word");
        (void)drive::ParseKey(t.text);
      }
    } else {
      Check(!std::get<drive::ParseError>(parsed).message.empty(), "an error without a message");
    }
    start = end + 1;
  }
  return 0;
}
