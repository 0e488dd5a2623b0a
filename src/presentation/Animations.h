#pragma once

#include <cstdint>
#include <optional>

#include "rules/GameState.h"
#include "skinformat/BallStrip.h"

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

// What a cell shows: nothing, the empty cell, or a colour's ball from a cell of its strip;
// and the sound that starts as the cell is drawn.
struct TCellPicture {
    enum class TKind : uint8_t { Nothing, EmptyCell, Ball };
    TKind Kind = TKind::Nothing;
    int Colour = 0;
    TStripCell Cell;
    std::optional<TSound> Sound;
};

// Picks each cell's picture from the game's state; it never changes the game. The sounds
// that go with the pictures come with them, only when sounds are on.
class TAnimations {
public:
    TAnimations(TBounceState& bounce, const TLogic& logic, const TGame& game)
        : State(bounce), Logic(logic), Game(game) {}

    // The picture of a cell as the board is drawn. Drawing the selected ball advances its
    // bounce and, once a cycle, brings the choosing sound; the first vanishing frame brings
    // the deleting sound.
    TCellPicture PictureFor(int column, int row);

private:
    TCellPicture Bounce();
    TCellPicture Appearance(int colour) const;
    TCellPicture Vanishing() const;

    TBounceState& State;
    const TLogic& Logic;
    const TGame& Game;
};
