#include "header/presets.h"

#include <array>

#include "platform/text/cp932.h"

namespace {

constexpr std::size_t kCodeLimit = 14;

// The part of a code that counts.
std::string_view Letters(std::string_view code) {
  code = code.substr(0, kCodeLimit);
  return code.substr(0, code.find(' '));
}

struct Context {
  const PresetDefaults& defaults;
  const FileNameStems& stems;
};

void SetTime(HeaderTexts& t, const char* hour) {
  t[TextField::Hour] = hour;
  t[TextField::Min] = "0";
  t[TextField::Sec] = "0";
}

// A letter of either case is listed twice.
struct Letter {
  std::string_view bytes;
  bool needsDefaults;
  bool needsName;  // takes a stem of the file's name
  void (*apply)(HeaderTexts&, const Context&);
};

constexpr Letter kLetters[] = {
    {"Aa", true, false, [](HeaderTexts& t, const Context& c) {
       t[TextField::AspX] = c.defaults.aspX;
       t[TextField::AspY] = c.defaults.aspY;
     }},
    {"Dd", false, false, [](HeaderTexts& t, const Context&) { CopyFileDate(t); }},
    {"F", false, true,
     [](HeaderTexts& t, const Context& c) { t[TextField::MainTitle] = c.stems.title; }},
    {"f", false, true,
     [](HeaderTexts& t, const Context& c) { t[TextField::SubTitle] = c.stems.subtitle; }},
    {"Nn", false, false, [](HeaderTexts& t, const Context&) { SetNumberOne(t); }},
    {"Oo", true, false,
     [](HeaderTexts& t, const Context& c) { t[TextField::Author] = c.defaults.author; }},
    {"Ss", false, false, [](HeaderTexts& t, const Context&) { SetSaverName(t); }},
    {"T", false, false,
     [](HeaderTexts& t, const Context&) {
       t[TextField::SubTitle] =
           t[TextField::MainTitle].substr(0, static_cast<std::size_t>(TextWidth(TextField::SubTitle)));
     }},
    {"t", false, false,
     [](HeaderTexts& t, const Context&) { t[TextField::MainTitle] = t[TextField::SubTitle]; }},
    {"X", false, false, [](HeaderTexts& t, const Context&) { SetTime(t, "12"); }},
    {"x", false, false, [](HeaderTexts& t, const Context&) { SetTime(t, "0"); }},
};

const Letter* Find(char byte) {
  for (const Letter& l : kLetters)
    if (l.bytes.find(byte) != std::string_view::npos) return &l;
  return nullptr;
}

}  // namespace

FileNameStems StemsOf(std::string_view fileName) {
  const std::size_t delimiter = cp932::LastDelimiter(fileName, cp932::kPathDelimiters);
  std::string_view name =
      delimiter == std::string_view::npos ? fileName : fileName.substr(delimiter + 1);
  if (const std::size_t dot = name.rfind('.'); dot != std::string_view::npos && dot > 0)
    name = name.substr(0, dot);
  return {std::string(name.substr(0, static_cast<std::size_t>(TextWidth(TextField::MainTitle)))),
          std::string(name.substr(0, static_cast<std::size_t>(TextWidth(TextField::SubTitle))))};
}

void CopyFileDate(HeaderTexts& t) {
  for (std::size_t i = 0; i < 6; ++i)
    t[static_cast<TextField>(static_cast<std::size_t>(TextField::Year) + i)] =
        t[static_cast<TextField>(static_cast<std::size_t>(TextField::FileYear) + i)];
}

void ToggleNoonMidnight(HeaderTexts& t) { SetTime(t, t[TextField::Hour] == "0" ? "12" : "0"); }

void SetNumberOne(HeaderTexts& t) { t[TextField::Number] = "1"; }

void SetSaverName(HeaderTexts& t) {
  // Built once: at 30 bytes the text would take an allocation per use.
  static const std::string kSaverName = "Vexmorelix  ver.0.1/Win32/Rumo";
  t[TextField::SaverName] = kSaverName;
}

bool PresetNeedsDefaults(std::string_view code) {
  for (const char byte : Letters(code))
    if (const Letter* l = Find(byte); l && l->needsDefaults) return true;
  return false;
}

bool PresetNeedsFileName(std::string_view code) {
  for (const char byte : Letters(code))
    if (const Letter* l = Find(byte); l && l->needsName) return true;
  return false;
}

void ApplyPresetLetters(HeaderTexts& t, std::string_view code, const PresetDefaults& defaults,
                        std::string_view fileName) {
  const FileNameStems stems = StemsOf(fileName);
  const Context context{defaults, stems};
  for (const char byte : Letters(code))
    if (const Letter* l = Find(byte)) l->apply(t, context);
}
