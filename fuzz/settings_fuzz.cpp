// Fuzz target: the settings file on arbitrary bytes, through the whole load
// (LoadSettingsFile: open, one read, close, byte test, the 22 lines, the
// dialog filled). Checks what must hold whatever the bytes:
//  - a load either fails with a message and creates no dialog, or creates
//    the dialog with values inside their limits;
//  - a file with a forbidden byte in its first 8192 bytes never loads;
//  - the reader's own boxes are the long-line box, at most once per line
//    read, and the too-large box, at most once and only for a file of 8192
//    bytes or more;
//  - the file is never written.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "app/main_window.h"
#include "app/program.h"
#include "app/settings_load.h"
#include "fuzz/program_state.h"
#include "settings/config_dialog.h"
#include "settings/settings_file.h"

namespace {

fuzz::ProgramState* state = nullptr;

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "settings_fuzz: %s\n", what);
  std::abort();
}

void Check(bool ok, const char* what) {
  if (!ok) Fail(what);
}

std::string ReadBack(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

bool HasForbiddenByte(const std::string& bytes) {
  const std::size_t read = std::min<std::size_t>(bytes.size(), kSettingsReadSize);
  for (std::size_t i = 0; i < read; ++i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b < 0x20 && b != '\r' && b != '\n') return true;
  }
  return false;
}

bool IsAspect(const std::string& text) {
  if (text.empty() || text.size() > 2) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return text.size() == 1 || text[0] != '0';
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  state = &fuzz::StartProgram();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  {
    std::ofstream f(state->settingsPath, std::ios::binary | std::ios::trunc);
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  delete FConfig;
  state->boxes.clear();

  const std::optional<std::string> message = LoadSettingsFile();

  Check(message.has_value() != (FConfig != nullptr), "a dialog exactly when the load succeeds");
  const std::string longLine = Sj("1行は250バイト以内です！");
  const std::string tooLarge = Sj("設定ファイルが大き過ぎます!!");
  std::size_t longBoxes = 0, largeBoxes = 0;
  for (const std::string& box : state->boxes) {
    Check(box == longLine || box == tooLarge, "a box the reader does not show");
    (box == longLine ? longBoxes : largeBoxes) += 1;
  }
  const std::string head = bytes.substr(0, kSettingsReadSize);
  const std::size_t crs = static_cast<std::size_t>(std::count(head.begin(), head.end(), '\r'));
  const std::size_t linesRead = std::min<std::size_t>(22, crs + 1);
  Check(longBoxes <= linesRead, "more than one long-line box for a line");
  Check(largeBoxes <= (size >= static_cast<std::size_t>(kSettingsReadSize) ? 1u : 0u),
        "too-large box twice, or for a small file");
  if (FConfig) {
    Check(!HasForbiddenByte(bytes), "a file with a forbidden byte loaded");
    Check(FConfig->EAuthor->Text().size() == 18, "default author is 18 bytes");
    Check(FConfig->EDefDir->Text().size() <= 256, "default folder within 256 bytes");
    for (TEdit* e : {FConfig->EIppatsu1, FConfig->EIppatsu2, FConfig->EIppatsu3,
                     FConfig->EIppatsu4})
      Check(e->Text().size() <= 13, "preset within 13 bytes");
    Check(IsAspect(FConfig->AspX->Text()) && IsAspect(FConfig->AspY->Text()),
          "aspect 0 to 99");
    Check(LastFolder == FConfig->EDefDir->Text(), "LastFolder is the default folder");
    Check(Fm1->OpDialog->InitialDir() == LastFolder, "the open dialog starts there");
  }
  Check(ReadBack(state->settingsPath) == bytes, "the settings file changed");
  return 0;
}
