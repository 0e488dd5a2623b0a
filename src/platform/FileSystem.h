#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The game names its files relative to its own folder, with "\" between folder and file
// names ("Gfx\Cache\skin.cfg"). Start-up makes the game folder the current directory, so a
// game path turned into a native relative path names the right file.
std::filesystem::path NativePath(std::string_view gamePath);

// The folder that holds the running executable.
std::filesystem::path ProgramFolder();

std::optional<std::string> ReadWholeFile(const std::filesystem::path& file);

// Writes the bytes to a temporary file beside the target and renames it over the target,
// so that a crash never leaves a half-written file. False when anything failed; the old
// file is then untouched.
bool WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes);

// Names of the regular files in the folder whose names match the pattern ("*.lsk",
// "*.bmp", "*.*"; "*" and "?" wildcards, letters matched case-insensitively), sorted.
std::vector<std::string> ListFiles(const std::filesystem::path& folder, std::string_view pattern);

bool MatchesPattern(std::string_view name, std::string_view pattern);
