// The line the driver prints when a message box comes up:
//   box "CAPTION" "TEXT" ICON BUTTONS -> ANSWER
// (ICON information, question, warning or error; BUTTONS ok or yes/no;
// ANSWER yes, no or ok, and none for a box closed any other way). The
// contract suite prints the same line for the same box on either backend.
#pragma once

#include <string>

namespace drive {

std::string BoxLine(const std::string& text, const std::string& caption, unsigned flags,
                    int answer);

}  // namespace drive
