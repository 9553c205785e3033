#include "bench/session.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <stdexcept>

#include "app/main_window.h"
#include "bench/counting_new.h"
#include "header/conversions.h"
#include "platform/os/process.h"
#include "platform/text/cp932.h"
#include "platform/ui/dialogs.h"

namespace {

struct Fields {
  const char* author;
  const char* subTitle;
  const char* mainTitle;
  const char* saver;
  std::uint8_t mode;
  std::uint32_t number, creation, bits, aspectX, aspectY, width, height;
  time_t fileTime;
};

// Every shown text differs between the two, the file times included.
constexpr Fields kFiles[2] = {
    {"山田太郎", "夕焼け", "夕焼けの海辺を歩く二人", "Vexmorelix  ver.0.1/Win32/Rumo", 0x01, 12,
     951782400, 8, 1, 1, 640, 400, 981141906},
    {"鈴木花子", "朝焼け", "朝焼けの山並みと湖", "Another Saver ver.2.5/X68k", 0x03, 345,
     1234567890, 4, 4, 3, 1024, 768, 1352538487},
};

void WriteFile(const std::string& path, const std::string& bytes) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size() || std::fclose(f) != 0)
    throw std::runtime_error("cannot write " + path);
}

void WritePic2(const std::string& path, const Fields& v) {
  using F = HeaderField;
  Pic2Header h;
  auto text = [&](F f, const char* utf8) {
    EncodeTextField(h, cp932::FromUtf8(utf8), Span(f).offset, Span(f).width);
  };
  auto number = [&](F f, std::uint32_t n) { WriteBigEndian(h, Span(f).offset, Span(f).width, n); };
  for (int i = 0; i < 4; ++i) h.bytes[static_cast<std::size_t>(i)] = "P2DT"[i];
  text(F::Author, v.author);
  text(F::SubTitle, v.subTitle);
  text(F::MainTitle, v.mainTitle);
  text(F::SaverName, v.saver);
  number(F::Mode, v.mode);
  number(F::Number, v.number);
  number(F::CreationTime, v.creation);
  number(F::BitsPerPixel, v.bits);
  number(F::AspectX, v.aspectX);
  number(F::AspectY, v.aspectY);
  number(F::ImageWidth, v.width);
  number(F::ImageHeight, v.height);
  std::string bytes(h.bytes.begin(), h.bytes.end());
  for (int i = 0; i < 4096; ++i) bytes.push_back(static_cast<char>(i * 7));
  WriteFile(path, bytes);
  const struct timespec times[2] = {{v.fileTime, 0}, {v.fileTime, 0}};
  if (utimensat(AT_FDCWD, path.c_str(), times, 0) != 0)
    throw std::runtime_error("cannot set the time of " + path);
}

// The 22 lines the program reads, in code page 932 with CR LF, about the
// size of the file the project ships.
std::string SettingsBytes(const std::string& folder) {
  const std::string lines[22] = {
      "Vexmorel 設定ファイル", "",
      "この設定ファイルは 22 行で、各行の役割は行番号で決まります。",
      "8 行目は作者名 (18 バイトまで)、10 行目はフォルダ (256 バイトまで) です。",
      "12 行目と 13 行目はアスペクト比の横と縦 (0 から 99 まで) です。",
      "16・18・20・22 行目は一発設定 1 から 4 の文字列 (13 バイトまで) です。",
      "文字: A 比 D 日付 F 主題 f 副題 N 番号 O 作者 S 保存ソフト T/t 題名複写 X 12時 x 0時",
      "山田太郎", "デフォルトフォルダ", folder, "デフォルトアスペクト比 (横、縦)", "1", "1", "",
      "一発設定 1", "OFfSNDx", "一発設定 2", "ASN", "一発設定 3", "TX", "一発設定 4", ""};
  std::string bytes;
  for (const std::string& line : lines) bytes += cp932::FromUtf8(line) + "\r\n";
  return bytes;
}

Session* session = nullptr;

}  // namespace

Session::Session() {
  const char* tmp = std::getenv("TMPDIR");
  std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/vexmorel-bench-XXXXXX";
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
  folder = pattern;
  pic2[0] = folder + "/evening_shore.p2";
  pic2[1] = folder + "/morning_lake.p2";
  writeTarget = folder + "/written_over.p2";
  floorTarget = folder + "/bare_calls.p2";
  settingsFile = folder + "/vexmorel.cfg";
  WritePic2(pic2[0], kFiles[0]);
  WritePic2(pic2[1], kFiles[1]);
  WritePic2(writeTarget, kFiles[0]);
  WritePic2(floorTarget, kFiles[0]);
  WriteFile(settingsFile, SettingsBytes(folder));

  answers_.reserve(16);
  backend.onMessageBox = [this](const std::string&, const std::string&, unsigned flags) {
    if (next_ < answers_.size()) return answers_[next_++];
    ++unexpected_;
    return DefaultAnswer(flags);
  };
  InstallBackend(&backend);
  // The settings file is the executable's path with ".cfg" appended.
  SetExecutablePath(folder + "/vexmorel");
  app_ = new TApplication;
  app_->SetTitle("Vexmorel");
  app_->CreateForm(Fm1);
  // As Application->Run does before its loop, which the headless backend
  // does not run without a script.
  Fm1->Show();
  if (TakeUnexpected() != 0) throw std::runtime_error("the settings file did not load");
}

Session::~Session() {
  delete app_;
  InstallBackend(nullptr);
  for (const std::string* path : {&pic2[0], &pic2[1], &writeTarget, &floorTarget, &settingsFile})
    std::remove(path->c_str());
  rmdir(folder.c_str());
}

void Session::Answer(std::initializer_list<int> answers) {
  answers_.assign(answers);
  next_ = 0;
}

int Session::TakeUnexpected() {
  const int n = unexpected_;
  unexpected_ = 0;
  return n;
}

bool Session::Open(const std::string& path) {
  Fm1->EFileName->SetText(path);
  Fm1->BtReadClick(nullptr);
  return Fm1->HeaderOpen();
}

bool Session::Close() {
  if (!Fm1->HeaderOpen()) return true;
  Answer({IDYES});
  Fm1->BtCloseClick(nullptr);
  return !Fm1->HeaderOpen();
}

Session& TheSession() {
  if (!session) session = new Session;
  return *session;
}

void DestroySession() {
  delete session;
  session = nullptr;
}

std::size_t Measure::AllocationsNow() { return AllocationCount(); }

void Measure::Report() {
  const double iterations = static_cast<double>(state_.iterations());
  if (iterations == 0) return;
  state_.counters["allocs"] = static_cast<double>(totalAllocations_) / iterations;
  state_.counters["texts"] = static_cast<double>(totalTexts_) / iterations;
  for (const auto& [name, seconds] : references_) {
    if (seconds <= 0) continue;
    state_.counters[name + "_us"] = seconds * 1e6 / iterations;
    state_.counters["x_" + name] = operationSeconds_ / seconds;
  }
}
