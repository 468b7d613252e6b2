#pragma once
// Splitting a parameter string into arguments by the quoting rules of the
// platform the configurator was written for, so that command lines composed
// for it (quoted paths with blanks, escaped quotes) reach a program unchanged.

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Blanks (space, tab) separate arguments; double quotes group (a pair of
// quotes on their own gives an empty argument); 2n backslashes before a quote
// give n backslashes and the quote toggles grouping; 2n+1 backslashes before a
// quote give n backslashes and a literal quote; other backslashes are literal.
std::vector<std::string> SplitCommandLine(std::string_view parameters);

}  // namespace platform
