#pragma once

#include "GameWorld.h"
#include "MainWindow.h"

// The game's own loop: passes on a 10 ms grid handle the window's events, let the channels
// that are due fire while the game runs, draw the clock and show the picture when it
// changed. A pass that would find no event and no due channel is never run: the loop
// sleeps through it, so a game at rest costs what a window at rest costs.
class TMainLoop {
public:
    static constexpr uint32_t PassMilliseconds = 10;

    TMainLoop(TGameWorld& world, TMainWindow& window, TTickSource& ticks)
        : World(world), Window(window), Ticks(ticks) {}

    // Starts the scheduler and runs passes until the window has closed.
    void Run();
    // Starts the scheduler: every channel counts from now, the clock runs.
    void Start();
    // Waits for the next pass that has work, then runs it; false once the window has closed.
    bool RunPass();
    // Waits until the first pass of the grid at which a channel falls due, handling the
    // events that arrive meanwhile; one that changed the game ends the wait at the next pass
    // of the grid. While the game stands still only such an event ends it.
    void WaitForPass();
    // One pass, now; false once the window has closed (that pass still runs to its end).
    bool Pass();

private:
    // Milliseconds from the start of the wait to the pass it waits for.
    uint32_t NextPass(bool running, uint32_t waited) const;

    TGameWorld& World;
    TMainWindow& Window;
    TTickSource& Ticks;
};
