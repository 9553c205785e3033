// The names of every window definition's components, for tools that take
// names from their users (the scenario driver): a name is known when some
// definition has it, whether or not its form exists at the moment.
#pragma once

#include <string_view>

// `component` empty asks whether the form itself is known.
bool KnownComponent(std::string_view form, std::string_view component);
