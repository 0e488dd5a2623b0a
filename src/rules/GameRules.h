#pragma once

#include "GameClock.h"
#include "GameHooks.h"
#include "GameState.h"
#include "Random.h"
#include "TurnCycle.h"

// The whole game's rules: the turn cycle, the clock with its levels, the start of every
// game, what each of the main loop's channels does when it fires, and the moments at which
// the board's and the clock's pictures may change the game. The rest of the program calls in
// here for every change to the game and hears back through the hooks.
class TGameRules {
public:
    TGameRules(TLogic& logic, TGame& game, TRandomSource& random, TGameHooks& hooks)
        : Turns(logic, game, random, hooks),
          Clock(game, Turns, hooks),
          Logic(logic),
          Game(game),
          Hooks(hooks) {}

    // A fresh game in the current mode and difficulty.
    void NewGame();
    // After the Load command has read a saved game over the running one: nothing goes on
    // from the game that was running (no walk, vanishing, bounce or mark), the caption names
    // the loaded mode and level, and the board is drawn.
    void ContinueLoadedGame();
    // After start-up has read the autosave: the same, with a fresh preview and the loaded
    // clock shown at once.
    void ContinueAutosavedGame();

    // The action of a channel that fired.
    void FireChannel(TChannel channel);
    // True while a firing of the Choosing channel would change nothing: no cell is marked,
    // so no ball bounces, appears or vanishes and the board's picture stays as it is.
    bool ChoosingChangesNothing() const;

    // The board's picture: the cells, the score and the preview.
    void RedrawBoard();
    // The clock's picture.
    void RedrawClock();

    TTurnCycle Turns;
    TGameClock Clock;

private:
    bool RestartOnScoreOverflow();

    const TLogic& Logic;
    TGame& Game;
    TGameHooks& Hooks;
};
