#include "tools/cli/messages.h"

#include <libintl.h>
#include <sys/stat.h>

#include <clocale>

namespace cli {
namespace {

constexpr const char* kDomain = "vexmorel-cli";

// Marks a text for xgettext without translating it here.
constexpr const char* N_(const char* english) { return english; }

bool IsFolder(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

void InitMessages(const std::string& executablePath) {
  std::setlocale(LC_CTYPE, "");
  std::setlocale(LC_MESSAGES, "");
  const std::string folder = executablePath.substr(0, executablePath.rfind('/') + 1);
  // Built: build/locale beside build/vexmorel-cli. Installed: lib/vexmorel/
  // holds the program, share/locale the catalogues.
  const std::string built = folder + "locale";
  bindtextdomain(kDomain, (IsFolder(built) ? built : folder + "../../share/locale").c_str());
  textdomain(kDomain);
}

std::string Tr(const char* english) { return gettext(english); }

std::string Reason(LoadError error) {
  switch (error) {
    case LoadError::None:
    case LoadError::NoName:
    case LoadError::Open: return Tr(N_("cannot open the file"));
    case LoadError::TooShort:
    case LoadError::Read: return Tr(N_("the file is shorter than a Pic2 header"));
    case LoadError::Close: return Tr(N_("cannot close the file"));
    case LoadError::SpecialAttributes:
      return Tr(N_("read-only or hidden files are not handled"));
    case LoadError::NotPic2: return Tr(N_("not a Pic2 file"));
  }
  return {};
}

std::string Reason(WriteError error) {
  switch (error) {
    case WriteError::None:
    case WriteError::Open: return Tr(N_("cannot open the Pic2 file for writing"));
    case WriteError::Replaced:
      return Tr(N_("the file was replaced after it was read"));
    case WriteError::NotPic2: return Tr(N_("no longer a Pic2 file"));
    case WriteError::ShortWrite: return Tr(N_("writing the Pic2 header failed"));
    case WriteError::Close: return Tr(N_("cannot close the Pic2 file"));
  }
  return {};
}

std::string Reason(SettingsError error) {
  switch (error) {
    case SettingsError::None:
    case SettingsError::Missing: return Tr(N_("the settings file is missing"));
    case SettingsError::Close: return Tr(N_("cannot close the settings file"));
    case SettingsError::BadBytes: return Tr(N_("the settings file is damaged"));
    case SettingsError::Cut: return Tr(N_("the settings file is cut short"));
    case SettingsError::AspectX:
      return Tr(N_("the horizontal aspect ratio in the settings file is wrong"));
    case SettingsError::AspectY:
      return Tr(N_("the vertical aspect ratio in the settings file is wrong"));
  }
  return {};
}

std::string Reason(SettingsNotice notice) {
  switch (notice) {
    case SettingsNotice::LongLine: return Tr(N_("a line of the settings file is too long"));
    case SettingsNotice::TooLarge: return Tr(N_("the settings file is too large"));
  }
  return {};
}

}  // namespace cli
