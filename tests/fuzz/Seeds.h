#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

// Named seed files of one fuzz target.
using TSeeds = std::vector<std::pair<std::string, std::string>>;

// Writes each seed into the folder, which is emptied first; false when any failed.
bool WriteSeeds(const std::filesystem::path& folder, const TSeeds& seeds);

// The shipped settings file, its hand-edited variants and values at the edges.
TSeeds SettingsSeeds(const std::string& shipped);
// Saved games of every kind the game meets, each followed by a script of play.
TSeeds SavedGameSeeds();
// The shipped skins' configurations (each in a folder of the given one), the fuzz skin's,
// and variants at every limit.
TSeeds SkinConfigSeeds(const std::filesystem::path& shippedSkins);
// The shipped leaders table and damaged or extreme ones, each with a finished game.
TSeeds LeadersSeeds(const std::string& shipped);
// The fuzz skin's pictures, and bitmaps in every form and at every limit.
TSeeds PictureSeeds(const std::filesystem::path& skinFolder);
// The fuzz skin's package and hostile packages.
TSeeds PackageSeeds(const std::filesystem::path& skinFolder);
