// The files a contract case runs over, made afresh in one folder before each
// backend's run, so that both start from the same bytes and times:
//   bin/vexmorel.cfg  settings that load (author "Taro", folder $DIR/,
//                     presets "OFfSNDx", "ASN", "TX", "")
//   nocfg/            a folder without settings
//   a.p2              a valid header (author "Taro", subtitle "Sub", ...)
//   blank.p2          the same with author and subtitle that show empty
//   odd.p2            author "A", an invalid pair 0x81 0x20, "B"; subtitle in
//                     half-width kana; main title 29 letters and a lead byte
//                     cut off by the field's end
//   波〜.p2           a valid header under a name the window cannot hold
// Every file's last-write time is 2001-09-09 01:46:40 UTC.
#pragma once

#include <string>

#include "tests/scenario/support.h"

namespace contract {

class Fixtures {
 public:
  Fixtures();
  // Removes what the last run changed and makes every file again.
  void Make();
  const std::string& Dir() const { return dir_.Path(); }
  std::string Exe() const { return Dir() + "/bin/vexmorel"; }
  std::string ExeWithoutSettings() const { return Dir() + "/nocfg/vexmorel"; }
  // `text` with every "$DIR" replaced by the folder.
  std::string Expand(const std::string& text) const;

 private:
  scenario::TempDir dir_;
};

}  // namespace contract
