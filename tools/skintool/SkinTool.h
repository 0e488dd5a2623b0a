#pragma once

#include <ostream>
#include <string>
#include <vector>

// The skin tool for skin authors: pack a folder into a package, list a package, check a
// package or folder; --help and --version answer as the game's do, wherever they stand.
// Takes the arguments after the program's name and answers the exit status: 0 done (the
// skin passes), 1 failed (the skin does not pass), 2 a usage error.
int RunSkinTool(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
