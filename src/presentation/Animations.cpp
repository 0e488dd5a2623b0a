#include "Animations.h"

#include <array>

namespace {

constexpr int LastBounceFrame = 24;
constexpr int ChoosingSoundFrame = 7;
constexpr int16_t LastAppearFrame = 14;
constexpr int16_t LastDeleteFrame = 13;
constexpr int DeletingSoundFrame = 1;
constexpr int FirstAppearEntry = BounceFrames - 1;                 // entry shown at AppearFrame 0
constexpr int FirstVanishEntry = BounceFrames + AppearFrames - 1;  // at DeleteFrame 0

bool IsColour(int value) {
    return value >= 1 && value <= ColourCount;
}

TCellPicture Still(int colour) {
    return {TCellPicture::TKind::Still, colour, 0};
}

TCellPicture Frame(int colour, int entry) {
    return {TCellPicture::TKind::Frame, colour, entry};
}

// The bounce's picture for frames 1 to 24: -1 is the ball at rest, else a strip entry. Two
// half-cycles go up and come back: entries 0 to 5 and back, then 6 to 11 and back.
constexpr std::array<int, LastBounceFrame + 1> BounceEntries{
    -1, -1, 0, 1, 2, 3, 4, 5, 5, 4, 3, 2, 1, -1, 6, 7, 8, 9, 10, 11, 10, 9, 8, 7, 6};

}  // namespace

TCellPicture TAnimations::PictureFor(int column, int row) {
    const int value = Logic.Board[column][row];
    switch (Logic.CellMarks[column][row]) {
        case MarkNone:
            if (value == 0) {
                return {TCellPicture::TKind::EmptyCell, 0, 0};
            }
            return IsColour(value) ? Still(value) : TCellPicture{};
        case MarkSelected:
            return Bounce();
        case MarkAppearing:
            return Appearance(value);
        case MarkDeleting:
            return Vanishing();
        default:
            return {};
    }
}

TCellPicture TAnimations::Bounce() {
    const int colour = Logic.Selection.Colour;
    const int frame = State.BounceFrame;
    TCellPicture picture;
    if (frame >= 1 && frame <= LastBounceFrame && IsColour(colour)) {
        const int entry = BounceEntries[frame];
        picture = entry < 0 ? Still(colour) : Frame(colour, entry);
    }
    if (frame == ChoosingSoundFrame && Game.Enable) {
        Hooks.PlaySound(TSound::Choosing);
    }
    if (State.BounceFrame == LastBounceFrame) {
        State.BounceFrame = 1;
    }
    if (State.ChoosingFired && State.BounceFrame != LastBounceFrame) {
        ++State.BounceFrame;
    }
    return picture;
}

TCellPicture TAnimations::Appearance(int colour) const {
    if (!IsColour(colour)) {
        return {};
    }
    if (State.AppearFrame >= 0 && State.AppearFrame < LastAppearFrame) {
        return Frame(colour, FirstAppearEntry + State.AppearFrame);
    }
    return Still(colour);
}

TCellPicture TAnimations::Vanishing() {
    const int colour = Logic.LineColour;
    if (State.DeleteFrame >= 0 && State.DeleteFrame < LastDeleteFrame) {
        if (State.DeleteFrame == DeletingSoundFrame && Game.Enable) {
            Hooks.PlaySound(TSound::Deleting);
        }
        return IsColour(colour) ? Frame(colour, FirstVanishEntry + State.DeleteFrame)
                                : TCellPicture{};
    }
    return {TCellPicture::TKind::EmptyCell, 0, 0};
}

// The last frame ends the animation before the board is drawn: the ended cells then show
// the ball at rest or the empty cell, as the last frame's own pictures would. When a move's
// first step has already cleared the marks, nothing is left to show or end: the channel
// stops without the end's line check and autosave, which the move's own arrival brings.
void TAnimations::AdvanceAppearance() {
    State.AppearFrame = static_cast<int16_t>(State.AppearFrame <= 13 ? State.AppearFrame + 1 : 0);
    if (State.AppearFrame == LastAppearFrame) {
        if (AnyCellMarked(MarkAppearing)) {
            Turns.EndAppearance();
        } else {
            Hooks.SetChannelEnabled(TChannel::Appearance, false);
            State.AppearFrame = 0;
        }
    }
    Hooks.RedrawBoard();
}

void TAnimations::AdvanceDeletion() {
    State.DeleteFrame = static_cast<int16_t>(State.DeleteFrame <= 12 ? State.DeleteFrame + 1 : 1);
    if (State.DeleteFrame == LastDeleteFrame) {
        if (AnyCellMarked(MarkDeleting)) {
            Turns.EndDeletion();
        } else {
            Hooks.SetChannelEnabled(TChannel::Deleting, false);
            State.DeleteFrame = 1;
        }
    }
    Hooks.RedrawBoard();
}

bool TAnimations::AnyCellMarked(int16_t mark) const {
    for (const auto& column : Logic.CellMarks) {
        for (int16_t cell : column) {
            if (cell == mark) {
                return true;
            }
        }
    }
    return false;
}
