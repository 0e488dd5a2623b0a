#pragma once

#include <filesystem>
#include <string>

#include "SkinRenderer.h"

// Pictures for judging a skin by eye: two boards composed as the game draws them (Medium with
// three preview balls, Hard with four), the Medium board as players with each kind of
// colour blindness see it, and every ball strip enlarged. Returns what went wrong, or nothing.
std::string WritePreviewSheets(const TRenderedSkin& skin, const std::filesystem::path& folder);
