#pragma once

#include <cstdint>
#include <string_view>

#include "GameState.h"

// The main loop's timed channels, in the order every pass polls them.
enum class TChannel : uint8_t { Moving, Appearance, Deleting, Choosing, Clock };
constexpr int ChannelCount = 5;

// Everything the rules ask of the rest of the program: the main loop's channels, the
// pictures of the board and the clock, sound, the autosave, the end of a game and the
// window's caption. The game's world implements it; tests record the calls.
class TGameHooks {
public:
    virtual ~TGameHooks() = default;

    virtual void SetChannelEnabled(TChannel channel, bool enabled) = 0;
    virtual bool IsChannelEnabled(TChannel channel) const = 0;
    // The board's picture in its three parts, drawn in this order: the background with the
    // 81 cells, the score, the preview.
    virtual void DrawCells() = 0;
    virtual void DrawScore() = 0;
    virtual void DrawPreview() = 0;
    virtual void DrawClock() = 0;
    // Called only when sounds are enabled; the callers test the switch themselves.
    virtual void PlaySound(TSound sound) = 0;
    virtual void Autosave() = 0;
    // The game-over sequence; it returns once a new game has begun.
    virtual void GameOver() = 0;
    virtual void ShowCaption(std::string_view caption) = 0;
};
