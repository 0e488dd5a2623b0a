#pragma once

#include <filesystem>
#include <ostream>
#include <string_view>

#include "SkinProblems.h"

// Reading packages through the game's own reader, so the tool sees exactly what the game
// sees.

// Unpacks every entry into the folder and stops where the game would stop; false, with the
// reason filed under the package's name, when the game would not get the whole skin.
bool UnpackLikeTheGame(const std::filesystem::path& package, const std::filesystem::path& folder,
                       std::string_view packageName, TSkinProblems& problems);

// Prints every entry with its size; false, with the reason on `err`, when the package
// cannot be read to its end.
bool ListPackage(const std::filesystem::path& package, std::ostream& out, std::ostream& err);
