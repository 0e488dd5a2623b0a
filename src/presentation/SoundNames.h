#pragma once

#include <string>

#include "rules/GameState.h"

// The sound file of an event for a choice 0 to 2: "Sfx\Moving2.wav" is choice 1 of Moving.
std::string SoundFileName(TSound sound, int choice);
