// Support for scenario tests: a temporary folder with Pic2 fixtures made on
// the spot, and a run of vexmorel-drive over a script, returning what it
// printed. "$DIR" in a script and in expected output stands for the folder.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "header/pic2_header.h"

namespace scenario {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& Path() const { return path_; }
  std::string File(std::string_view name) const { return path_ + "/" + std::string(name); }

 private:
  std::string path_;
};

// A valid header: "P2DT", author "Taro", subtitle "Sub", main title
// "Title", saving software "Saver", mode 0x01, number 7, creation time
// 2001-09-09 10:46:40 in UTC+9, 8 bits per pixel, aspect 4:3, 640 x 400.
Pic2Header ValidHeader();
// Sets a field from UTF-8 text (converted to code page 932), space-filled.
void SetText(Pic2Header& h, HeaderField f, std::string_view utf8);
void SetNumber(Pic2Header& h, HeaderField f, std::uint32_t v);

// Writes the header followed by `tail` bytes of data (a fixed pattern).
void WritePic2(const std::string& path, const Pic2Header& h, std::size_t tail = 64);
void WriteBytes(const std::string& path, std::string_view bytes);
std::string ReadBytes(const std::string& path);

// The 22-line settings file that loads with defaults: author "Taro",
// folder `folder`, aspect 1:1, presets "OFfSNDx", "ASN", "TX" and "".
std::string DefaultSettings(const std::string& folder);

struct RunResult {
  std::string out;
  std::string err;
  int status = -1;
};

// Runs the driver on `script` with "$DIR" replaced by `dir`.
RunResult Drive(const TempDir& dir, std::string_view script);

// Replaces every "$DIR" in `text`.
std::string WithDir(const TempDir& dir, std::string_view text);

}  // namespace scenario
