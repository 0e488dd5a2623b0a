#pragma once

#include <functional>
#include <string>
#include <vector>

#include "rules/GameRules.h"

// The game's rules on their own, driven by whatever random source a test gives it, with a
// tally of their outcomes as the window would act on them: the sounds in the order they
// start, the autosaves, the games that ended and the caption. After a game over OnGameOver
// runs, as the window's end of the game would.
struct TRulesWorld {
    explicit TRulesWorld(TRandomSource& random)
        : Rules(Logic, Game, random, Channels), Turns(Logic, Game, random, Channels) {
        Game.InputEnabled = true;
        Game.Difficulty = DifficultyMedium;
    }

    bool Enabled(TChannel channel) const { return Channels.IsOn(channel); }

    const TOutcome& Follow(const TOutcome& outcome) {
        Sounds.insert(Sounds.end(), outcome.Sounds.begin(), outcome.Sounds.end());
        Autosaves += outcome.Autosave ? 1 : 0;
        if (outcome.CaptionChanged) {
            Caption = CaptionFor(Game).View();
        }
        if (outcome.GameOver) {
            ++GameOvers;
            if (OnGameOver) {
                OnGameOver();
            }
        }
        Last = outcome;
        return Last;
    }

    TPress Press(int column, int row) { return Follow(Turns.PressCell(column, row)).Press; }
    const TOutcome& Fire(TChannel channel) { return Follow(Rules.FireChannel(channel)); }
    const TOutcome& NewGame() { return Follow(Rules.NewGame()); }
    const TOutcome& AdvanceMove() { return Follow(Turns.AdvanceMove()); }
    const TOutcome& AdvanceAppearance() { return Follow(Turns.AdvanceAppearance()); }
    const TOutcome& AdvanceDeletion() { return Follow(Turns.AdvanceDeletion()); }
    const TOutcome& SpawnBalls() { return Follow(Turns.SpawnBalls()); }
    const TOutcome& EndAppearance() { return Follow(Turns.EndAppearance()); }
    const TOutcome& RestartBoard() { return Follow(Turns.RestartBoard()); }
    void Ticks(int seconds) {
        for (int i = 0; i < seconds; ++i) {
            Fire(TChannel::Clock);
        }
    }

    // Fires the Moving channel until the ball has arrived; returns the firings it took.
    int WalkToArrival() {
        int firings = 0;
        while (Enabled(TChannel::Moving) && firings < 200) {
            AdvanceMove();
            ++firings;
        }
        return firings;
    }

    TLogic Logic;
    TGame Game;
    TChannelSwitches Channels;
    TGameRules Rules;
    // The turn cycle's own steps, on the same game.
    TTurnCycle Turns;

    TOutcome Last;
    std::vector<TSound> Sounds;
    int Autosaves = 0;
    int GameOvers = 0;
    std::string Caption;
    std::function<void()> OnGameOver;
};
