#include "tests/contract/fixtures.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <filesystem>

namespace contract {
namespace {

constexpr time_t kStamp = 1000000000;

void SetTime(const std::string& path) {
  const timespec times[2] = {{kStamp, 0}, {kStamp, 0}};
  utimensat(AT_FDCWD, path.c_str(), times, 0);
}

void SetBytes(Pic2Header& h, HeaderField f, const std::string& bytes) {
  const FieldSpan s = Span(f);
  for (int i = 0; i < s.width; ++i)
    h.bytes[static_cast<std::size_t>(s.offset + i)] =
        static_cast<std::uint8_t>(i < static_cast<int>(bytes.size()) ? bytes[static_cast<std::size_t>(i)] : ' ');
}

}  // namespace

Fixtures::Fixtures() { Make(); }

void Fixtures::Make() {
  namespace fs = std::filesystem;
  for (const auto& entry : fs::directory_iterator(Dir())) fs::remove_all(entry.path());
  fs::create_directory(Dir() + "/bin");
  fs::create_directory(Dir() + "/nocfg");
  scenario::WriteBytes(Dir() + "/bin/vexmorel.cfg", scenario::DefaultSettings(Dir() + "/"));

  using F = HeaderField;
  const Pic2Header valid = scenario::ValidHeader();
  scenario::WritePic2(Dir() + "/a.p2", valid);

  Pic2Header blank = valid;
  // A text field shows nothing only when it begins with a NUL.
  SetBytes(blank, F::Author, std::string(1, '\0'));
  SetBytes(blank, F::SubTitle, std::string(1, '\0'));
  scenario::WritePic2(Dir() + "/blank.p2", blank);

  Pic2Header odd = valid;
  SetBytes(odd, F::Author, "A\x81\x20" "B");
  SetBytes(odd, F::SubTitle, "\xB1\xB2\xB3\xB4");
  SetBytes(odd, F::MainTitle, std::string(29, 'x') + "\x88");
  scenario::WritePic2(Dir() + "/odd.p2", odd);

  // A name code page 932 cannot hold exactly ("〜" would come back as "～").
  scenario::WritePic2(Dir() + "/波〜.p2", valid);

  for (const char* name : {"/a.p2", "/blank.p2", "/odd.p2", "/波〜.p2"}) SetTime(Dir() + name);
}

std::string Fixtures::Expand(const std::string& text) const {
  std::string out = text;
  for (std::size_t at; (at = out.find("$DIR")) != std::string::npos;) out.replace(at, 4, Dir());
  return out;
}

}  // namespace contract
