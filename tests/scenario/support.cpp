#include "tests/scenario/support.h"

#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "header/conversions.h"
#include "platform/text/cp932.h"

namespace scenario {

TempDir::TempDir() {
  char tmpl[] = "/tmp/vexmorel-scenario-XXXXXX";
  if (!mkdtemp(tmpl)) throw std::runtime_error("mkdtemp failed");
  path_ = tmpl;
}

TempDir::~TempDir() {
  std::error_code ec;
  // Make read-only entries removable again before removing the tree.
  for (auto& e : std::filesystem::recursive_directory_iterator(path_, ec))
    std::filesystem::permissions(e.path(), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(path_, ec);
}

void SetText(Pic2Header& h, HeaderField f, std::string_view utf8) {
  EncodeTextField(h, cp932::FromUtf8(utf8), Span(f).offset, Span(f).width);
}

void SetNumber(Pic2Header& h, HeaderField f, std::uint32_t v) {
  WriteBigEndian(h, Span(f).offset, Span(f).width, v);
}

Pic2Header ValidHeader() {
  using F = HeaderField;
  Pic2Header h;
  h.bytes[0] = 'P', h.bytes[1] = '2', h.bytes[2] = 'D', h.bytes[3] = 'T';
  SetText(h, F::Author, "Taro");
  SetText(h, F::SubTitle, "Sub");
  SetText(h, F::MainTitle, "Title");
  SetText(h, F::SaverName, "Saver");
  // Recognisable bytes in the ranges nothing interprets.
  for (F f : {F::Reserved30, F::Reserved62, F::Reserved94, F::Reserved106})
    for (int i = 0; i < Span(f).width; ++i)
      h.bytes[static_cast<std::size_t>(Span(f).offset + i)] = static_cast<std::uint8_t>(0xA0 + i);
  h.bytes[Span(F::Mode).offset] = 0x01;
  SetNumber(h, F::Number, 7);
  SetNumber(h, F::CreationTime, 1000000000);
  SetNumber(h, F::BitsPerPixel, 8);
  SetNumber(h, F::AspectX, 4);
  SetNumber(h, F::AspectY, 3);
  SetNumber(h, F::ImageWidth, 640);
  SetNumber(h, F::ImageHeight, 400);
  return h;
}

void WriteBytes(const std::string& path, std::string_view bytes) {
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!f) throw std::runtime_error("cannot write " + path);
}

void WritePic2(const std::string& path, const Pic2Header& h, std::size_t tail) {
  std::string bytes(reinterpret_cast<const char*>(h.bytes.data()), h.bytes.size());
  for (std::size_t i = 0; i < tail; ++i) bytes += static_cast<char>((i * 7 + 3) & 0xFF);
  WriteBytes(path, bytes);
}

std::string ReadBytes(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

std::string DefaultSettings(const std::string& folder) {
  const char* lines[22] = {"Vexmorel settings", "", "note", "note", "note", "note", "note",
                           "Taro", "folder", folder.c_str(), "aspect", "1", "1", "",
                           "presets", "OFfSNDx", "2", "ASN", "3", "TX", "4", ""};
  std::string s;
  for (const char* l : lines) s += cp932::FromUtf8(l) + "\r\n";
  return s;
}

std::string WithDir(const TempDir& dir, std::string_view text) {
  std::string s(text);
  for (std::size_t at = s.find("$DIR"); at != std::string::npos; at = s.find("$DIR", at))
    s.replace(at, 4, dir.Path()), at += dir.Path().size();
  return s;
}

RunResult Drive(const TempDir& dir, std::string_view script) {
  const std::string scriptPath = dir.File(".script");
  const std::string errPath = dir.File(".stderr");
  WriteBytes(scriptPath, WithDir(dir, script));
  // The user's own settings file never leaks in: a test that wants one makes
  // $DIR/.config/vexmorel/vexmorel.cfg.
  const std::string command = "XDG_CONFIG_HOME='" + dir.File(".config") + "' " +
                              std::string(VEXMOREL_DRIVE) + " '" + scriptPath + "' 2>'" +
                              errPath + "'";
  RunResult r;
  std::FILE* p = popen(command.c_str(), "r");
  if (!p) throw std::runtime_error("cannot run the driver");
  char buf[4096];
  for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) r.out.append(buf, n);
  const int status = pclose(p);
  r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  r.err = ReadBytes(errPath);
  std::remove(scriptPath.c_str());
  std::remove(errPath.c_str());
  return r;
}

}  // namespace scenario
