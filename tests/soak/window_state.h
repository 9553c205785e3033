// What the soak asks the window after every action, and the check that the
// answers describe one of the window's two states exactly.
//
// The questions are driver script lines; their answers come back in the
// same order, one line each, the first beginning "PMain enabled=", which no
// action ever prints.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace soak {

struct Flag {
  bool own = false;
  bool usable = false;
};

struct WindowState {
  std::map<std::string, Flag> flags;  // by name
  std::string caption, hint;          // HeaderExist's, code page 932
  bool autoPopup = false;
  bool dialogShown = false;
  std::string fileName;               // EFileName's text, code page 932
  std::string header;                 // the 120 bytes the program holds
  bool Open() const { return !flags.at("PMain").own; }
};

// The question lines, and how many answers they give.
const std::string& StateQuestions();
std::size_t StateAnswerCount();
constexpr const char* kFirstAnswer = "PMain enabled=";

// The answers parsed, or the reason they could not be.
std::optional<WindowState> ParseState(const std::vector<std::string>& answers,
                                      std::string& problem);

// Nothing when the state is one of the two exactly; else what is wrong.
std::optional<std::string> StateProblem(const WindowState& s);

}  // namespace soak
