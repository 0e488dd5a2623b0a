#include "BallStrip.h"

namespace {

constexpr int AppearRow = 1;
constexpr int VanishRow = 2;

// The bounce row's column for frames 1 to 24; -1 is the ball at rest.
constexpr std::array<int, BounceCycle + 1> BounceColumns{-1, -1, 0, 1, 2, 3,  4,  5,  5, 4, 3, 2, 1,
                                                         -1, 6,  7, 8, 9, 10, 11, 10, 9, 8, 7, 6};

}  // namespace

TStripCell BounceCell(int frame) {
    const int column = BounceColumns[frame];
    return column < 0 ? StillBall : TStripCell{column, 0};
}

TStripCell AppearCell(int frame) {
    return frame == 0 ? TStripCell{BounceFrames - 1, 0} : TStripCell{frame - 1, AppearRow};
}

TStripCell VanishCell(int frame) {
    return frame == 0 ? TStripCell{StripColumns - 1, AppearRow} : TStripCell{frame - 1, VanishRow};
}
