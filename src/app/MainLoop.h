#pragma once

#include "GameWorld.h"
#include "MainWindow.h"

// The game's own loop: every 10 ms it handles the window's events, lets the channels that
// are due fire while the game runs, draws the clock and shows the picture when it changed.
class TMainLoop {
public:
    static constexpr uint32_t PassMilliseconds = 10;

    TMainLoop(TGameWorld& world, TForm1& window) : World(world), Window(window) {}

    // Starts the scheduler and runs passes until the window has closed.
    void Run();
    // Starts the scheduler: every channel counts from now, the clock runs.
    void Start();
    // One pass; false once the window has closed (that pass still runs to its end).
    bool RunPass();

private:
    TGameWorld& World;
    TForm1& Window;
};
