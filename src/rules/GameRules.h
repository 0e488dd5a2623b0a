#pragma once

#include "Channels.h"
#include "GameClock.h"
#include "GameState.h"
#include "Outcome.h"
#include "Random.h"
#include "TurnCycle.h"

// The whole game's rules: the turn cycle, the clock with its levels, the start of every
// game, what each of the main loop's channels does when it fires, and the moments at which
// drawing the board and the clock may change the game. Every call changes the game and
// answers with its outcome; the rules call nothing above them.
class TGameRules {
public:
    TGameRules(TLogic& logic, TGame& game, TRandomSource& random, TChannelSwitches& channels)
        : Turns(logic, game, random, channels), Clock(game, Turns), Logic(logic), Game(game) {}

    // A fresh game in the current mode and difficulty. It draws nothing by itself: the next
    // firing of a channel does.
    TOutcome NewGame();
    // After the Load command has read a saved game over the running one: nothing goes on
    // from the game that was running (no walk, vanishing, bounce or mark), the caption names
    // the loaded mode and level, and the board is drawn.
    TOutcome ContinueLoadedGame();
    // After start-up has read the autosave: the same, with a fresh preview and the loaded
    // clock shown at once.
    TOutcome ContinueAutosavedGame();

    // A press on board cell (column, row), both 0 to 8.
    TOutcome PressCell(int column, int row) { return Turns.PressCell(column, row); }
    // The action of a channel that fired. A game that is over goes no further: no channel
    // acts until the next game has begun.
    TOutcome FireChannel(TChannel channel);
    // True while a firing of the Choosing channel would change nothing: no cell is marked,
    // so no ball bounces, appears or vanishes and the board's picture stays as it is.
    bool ChoosingChangesNothing() const;

    // Every drawing of the board asks this between the cells and the score. A score that
    // needs a sixth digit starts a new game there: that picture keeps the finished game's
    // cells, shows no score (the outcome tells of the new game) and already announces the new
    // game's balls.
    TOutcome BeforeScoreDrawn();
    // Every drawing of the clock asks this first. The clock text nothing has set yet is
    // filled here and shown from the next drawing on: true when the clock is to be drawn.
    bool BeforeClockDrawn();

private:
    TTurnCycle Turns;
    TGameClock Clock;
    const TLogic& Logic;
    TGame& Game;
};
