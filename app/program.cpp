#include "app/program.h"

#include <functional>
#include <string_view>
#include <unordered_map>

#include "platform/text/cp932.h"
#include "platform/ui/backend.h"
#include "platform/ui/forms.h"

Pic2Header Header;
SYSTEMTIME FileStamp;
std::string LastFolder;
bool Proceed = false;

namespace {

// Looks a text up by its UTF-8 bytes without building a key string.
struct TextHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};

// The application object's box; straight through the backend where no
// application object exists (a unit test of a work routine).
int Box(const std::string& text, const std::string& caption, unsigned flags) {
  if (Application) return Application->MessageBox(text, caption, flags);
  return CurrentBackend().MessageBox(text, caption, flags);
}

}  // namespace

const std::string& Sj(const char* utf8) {
  static std::unordered_map<std::string, std::string, TextHash, std::equal_to<>> converted;
  const std::string_view key(utf8);
  if (const auto it = converted.find(key); it != converted.end()) return it->second;
  return converted.emplace(key, cp932::FromUtf8(key)).first->second;
}

void ErrorBox(const std::string& text) { Box(text, "Error!", MB_OK | MB_ICONINFORMATION); }

bool ConfirmBox(const std::string& text, const std::string& caption) {
  return Box(text, caption, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}
