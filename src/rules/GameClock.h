#pragma once

#include <cstdint>

#include "GameState.h"
#include "Outcome.h"
#include "TurnCycle.h"

using TCaptionText = TText<48>;

// The minutes, then the seconds, each with a leading zero below 10: four digits for any
// clock the game runs itself.
TTimeText TimeTextFor(int32_t minutes, int32_t seconds);

// "Vyx Zeziz - Classic" or "Vyx Zeziz - Time-trial [Level n]"; empty for a mode the game
// does not know.
TCaptionText CaptionFor(const TGame& game);

// The target a Time-trial level plays for. A hand-made saved game may hold less than the
// first level's 100: it counts as 100, so no level number drops below 1.
int32_t EffectiveLevelTarget(const TGame& game);

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

    TGameClock(TGame& game, TTurnCycle& turns) : Game(game), Turns(turns) {}

    // One second of the game clock. A Time-trial level that ends below its target ends the
    // game on its last second: the clock text still shows the second before 00:00, which the
    // leaders table records.
    TOutcome ClockTick();
    // A new game's clock, by mode: Classic from 00:00, Time-trial at 05:00 for the first
    // level's target; a mode the game does not know keeps the clock it has.
    void StartNewGame();
    // Brings the clock text up to the clock, so that it shows at once, not a second later.
    void ShowTime();
    // The window's caption names the mode and the level; a mode the game does not know
    // leaves it as it is.
    TOutcome UpdateCaption() const;
    // At every drawing of the clock: a clock text that nothing has set yet takes the mode's
    // starting time, "0000" or "0500" (any other mode leaves it empty). True when the text was
    // empty: the clock is then not drawn this time.
    bool FillEmptyTimeText();

private:
    // Every value the clock stores fits 32 bits; the steps leading to it are taken in 64.
    void SetClock(int64_t minutes, int64_t seconds);
    TOutcome EndLevel();

    TGame& Game;
    TTurnCycle& Turns;
};
