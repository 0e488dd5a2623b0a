#pragma once

#include <optional>
#include <ostream>
#include <span>

// The game takes no options of its own but these two, which answer on standard output
// and end the program before any window (or display) is needed: --help and --version.
// Anything else is left to the window system's own options. The exit code when the
// program is done, or none to start the game.
std::optional<int> AnswerCommandLine(std::span<char* const> arguments, std::ostream& out);
