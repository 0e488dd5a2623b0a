#pragma once

#include <cstdint>

#include "rules/GameState.h"
#include "rules/TurnCycle.h"

// The frame counters of the three cell animations. The bounce advances while the board is
// drawn; the appearance and the vanishing advance on their own channels.
struct TAnimationState {
    int32_t BounceFrame = 1;  // 1 to 24
    int16_t AppearFrame = 0;  // 0 to 14
    int16_t DeleteFrame = 0;  // 0 to 13
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

class TAnimations {
public:
    TAnimations(TAnimationState& state, TLogic& logic, TGame& game, TTurnCycle& turns,
                TTurnHooks& hooks)
        : State(state), Logic(logic), Game(game), Turns(turns), Hooks(hooks) {}

    // The picture of a cell as the board is drawn. Drawing the selected ball advances its
    // bounce and, once a cycle, plays the choosing sound; the first vanishing frame plays the
    // deleting sound.
    TCellPicture PictureFor(int column, int row);

    // The Appearance channel: the next frame; at its last the appearance ends.
    void AdvanceAppearance();
    // The Deleting channel: the next frame; at its last the vanishing ends.
    void AdvanceDeletion();

private:
    TCellPicture Bounce();
    TCellPicture Appearance(int colour) const;
    TCellPicture Vanishing();
    bool AnyCellMarked(int16_t mark) const;

    TAnimationState& State;
    TLogic& Logic;
    TGame& Game;
    TTurnCycle& Turns;
    TTurnHooks& Hooks;
};
