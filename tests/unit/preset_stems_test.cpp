// The file-name stems a preset takes from EFileName: the name after the last
// "/", its extension cut at the last "." from the second byte on, then cut
// to 30 and 8 bytes (even inside a double-byte character).
#include <gtest/gtest.h>

#include "platform/text/cp932.h"
#include "header/presets.h"

namespace {

// UTF-8, or raw code page 932 bytes where the text is not valid UTF-8.
std::string Bytes(std::string_view text) {
  return cp932::TryFromUtf8(text).value_or(std::string(text));
}

TEST(PresetStems, FromTheFileName) {
  struct Case {
    const char* fileName;
    const char* title;
    const char* subtitle;
  };
  static constexpr Case kCases[] = {
      {"/home/u/sample.p2", "sample", "sample"},
      {"/d/archive.tar.p2", "archive.tar", "archive."},
      {"/d/.p2", ".p2", ".p2"},
      {"/d/..p2", ".", "."},
      {"/d/name.", "name", "name"},
      {"", "", ""},
      {"/d/pics/", "", ""},
      {"name.p2", "name", "name"},
      {"/d/v1.0/name", "name", "name"},
      {"/d/abcdefghijklmnopqrstuvwxyz0123456789ABCD.p2", "abcdefghijklmnopqrstuvwxyz0123",
       "abcdefgh"},
      {"/写真/x写真写真.p2", "x写真写真", "x\x8e\xca\x90\x5e\x8e\xca\x90"},
      {"/d/ソ.p2", "ソ", "ソ"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.fileName);
    const FileNameStems stems = StemsOf(Bytes(c.fileName));
    EXPECT_EQ(stems.title, Bytes(c.title));
    EXPECT_EQ(stems.subtitle, Bytes(c.subtitle));
  }
}

}  // namespace
