#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/FileDialogs.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "rules/GameState.h"

// A saved game (".lsv"): a fixed binary record of 378 little-endian bytes holding the board
// and the score, level target, mode, difficulty and clock. Files saved by earlier versions
// must keep loading, so every byte has its fixed place.
inline constexpr std::size_t SavedGameSize = 378;
inline constexpr std::string_view SavesFolder = "Saves\\";
inline constexpr std::string_view AutosaveFile = "Saves\\Autosave.lsv";

std::string EncodeSavedGame(const TLogic& logic, const TGame& game);

// Takes a saved game as far as the bytes go: a field that lies beyond their end keeps the
// value it had. Neither the header nor the values are checked.
void DecodeSavedGame(std::string_view bytes, TLogic& logic, TGame& game);

TWriteResult WriteSavedGame(const std::filesystem::path& file, const TLogic& logic,
                            const TGame& game);
// False when the file is not a readable regular file.
bool ReadSavedGame(const std::filesystem::path& file, TLogic& logic, TGame& game);

// The Save command: asks for a file in "Saves\" and writes the running game there. A file
// that cannot be written is told, with the system's reason; an older file of that name
// stays as it was.
void SaveGameAs(TFileDialogs& dialogs, TMessageBoxes& messages, const TLogic& logic,
                const TGame& game);

// The Load command: asks for a file in "Saves\" and reads it over the running game. True
// when a game was read; the caller then makes it playable.
bool LoadGameFrom(TFileDialogs& dialogs, TLogic& logic, TGame& game);

// Writes "Saves\Autosave.lsv" when the player keeps the autosave switched on; with the
// switch off nothing is written, and nothing fails.
TWriteResult AutosaveGame(const TLogic& logic, const TGame& game);
// What the player is told when the autosave could not be written.
std::string AutosaveFailedText(const TWriteResult& failure);

// Reads "Saves\Autosave.lsv"; false when it does not open.
bool ReadAutosave(TLogic& logic, TGame& game);
