#pragma once

#include <string>
#include <string_view>

#include "platform/MessageBoxes.h"
#include "rules/GameState.h"

// "VyxLines.cfg" in the game folder carries the player's fourteen settings (mode,
// difficulty, the autosave, autoload and preview switches, the four animation speeds, the
// four sound choices and the sound switch) from one run to the next.
inline constexpr std::string_view SettingsFileName = "VyxLines.cfg";

// The animation speeds run from 0 (slow) to 9 (fast); a speed outside would stop its
// animation for good, so reading clamps them.
inline constexpr int32_t SlowestSpeed = 0;
inline constexpr int32_t FastestSpeed = 9;

// The file's 21 lines, CR LF between them and none after the last.
std::string FormatSettingsFile(const TGame& game);

// Reads the settings by word position; the keys are skipped, never compared. A value is an
// optional sign and decimal digits that fit 32 bits, taken as it stands (the speeds aside);
// a truth value is 0 or 1. First sets the fourteen settings to zero or off; a text that ends
// early or holds something else where a value is due keeps the values read before that
// point. True when every value was read.
bool ParseSettingsFile(std::string_view text, TGame& game);

// Reads the file in the current directory. When it cannot be opened, tells the player and
// answers false: the game cannot go on without it.
bool ReadSettingsFile(TGame& game, TMessageBoxes& messages);

// Rewrites the file in the current directory; tells the player when that fails.
void WriteSettingsFile(const TGame& game, TMessageBoxes& messages);
