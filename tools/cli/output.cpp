#include "tools/cli/output.h"

#include <array>

#include "tools/cli/messages.h"
#include "tools/cli/text.h"

namespace cli {
namespace {

// Marks a text for xgettext; translated by PrepareLabels.
constexpr const char* N_(const char* english) { return english; }

// The plain form's label for each key; "header" is not shown there.
constexpr std::array<const char*, kKeyCount> kLabelTexts = {
    N_("author"),       N_("subtitle"),     N_("title"), N_("saver"),  N_("number"),
    N_("date"),         N_("aspect"),       N_("file date"), N_("palette bits"),
    N_("palette mode"), N_("width"),        N_("height"), N_("comment"), nullptr,
};

std::array<std::string, kKeyCount>& Labels() {
  static std::array<std::string, kKeyCount> labels;
  return labels;
}

}  // namespace

void PrepareLabels() {
  for (std::size_t i = 0; i < kKeyCount; ++i)
    if (kLabelTexts[i]) Labels()[i] = Tr(kLabelTexts[i]);
}

std::string FormatHead(Format format) {
  if (format != Format::Csv) return {};
  std::string out = "path";
  for (const KeyEntry& s : kKeys) {
    if (s.key == Key::Header) continue;
    out += ',';
    out += s.name;
  }
  out += "\r\n";
  return out;
}

void AppendShown(Format format, std::string_view pathText, const Shown& shown, std::string& out) {
  switch (format) {
    case Format::Plain:
      out += PlainText(pathText);
      out += '\n';
      for (const KeyEntry& s : kKeys) {
        if (s.key == Key::Header) continue;
        out += "  ";
        out += Labels()[static_cast<std::size_t>(s.key)];
        out += ": ";
        out += PlainText(shown[s.key]);
        out += '\n';
      }
      out += '\n';
      break;
    case Format::Json:
      out += "{\"path\":";
      AppendJsonString(out, pathText);
      for (const KeyEntry& s : kKeys) {
        out += ",\"";
        out += s.name;
        out += "\":";
        if (s.number)
          out += shown[s.key];
        else
          AppendJsonString(out, shown[s.key]);
      }
      out += "}\n";
      break;
    case Format::Csv:
      AppendCsvField(out, pathText);
      for (const KeyEntry& s : kKeys) {
        if (s.key == Key::Header) continue;
        out += ',';
        AppendCsvField(out, shown[s.key]);
      }
      out += "\r\n";
      break;
  }
}

void AppendChanges(std::string_view pathText, const Shown& before, const Shown& after,
                   std::string& out) {
  for (const KeyEntry& s : kKeys) {
    if (s.key == Key::Header || before[s.key] == after[s.key]) continue;
    out += PlainText(pathText);
    out += ": ";
    out += s.name;
    out += ": ";
    out += PlainText(before[s.key]);
    out += " -> ";
    out += PlainText(after[s.key]);
    out += '\n';
  }
}

}  // namespace cli
