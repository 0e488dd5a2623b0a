#pragma once

#include <filesystem>
#include <string_view>

#include "SkinProblems.h"

// Checks an unpacked skin the way the game will use it: "skin.cfg" accepted, every value in
// its range, every picture it names present (in any case) and a readable Windows BMP of a
// size that fits the layout and the game's limits, every drawn element inside the
// background, the drawn cells in line with the mouse hit test, and a file ending in ".bmp"
// so that the game keeps the skin in its cache. The skin's own problems are filed under its
// name.
TSkinProblems CheckSkinFolder(const std::filesystem::path& folder, std::string_view skinName);
