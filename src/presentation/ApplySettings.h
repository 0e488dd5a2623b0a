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

// What bringing the settings into effect asks of the main window.
class TSettingsHost {
public:
    virtual ~TSettingsHost() = default;
    // The check marks of the level and the two game settings.
    virtual void ShowSettingsInMenu(const TGame& game) = 0;
    virtual void SetClientSize(int width, int height) = 0;
    virtual void SetChannelIntervals(const TChannelIntervals& intervals) = 0;
};

struct TSettingsTarget {
    TGame& Game;
    TLoader& Loader;
    TRenderer& Renderer;
    TSettingsHost& Host;
    TMessageBoxes& Messages;
};

// Brings the settings and the current skin into effect: menu marks, the skin (unpacked
// afresh when the cache is not valid), the window's size, picture paths, sound names,
// channel intervals and the skin's pictures. The board is drawn afresh by the caller,
// through the game's rules like every drawing of it. A cached skin that turns out unusable
// gives way to the default package. False when no usable skin is left: the game must then
// quit.
bool ApplySettings(const TSettingsTarget& target);
