// The input of `apply`: one JSON object a line, each naming a file with
// `path` and holding any of the keys `set` takes as options, plus `preset`.
// The read-only keys of `show --json` are ignored, any other key makes the
// line malformed. Blank lines are passed over. Members are applied in the
// order they appear in the line.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "tools/cli/edits.h"

namespace cli {

struct ApplyLine {
  std::size_t number = 0;  // counted from 1
  std::string path;        // in the system's form; empty when malformed
  std::vector<Edit> edits;
  std::string error;       // what is wrong with the line, if anything
};

// Reads FILE or, for "-", standard input, whole, before anything is
// touched. The reason when the input cannot be read.
std::optional<std::string> ReadApplyInput(const std::string& operand, std::vector<ApplyLine>& out);

// One line of input (its text without the line end).
ApplyLine ParseApplyLine(std::size_t number, std::string_view text);

}  // namespace cli
