// Build step: turns the default settings file's UTF-8 source into the file
// the program reads, in code page 932 with CR LF after every line, and then
// loads the result with the program's own reader, so the build fails rather
// than ship a file that would greet the user with a settings message.
//
// Usage: vexmorel-settings SOURCE OUTPUT
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/text/cp932.h"
#include "settings/settings_file.h"

namespace {

int Fail(const std::string& output, const std::string& why) {
  std::fprintf(stderr, "vexmorel-settings: %s\n", why.c_str());
  std::remove(output.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: vexmorel-settings SOURCE OUTPUT\n");
    return 2;
  }
  const std::string output = argv[2];
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) return Fail(output, std::string("cannot read ") + argv[1]);

  std::string bytes;
  std::string line;
  int count = 0;
  while (std::getline(in, line)) {
    // A checkout with CR LF line ends gives the same file.
    if (!line.empty() && line.back() == '\r') line.pop_back();
    ++count;
    const std::optional<std::string> converted = cp932::TryFromUtf8(line);
    if (!converted) return Fail(output, "line " + std::to_string(count) + " is not code page 932");
    if (converted->size() > kSettingsTextLimit)
      return Fail(output, "line " + std::to_string(count) + " is longer than 255 bytes");
    bytes += *converted + "\r\n";
  }
  if (count != 22) return Fail(output, "the source must have 22 lines");
  if (bytes.size() > kSettingsReadSize) return Fail(output, "the file is over 8192 bytes");

  std::ofstream out(output, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) return Fail(output, "cannot write " + output);

  SettingsRecord values;
  if (ReadSettingsFile(output, values) != SettingsError::None)
    return Fail(output, "the file does not load");
  return 0;
}
