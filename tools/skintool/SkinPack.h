#pragma once

#include <filesystem>
#include <ostream>

// Packs every regular file of the folder, in name order and without sub-folders, into a
// stored RAR 4 package. Refuses what the game would refuse to unpack (a file over 64 MiB,
// over 256 MiB in all) and an empty folder. False, with the reason on `err`; an old
// package is then left as it was.
bool PackSkinFolder(const std::filesystem::path& folder, const std::filesystem::path& package,
                    std::ostream& out, std::ostream& err);
