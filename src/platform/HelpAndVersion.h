#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

// The two options that the game and its skin tool answer alike, before anything else and
// wherever they stand among the arguments: --help (or -h) prints the program's usage and
// --version its version line, on standard output. The exit status then (0), or none when
// neither was asked; the first of them asked is answered.
std::optional<int> AnswerHelpOrVersion(const std::vector<std::string>& arguments,
                                       std::string_view usage, std::string_view versionLine,
                                       std::ostream& out);
