#pragma once

#include <string>

#include "rules/GameState.h"
#include "skinformat/SoundFiles.h"

static_assert(SoundEventCount == SoundEvents);

// The sound file of an event for a choice: "Sfx\Moving2.wav" is choice 1 of Moving.
inline std::string SoundFileName(TSound sound, int choice) {
    return SoundFileName(static_cast<int>(sound), choice);
}
