#include "Animations.h"

namespace {

constexpr int ChoosingSoundFrame = 7;
constexpr int DeletingSoundFrame = 1;

// The turn cycle's frame counters run over exactly the pictures a strip has for them.
static_assert(LastAppearFrame == AppearPictures);
static_assert(LastDeleteFrame == VanishPictures);

bool IsColour(int value) {
    return value >= 1 && value <= ColourCount;
}

TCellPicture Ball(int colour, TStripCell cell) {
    return {TCellPicture::TKind::Ball, colour, cell, std::nullopt};
}

TCellPicture EmptyCell() {
    return {TCellPicture::TKind::EmptyCell, 0, {}, std::nullopt};
}

}  // namespace

TCellPicture TAnimations::PictureFor(int column, int row) {
    const int value = Logic.Board[column][row];
    switch (Logic.CellMarks[column][row]) {
        case MarkNone:
            if (value == 0) {
                return EmptyCell();
            }
            return IsColour(value) ? Ball(value, StillBall) : TCellPicture{};
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
    if (frame >= 1 && frame <= BounceCycle && IsColour(colour)) {
        picture = Ball(colour, BounceCell(frame));
    }
    if (frame == ChoosingSoundFrame && Game.SoundsOn) {
        picture.Sound = TSound::Choosing;
    }
    if (State.BounceFrame == BounceCycle) {
        State.BounceFrame = 1;
    }
    if (State.ChoosingFired && State.BounceFrame != BounceCycle) {
        ++State.BounceFrame;
    }
    return picture;
}

TCellPicture TAnimations::Appearance(int colour) const {
    if (!IsColour(colour)) {
        return {};
    }
    if (Logic.AppearFrame >= 0 && Logic.AppearFrame < LastAppearFrame) {
        return Ball(colour, AppearCell(Logic.AppearFrame));
    }
    return Ball(colour, StillBall);
}

TCellPicture TAnimations::Vanishing() const {
    const int colour = Logic.LineColour;
    if (Logic.DeleteFrame < 0 || Logic.DeleteFrame >= LastDeleteFrame) {
        return EmptyCell();
    }
    TCellPicture picture =
        IsColour(colour) ? Ball(colour, VanishCell(Logic.DeleteFrame)) : TCellPicture{};
    if (Logic.DeleteFrame == DeletingSoundFrame && Game.SoundsOn) {
        picture.Sound = TSound::Deleting;
    }
    return picture;
}
