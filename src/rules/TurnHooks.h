#pragma once

#include <cstdint>

#include "GameState.h"

// The main loop's timed channels, in the order every pass polls them.
enum class TChannel : uint8_t { Moving, Appearance, Deleting, Choosing, Clock };
constexpr int ChannelCount = 5;

// What the turn cycle asks of the rest of the program: the main loop's channels and frame
// counters, drawing, sound, the autosave and the end of a game. The window implements it;
// tests record the calls.
class TTurnHooks {
public:
    virtual ~TTurnHooks() = default;

    virtual void SetChannelEnabled(TChannel channel, bool enabled) = 0;
    virtual bool IsChannelEnabled(TChannel channel) const = 0;
    virtual void SetAppearFrame(int16_t frame) = 0;
    virtual void SetDeleteFrame(int16_t frame) = 0;
    virtual void RedrawBoard() = 0;
    // Called only when sounds are enabled; the engine tests the switch itself.
    virtual void PlaySound(TSound sound) = 0;
    virtual void Autosave() = 0;
    // The game-over sequence; it returns once a new game has begun.
    virtual void GameOver() = 0;
};
