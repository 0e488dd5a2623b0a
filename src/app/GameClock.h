#pragma once

#include <optional>
#include <string>

#include "rules/GameState.h"
#include "rules/TurnCycle.h"

// Four digits: the minutes and the seconds, each with a leading zero below 10.
std::string TimeTextFor(int32_t minutes, int32_t seconds);

// "Vyx Zeziz - Classic" or "Vyx Zeziz - Time-trial [Level n]"; nothing for a mode the game
// does not know.
std::optional<std::string> CaptionFor(const TGame& game);

// The target a Time-trial level plays for. A hand-made saved game may hold less than the
// first level's 100: it counts as 100, so no level number drops below 1.
int32_t EffectiveLevelTarget(const TGame& game);

// What the clock asks of the window.
class TClockHost {
public:
    virtual ~TClockHost() = default;
    virtual void UpdateCaption() = 0;
    // The game-over sequence; it returns once a new game has begun.
    virtual void GameOver() = 0;
};

// The game clock: Classic counts the time played up to 99:59; Time-trial counts each
// five-minute level down and, at its end, either starts the next level or ends the game.
// A loaded game's clock and level target may be any 32-bit values: the clock runs on from
// them, a Time-trial clock at or below 00:00 ends its level at the next tick, and the target
// stops growing at the largest 32-bit value.
class TGameClock {
public:
    static constexpr int32_t LevelMinutes = 5;
    static constexpr int32_t FirstTarget = 100;
    static constexpr int32_t TargetStep = 25;

    TGameClock(TGame& game, TTurnCycle& turns, TClockHost& host)
        : Game(game), Turns(turns), Host(host) {}

    // One second of the game clock.
    void ClockTick();

private:
    // Every value the clock stores fits 32 bits; the steps leading to it are taken in 64.
    void SetClock(int64_t minutes, int64_t seconds);
    void EndLevel();

    TGame& Game;
    TTurnCycle& Turns;
    TClockHost& Host;
};
