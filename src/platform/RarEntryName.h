#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

// The path, relative to the destination folder, under which an entry with this stored name
// is written; "/" and "\" both separate folder names. Nothing for a name that could lead
// outside the folder (absolute, with a drive letter, or climbing with "..") or that names
// no file at all.
std::optional<std::filesystem::path> EntryPathInside(std::string_view storedName);
