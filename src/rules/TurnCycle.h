#pragma once

#include "GameHooks.h"
#include "GameState.h"
#include "Random.h"

// What a press on a board cell led to.
enum class TPressOutcome : uint8_t {
    Ignored,       // input locked, a ball still appearing or already selected, no selection
    Selected,      // a ball became the selected one
    MoveAccepted,  // a free path leads there: the ball starts walking
    Blocked,       // no free path leads there
};

// The turn cycle: selecting and moving a ball, the walk, the arrival with its line check,
// spawning new balls, and the appearance and vanishing animations frame by frame to their
// ends.
class TTurnCycle {
public:
    TTurnCycle(TLogic& logic, TGame& game, TRandomSource& random, TGameHooks& hooks)
        : Logic(logic), Game(game), Random(random), Hooks(hooks) {}

    // A press on board cell (column, row), both 0 to 8.
    TPressOutcome PressCell(int column, int row);

    // One firing of the Moving channel: the first lifts the ball and traces its path, each
    // further one carries it one cell on; the last one also runs the arrival.
    void AdvanceMove();

    // Places the announced balls on random empty cells and starts their appearance.
    void SpawnBalls();

    // One firing of the Appearance channel: the next frame; the last one ends the appearance.
    void AdvanceAppearance();
    // One firing of the Deleting channel: the next frame; the last one ends the vanishing.
    void AdvanceDeletion();
    // The appearance's end: its line check, which removes a line without points.
    void EndAppearance();
    // The vanishing's end: input unlocked.
    void EndDeletion();

    // Stops a walk or a pending move at once, so that the next accepted move starts afresh.
    void CancelMove();
    // Nothing of the running game goes on: input unlocked, the walk, the vanishing and the
    // bounce stopped, every mark cleared.
    void Interrupt();
    // Fresh positions and first-bank colours for the four preview entries, the first bank
    // announced.
    void FreshPreview();
    // A fresh board for a new game or a new Time-trial level: the running game interrupted,
    // the board emptied, a fresh preview and the first spawn.
    void RestartBoard();

private:
    void Arrive();
    void StartDeletion();
    bool IsWalking() const;
    bool IsLiftPending() const;
    bool IsWalkingBall(int column, int row) const;

    TLogic& Logic;
    TGame& Game;
    TRandomSource& Random;
    TGameHooks& Hooks;
};
