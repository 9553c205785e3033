#include "tests/soak/fixtures.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <stdexcept>

#include "platform/text/cp932.h"
#include "tests/scenario/support.h"

namespace soak {
namespace {

using F = HeaderField;

std::string Bytes(const Pic2Header& h) {
  return std::string(reinterpret_cast<const char*>(h.bytes.data()), h.bytes.size());
}

void Put(Pic2Header& h, F f, std::string_view bytes) {
  std::copy(bytes.begin(), bytes.end(), h.bytes.begin() + Span(f).offset);
}

// Texts Unicode cannot show: a double-byte character cut at the author's
// end, an invalid pair, a NUL inside the subtitle, a one-byte saving
// software.
Pic2Header OddTexts() {
  Pic2Header h = scenario::ValidHeader();
  Put(h, F::Author, std::string(17, 'a') + "\x82");
  Put(h, F::SubTitle, std::string("ab\0cd   ", 8));
  Put(h, F::MainTitle, "\x81\x20\xfd" + std::string(27, 'z'));
  Put(h, F::SaverName, "S" + std::string(29, ' '));
  return h;
}

// Numbers at their edges: 0, an aspect over 99, the last second a count
// holds, every mode bit.
Pic2Header Extremes() {
  Pic2Header h = scenario::ValidHeader();
  scenario::SetNumber(h, F::Number, 0);
  scenario::SetNumber(h, F::AspectX, 100);
  scenario::SetNumber(h, F::AspectY, 0);
  scenario::SetNumber(h, F::CreationTime, 0xFFFFFFFF);
  scenario::SetNumber(h, F::ImageWidth, 65535);
  h.bytes[Span(F::Mode).offset] = 0x0F;
  return h;
}

std::string Random(std::mt19937_64& random, std::size_t n) {
  std::string s(n, '\0');
  for (char& c : s) c = static_cast<char>(random());
  return s;
}

std::string Settings(const std::vector<std::string>& utf8Lines) {
  std::string s;
  for (const std::string& l : utf8Lines) s += cp932::FromUtf8(l) + "\r\n";
  return s;
}

}  // namespace

FileState ReadState(const std::string& path) {
  FileState s;
  struct stat st {};
  if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return s;
  s.bytes = scenario::ReadBytes(path);
  s.modified = st.st_mtim;
  return s;
}

Fixtures::Fixtures(std::mt19937_64& random) {
  char pattern[] = "/tmp/vexmorel-soak-XXXXXX";
  if (!mkdtemp(pattern)) throw std::runtime_error("mkdtemp failed");
  // Real paths throughout, so that a path the program names can be looked
  // up after resolving it.
  folder_ = std::filesystem::canonical(pattern).string();
  const std::string d = folder_ + "/";
  std::filesystem::create_directory(d + "絵");
  std::filesystem::create_directory(d + "folder.p2");
  mkfifo((d + "fifo.p2").c_str(), 0644);

  const Pic2Header good = scenario::ValidHeader();
  Pic2Header kanji = good;
  scenario::SetText(kanji, F::Author, "山田 花子");
  Pic2Header lower = good;
  Put(lower, F::Magic, "p2dt");
  Add("a.p2", Bytes(good) + Random(random, 64));
  Add("b.p2", Bytes(kanji));
  Add("big.p2", Bytes(good) + Random(random, 70000));
  Add("絵/c.p2", Bytes(OddTexts()) + Random(random, 10));
  Add("ソ表.p2", Bytes(Extremes()) + Random(random, 1));
  Add("ro.p2", Bytes(good) + Random(random, 8));
  Add(".hidden.p2", Bytes(good) + Random(random, 8));
  Add("short.p2", Bytes(good).substr(0, 119));
  Add("empty.p2", "");
  Add("lower.p2", Bytes(lower) + Random(random, 8));
  Add("text.txt", std::string(300, 'x'));
  chmod((d + "ro.p2").c_str(), 0444);
  std::filesystem::create_symlink("a.p2", d + "link.p2");
  for (const char* p : {"link.p2", "folder.p2", "fifo.p2", "missing.p2", "/a.p2", "./b.p2",
                        "絵/../big.p2"})
    paths_.push_back(d + p);
  for (const char* p : {"a.p2", "b.p2", "big.p2", "絵/c.p2", "ソ表.p2", "link.p2", "/a.p2",
                        "./b.p2", "絵/../big.p2"})
    loadable_.push_back(d + p);
  switchable_ = {d + "a.p2", d + "b.p2", d + "big.p2"};

  const std::string defaultFolder = d + "絵";
  std::vector<std::string> lines = {"Vexmorel settings", "", "note", "note", "note", "note",
                                    "note", "Taro", "folder", defaultFolder, "aspect", "1", "1",
                                    "", "presets", "OFfSNDx", "2", "ASN", "3", "TX", "4", ""};
  std::vector<std::string> odd = lines;
  odd[2] = std::string(300, '#');
  odd[7] = "山田 花子のとても長い名前";
  odd[11] = "16", odd[12] = "9";
  odd[15] = "AaDdFfNnOoSsTt", odd[17] = "Xx F", odd[19] = "ｱ漢字tT", odd[21] = "dDxXTt";
  std::vector<std::string> failing = lines;
  failing[11] = "100";
  const std::pair<const char*, std::optional<std::string>> variants[] = {
      {"cfg-good", Settings(lines)},
      {"cfg-odd", Settings(odd)},
      {"cfg-bad", Settings(failing)},
      {"cfg-none", std::nullopt}};
  for (const auto& [name, bytes] : variants) {
    std::filesystem::create_directory(d + name);
    if (bytes) Add(std::string(name) + "/vexmorel.cfg", *bytes);
    executables_.push_back(d + name + "/vexmorel");
  }
}

Fixtures::~Fixtures() {
  if (keep_) return;
  std::error_code ec;
  for (auto& e : std::filesystem::recursive_directory_iterator(folder_, ec))
    std::filesystem::permissions(e.path(), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(folder_, ec);
}

void Fixtures::Add(const std::string& name, const std::string& bytes) {
  const std::string path = folder_ + "/" + name;
  scenario::WriteBytes(path, bytes);
  // Whole seconds, one file a minute apart from the next.
  const timespec times[2] = {{0, UTIME_OMIT},
                             {static_cast<time_t>(1433160000 + 60 * files_.size()), 0}};
  utimensat(AT_FDCWD, path.c_str(), times, 0);
  files_[path] = ReadState(path);
  if (name.find("cfg") != 0) paths_.push_back(path);
}

std::vector<std::string> Fixtures::Changed() const {
  std::vector<std::string> changed;
  for (const auto& [path, recorded] : files_)
    if (!(ReadState(path) == recorded)) changed.push_back(path);
  return changed;
}

FileState Fixtures::Current(const std::string& realPath) const { return ReadState(realPath); }

const FileState& Fixtures::Recorded(const std::string& realPath) const {
  return files_.at(realPath);
}

void Fixtures::Accept(const std::string& realPath) { files_[realPath] = ReadState(realPath); }

bool Fixtures::SpecialsIntact() const {
  struct stat dir {}, fifo {};
  return stat((folder_ + "/folder.p2").c_str(), &dir) == 0 && S_ISDIR(dir.st_mode) &&
         stat((folder_ + "/fifo.p2").c_str(), &fifo) == 0 && S_ISFIFO(fifo.st_mode);
}

}  // namespace soak
