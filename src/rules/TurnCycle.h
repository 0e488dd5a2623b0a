#pragma once

#include "GameState.h"
#include "Random.h"
#include "TurnHooks.h"

// What a press on a board cell led to.
enum class TPressOutcome : uint8_t {
    Ignored,       // input locked, a ball still appearing or already selected, no selection
    Selected,      // a ball became the selected one
    MoveAccepted,  // a free path leads there: the ball starts walking
    Blocked,       // no free path leads there
};

// The turn cycle: selecting and moving a ball, the walk, the arrival with its line check,
// spawning new balls and the ends of the appearance and vanishing animations.
class TTurnCycle {
public:
    TTurnCycle(TLogic& logic, TGame& game, TRandomSource& random, TTurnHooks& hooks)
        : Logic(logic), Game(game), Random(random), Hooks(hooks) {}

    // A press on board cell (column, row), both 0 to 8.
    TPressOutcome PressCell(int column, int row);

    // One firing of the Moving channel: the first lifts the ball and traces its path, each
    // further one carries it one cell on; the last one also runs the arrival.
    void AdvanceMove();

    // Places the announced balls on random empty cells and starts their appearance.
    void SpawnBalls();

    void EndAppearance();
    void EndDeletion();

    // Stops a walk or a pending move at once, so that the next accepted move starts afresh.
    void CancelMove();

    // A fresh board for a new game or a new Time-trial level: input unlocked, every
    // animation and move stopped, board and marks cleared, a fresh preview, the first spawn.
    void RestartBoard();

    // Fresh positions and first-bank colours for the four preview entries.
    void FillPreview();

private:
    void Arrive();
    void StartDeletion();
    bool IsWalking() const;
    bool IsLiftPending() const;
    bool IsWalkingBall(int column, int row) const;

    TLogic& Logic;
    TGame& Game;
    TRandomSource& Random;
    TTurnHooks& Hooks;
};
