#pragma once

#include <string>

#include "rules/GameState.h"

// The sound file of an event for a choice 0 to 2: "Sfx\Moving2.wav" is choice 1 of Moving.
// Any other choice is taken as it stands: choice 2147483647 names "Sfx\Moving2147483648.wav".
std::string SoundFileName(TSound sound, int choice);
