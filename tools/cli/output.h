// What `show` prints for a file, in each of its three forms, and the lines
// of a dry run. Everything is appended to a string, so that a file's output
// can be made on any thread and printed in PATH order.
#pragma once

#include <string>
#include <string_view>

#include "tools/cli/fields.h"

namespace cli {

enum class Format { Plain, Json, Csv };

// The CSV header row (with CR LF); nothing for the other forms.
std::string FormatHead(Format format);

// The labels of the plain form, looked up once (they are translated).
void PrepareLabels();

// One file: a block of lines, a JSON object on one line, or a CSV row.
// `pathText` is the path as text (text.h).
void AppendShown(Format format, std::string_view pathText, const Shown& shown, std::string& out);

// "PATH: KEY: OLD -> NEW" for each key whose value differs, plain form.
void AppendChanges(std::string_view pathText, const Shown& before, const Shown& after,
                   std::string& out);

}  // namespace cli
