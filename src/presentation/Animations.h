#pragma once

#include <cstdint>

#include "rules/GameHooks.h"
#include "rules/GameState.h"

// The selected ball's bounce. Unlike the appearance and the vanishing, whose frames the
// turn cycle counts, the bounce is the picture's own business: no rule waits for it or reads
// it, and it advances with the drawings themselves, once in each drawing after the Choosing
// channel fired.
struct TBounceState {
    int32_t BounceFrame = 1;  // 1 to 24
    // Set in the main-loop pass in which the Choosing channel fired, until it is polled
    // again: every redraw in between advances the bounce.
    bool ChoosingFired = false;
};

// What a cell shows: nothing, the empty cell, a colour's ball at rest, or one of its 38
// animation frames.
struct TCellPicture {
    enum class TKind : uint8_t { Nothing, EmptyCell, Still, Frame };
    TKind Kind = TKind::Nothing;
    int Colour = 0;
    int Frame = 0;
};

// Frames of a ball strip, in the order they are cut: the bounce, the appearance, the
// vanishing.
constexpr int BounceFrames = 12;
constexpr int AppearFrames = 13;
constexpr int VanishFrames = 13;
constexpr int FramesPerColour = BounceFrames + AppearFrames + VanishFrames;

// Picks each cell's picture from the game's state; it never changes the game. The sounds
// that go with the pictures are asked of the hooks.
class TAnimations {
public:
    TAnimations(TBounceState& bounce, const TLogic& logic, const TGame& game, TGameHooks& hooks)
        : State(bounce), Logic(logic), Game(game), Hooks(hooks) {}

    // The picture of a cell as the board is drawn. Drawing the selected ball advances its
    // bounce and, once a cycle, plays the choosing sound; the first vanishing frame plays the
    // deleting sound.
    TCellPicture PictureFor(int column, int row);

private:
    TCellPicture Bounce();
    TCellPicture Appearance(int colour) const;
    TCellPicture Vanishing();

    TBounceState& State;
    const TLogic& Logic;
    const TGame& Game;
    TGameHooks& Hooks;
};
