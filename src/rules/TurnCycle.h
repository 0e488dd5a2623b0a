#pragma once

#include "Channels.h"
#include "GameState.h"
#include "Outcome.h"
#include "Random.h"

// The turn cycle: selecting and moving a ball, the walk, the arrival with its line check,
// spawning new balls, and the appearance and vanishing animations frame by frame to their
// ends.
class TTurnCycle {
public:
    TTurnCycle(TLogic& logic, TGame& game, TRandomSource& random, TChannelSwitches& channels)
        : Logic(logic), Game(game), Random(random), Channels(channels) {}

    // A press on board cell (column, row), both 0 to 8.
    TOutcome PressCell(int column, int row);

    // One firing of the Moving channel: the first lifts the ball and traces its path, each
    // further one carries it one cell on; the last one also runs the arrival.
    TOutcome AdvanceMove();

    // Places the announced balls on random empty cells and starts their appearance. A spawn
    // that fills the board ends the game before any appearance starts: the board behind the
    // game's end shows the new balls as the last appearance left its frame.
    TOutcome SpawnBalls();

    // One firing of the Appearance channel: the next frame; the last one ends the appearance.
    TOutcome AdvanceAppearance();
    // One firing of the Deleting channel: the next frame; the last one ends the vanishing.
    TOutcome AdvanceDeletion();
    // The appearance's end: its line check, which removes a line without points.
    TOutcome EndAppearance();
    // The vanishing's end: input unlocked.
    TOutcome EndDeletion();

    // Stops a walk or a pending move at once, so that the next accepted move starts afresh.
    void CancelMove();
    // Nothing of the running game goes on: input unlocked, the walk, the vanishing and the
    // bounce stopped, every mark cleared, the game no longer over.
    void Interrupt();
    // Fresh positions and first-bank colours for the four preview entries, the first bank
    // announced.
    void FreshPreview();
    // A fresh board for a new game or a new Time-trial level: the running game interrupted,
    // the board emptied, a fresh preview and the first spawn.
    TOutcome RestartBoard();

private:
    TOutcome Arrive();
    void StartDeletion();
    void AddSound(TOutcome& outcome, TSound sound) const;
    bool IsWalking() const;
    bool IsLiftPending() const;
    bool IsWalkingBall(int column, int row) const;

    TLogic& Logic;
    TGame& Game;
    TRandomSource& Random;
    TChannelSwitches& Channels;
};
