#include "tools/drive/box_line.h"

#include "platform/ui/types.h"
#include "tools/drive/script.h"

namespace drive {
namespace {

const char* IconName(unsigned flags) {
  switch (flags & 0xF0) {
    case MB_ICONQUESTION: return "question";
    case MB_ICONWARNING: return "warning";
    case MB_ICONERROR: return "error";
    default: return "information";
  }
}

const char* AnswerName(int answer) {
  switch (answer) {
    case IDYES: return "yes";
    case IDNO: return "no";
    case IDOK: return "ok";
    default: return "none";
  }
}

}  // namespace

std::string BoxLine(const std::string& text, const std::string& caption, unsigned flags,
                    int answer) {
  return "box " + Quote(caption) + " " + Quote(text) + " " + IconName(flags) + " " +
         ((flags & 0xF) == MB_YESNO ? "yes/no" : "ok") + " -> " + AnswerName(answer);
}

}  // namespace drive
