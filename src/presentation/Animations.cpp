#include "Animations.h"

#include <array>

namespace {

constexpr int LastBounceFrame = 24;
constexpr int ChoosingSoundFrame = 7;
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
    if (Logic.AppearFrame >= 0 && Logic.AppearFrame < LastAppearFrame) {
        return Frame(colour, FirstAppearEntry + Logic.AppearFrame);
    }
    return Still(colour);
}

TCellPicture TAnimations::Vanishing() {
    const int colour = Logic.LineColour;
    if (Logic.DeleteFrame >= 0 && Logic.DeleteFrame < LastDeleteFrame) {
        if (Logic.DeleteFrame == DeletingSoundFrame && Game.Enable) {
            Hooks.PlaySound(TSound::Deleting);
        }
        return IsColour(colour) ? Frame(colour, FirstVanishEntry + Logic.DeleteFrame)
                                : TCellPicture{};
    }
    return {TCellPicture::TKind::EmptyCell, 0, 0};
}
