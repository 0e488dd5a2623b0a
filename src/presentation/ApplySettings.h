#pragma once

#include <cstdint>

#include "Renderer.h"
#include "SkinLoader.h"
#include "rules/GameState.h"

// Milliseconds between two firings of each animation channel.
struct TChannelIntervals {
    uint32_t Moving = 0;
    uint32_t Appearance = 0;
    uint32_t Choosing = 0;
    uint32_t Deleting = 0;
};

// Speed 0 is the slowest, 9 the fastest.
TChannelIntervals ChannelIntervals(const TAnimationSpeeds& speeds);

struct TSettingsTarget {
    TGame& Game;
    TLoader& Loader;
    TRenderer& Renderer;
    TMessageBoxes& Messages;
};

// Brings the settings and the current skin into effect: the skin (unpacked afresh when the
// cache is not valid), picture paths, the skin's pictures and the sound names. The caller
// takes the rest from the settings and the loaded skin (the window's size, the menu's marks,
// the channels' intervals) and draws the board afresh, through the game's rules like every
// drawing of it. A cached skin that turns out unusable gives way to the default package.
// False when no usable skin is left: the game must then quit.
bool ApplySettings(const TSettingsTarget& target);
