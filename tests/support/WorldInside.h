#pragma once

#include "app/GameWorld.h"

// The parts of the game's world that tests set up and look at; the window and the loop
// reach none of them.
struct TWorldInside {
    static TLogic& Logic(TGameWorld& world) { return world.Logic; }
    static TGame& Game(TGameWorld& world) { return world.Game; }
    static TChannelSwitches& Channels(TGameWorld& world) { return world.Channels; }
    static TBounceState& Bounce(TGameWorld& world) { return world.Bounce; }
    static TLoader& Loader(TGameWorld& world) { return world.Loader; }
};
