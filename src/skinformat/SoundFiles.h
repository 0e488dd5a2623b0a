#pragma once

#include <string>
#include <string_view>

// The game's sounds: three to choose from for each of its four events, in the order of the
// settings file: the selected ball's bounce, the walk, the vanishing, the error. Each is a
// WAV file in "Sfx\" named for its event and choice, "Sfx\Moving2.wav" being choice 1 of the
// walk; the bounce's files keep the name "Selecting".
inline constexpr int SoundEvents = 4;
inline constexpr int SoundChoiceCount = 3;

// The file of an event (0 to 3) for a choice 0 to 2 within "Sfx\": "Moving2.wav". Any other
// choice, which only a hand-edited settings file holds, is taken as it stands: choice
// 2147483647 names "Moving2147483648.wav".
std::string SoundFileInSfx(int event, int choice);

// The same file as the game names it, "Sfx\Moving2.wav".
std::string SoundFileName(int event, int choice);
