#include "BallStrip.h"

namespace {

// The bounce row's column for frames 1 to 24; -1 is the ball at rest.
constexpr std::array<int, BounceCycle + 1> BounceColumns{-1, -1, 0, 1, 2, 3,  4,  5,  5, 4, 3, 2, 1,
                                                         -1, 6,  7, 8, 9, 10, 11, 10, 9, 8, 7, 6};

}  // namespace

TStripCell BounceCell(int frame) {
    const int column = BounceColumns[frame];
    return column < 0 ? StillBall : TStripCell{column, BounceRow};
}

TStripCell AppearCell(int frame) {
    return frame == 0 ? TStripCell{BounceFrames - 1, BounceRow} : TStripCell{frame - 1, AppearRow};
}

TStripCell VanishCell(int frame) {
    return frame == 0 ? TStripCell{StripColumns - 1, AppearRow} : TStripCell{frame - 1, VanishRow};
}

int StripOfColour(int colour) {
    for (int strip = 0; strip < static_cast<int>(StripColours.size()); ++strip) {
        if (StripColours[strip] == colour) {
            return strip;
        }
    }
    return -1;
}
