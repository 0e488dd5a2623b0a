#pragma once

#include <filesystem>
#include <string>

#include "skinformat/SkinConfig.h"

// The skin every fuzz target plays with: the solid test skin made as small as the game
// allows, so that loading it costs little on every run and its package stays a small seed.
TSkinData FuzzSkinData();

// Writes its "skin.cfg" and pictures into the folder.
void WriteFuzzSkin(const std::filesystem::path& folder);

// The skin packed as a RAR archive of stored entries, the way the skin tool packs.
std::string FuzzSkinPackage(const std::filesystem::path& skinFolder);
