#pragma once

#include "rules/GameRules.h"
#include "support/RecordingHooks.h"

// The game's rules with recorded hooks, driven by whatever random source a test gives it.
struct TRulesWorld {
    explicit TRulesWorld(TRandomSource& random) : Rules(Logic, Game, random, Hooks) {
        Game.InputEnabled = true;
        Game.Difficulty = DifficultyMedium;
    }

    bool Enabled(TChannel channel) const { return Hooks.IsChannelEnabled(channel); }

    // Fires the Moving channel until the ball has arrived; returns the firings it took.
    int WalkToArrival() {
        int firings = 0;
        while (Enabled(TChannel::Moving) && firings < 200) {
            Turns.AdvanceMove();
            ++firings;
        }
        return firings;
    }

    TLogic Logic;
    TGame Game;
    TRecordingHooks Hooks;
    TGameRules Rules;
    TTurnCycle& Turns = Rules.Turns;
};
