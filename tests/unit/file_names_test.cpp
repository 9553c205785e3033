// The two forms of a file name: a name from the system becomes the window's
// only when it comes back as the very same name, and the window's becomes
// the system's only when every byte decodes.
#include <gtest/gtest.h>

#include "platform/os/names.h"
#include "platform/text/cp932.h"

namespace {

struct Case {
  const char* label;
  const char* system;  // the name as the system has it
  bool exact;
};

constexpr Case kCases[] = {
    {"kanji and kana", "/tmp/絵/表ソかな.p2", true},
    {"half-width kana", "/tmp/ｶﾅ.p2", true},
    {"ASCII with a backslash and a tilde", "/tmp/a\\b~c.p2", true},
    {"yen sign has no code of its own", "/tmp/¥.p2", false},
    {"accented Latin", "/tmp/café.p2", false},
    {"Hangul", "/tmp/한.p2", false},
    {"emoji", "/tmp/\xf0\x9f\x98\x80.p2", false},
    {"bytes that are no UTF-8", "/tmp/\xff\xfe.p2", false},
    {"a private-use stand-in for a byte", "/tmp/\xef\x9e\x81.p2", false},
    // One code in code page 932 for two characters: the name would come
    // back as another file's.
    {"wave dash U+301C", "/tmp/a〜.p2", false},
    {"minus sign U+2212", "/tmp/a−.p2", false},
    {"double vertical line U+2016", "/tmp/a‖.p2", false},
    {"em dash U+2014", "/tmp/a—.p2", false},
    {"cent sign", "/tmp/a¢.p2", false},
    {"pound sign", "/tmp/a£.p2", false},
    {"not sign", "/tmp/a¬.p2", false},
    {"their look-alikes are exact: fullwidth tilde", "/tmp/a～.p2", true},
    {"fullwidth hyphen-minus", "/tmp/a－.p2", true},
};

TEST(FileNames, FromTheSystemOnlyWhenExact) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.label);
    const std::optional<std::string> window = WindowFileName(c.system);
    EXPECT_EQ(window.has_value(), c.exact);
    if (window) {
      EXPECT_EQ(SystemFileName(*window), std::string(c.system));
    }
  }
}

TEST(FileNames, ToTheSystemOnlyWhenEveryByteDecodes) {
  EXPECT_EQ(SystemFileName("\x95\x5C.p2"), std::string("表.p2"));
  EXPECT_EQ(SystemFileName("raw\x81"), std::nullopt);         // a lead byte cut off
  EXPECT_EQ(SystemFileName(std::string("a\0b", 3)), std::nullopt);
  EXPECT_EQ(WindowFileName(std::string("a\0b", 3)), std::nullopt);
}

}  // namespace
