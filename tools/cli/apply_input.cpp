#include "tools/cli/apply_input.h"

#include <cstdio>

#include "tools/cli/json.h"
#include "tools/cli/messages.h"
#include "tools/cli/text.h"

namespace cli {
namespace {

bool IsBlank(std::string_view s) {
  return s.find_first_not_of(" \t\r") == std::string_view::npos;
}

ApplyLine Malformed(ApplyLine& line, std::string why) {
  line.path.clear();
  line.edits.clear();
  line.error = std::move(why);
  return line;
}

}  // namespace

ApplyLine ParseApplyLine(std::size_t number, std::string_view text) {
  ApplyLine line;
  line.number = number;
  std::string error;
  const std::optional<std::vector<JsonMember>> members = ParseJsonObject(text, error);
  if (!members) return Malformed(line, error);
  bool hasPath = false;
  for (const JsonMember& m : *members) {
    if (m.key == "path") {
      if (m.kind != JsonKind::String || m.text.empty())
        return Malformed(line, Tr("\"path\" must be a non-empty string"));
      line.path = SystemPath(m.text);
      hasPath = true;
      continue;
    }
    const std::optional<Key> key = m.key == "preset" ? std::nullopt : KeyNamed(m.key);
    if (m.key != "preset" && !key) return Malformed(line, Tr("unknown key: ") + m.key);
    if (key && !SpecOf(*key).settable) continue;  // read only: ignored
    const bool numberAllowed = key == Key::Number;
    if (m.kind != JsonKind::String && !(numberAllowed && m.kind == JsonKind::Number))
      return Malformed(line, Tr("wrong kind of value for ") + m.key);
    Edit e;
    if (std::optional<std::string> why = MakeEdit(key, m.text, e))
      return Malformed(line, m.key + " \"" + PlainText(m.text) + "\" " + *why);
    line.edits.push_back(std::move(e));
  }
  if (!hasPath) return Malformed(line, Tr("no \"path\""));
  return line;
}

std::optional<std::string> ReadApplyInput(const std::string& operand, std::vector<ApplyLine>& out) {
  std::FILE* in = operand == "-" ? stdin : std::fopen(operand.c_str(), "rb");
  if (!in) return Tr("cannot read the input: ") + PlainText(PathText(operand));
  std::string text;
  char buffer[1 << 16];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, in)) > 0;) text.append(buffer, n);
  const bool failed = std::ferror(in) != 0;
  if (in != stdin) std::fclose(in);
  if (failed) return Tr("cannot read the input: ") + PlainText(PathText(operand));
  std::size_t number = 0;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    ++number;
    const std::string_view line(text.data() + start, end - start);
    if (!IsBlank(line)) out.push_back(ParseApplyLine(number, line));
    start = end + 1;
  }
  return std::nullopt;
}

}  // namespace cli
